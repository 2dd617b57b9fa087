#include "support/TestServices.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/wait.h>

namespace {

struct Result {
    int Code;
    std::string Out;
    std::string Err;
};

class CliTest : public ::testing::Test {
protected:
    TTempDir home;

    Result Run(const std::string& args) {
        std::string out = home.File("stdout.txt"), err = home.File("stderr.txt");
        std::string cmd = std::string(MERROWIN_CLI_PATH) + " --home '" + home.Path() + "' " + args +
                          " >'" + out + "' 2>'" + err + "'";
        int status = std::system(cmd.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(out), ReadText(err)};
    }
    void Data(const std::string& text) { WriteText(home.File("tavi.dat"), text); }
};

const std::string kExample = "{Params}\r\n{0 11 }My Contacts~~~~~~32892645\r\n"
                             "{1 0 }Friends~~~~~~18542\r\n{Fold}0\r\n"
                             "{2 6 }Home~~555 0100~~evenings~~99120\r\n{Phon}~~0\r\n"
                             "{2 2 }Sales~~~~~~70311\r\n{Team}0\r\n";

TEST_F(CliTest, CheckCountsNodesAndRecordsOfEachKind) {
    Data(kExample);
    Result r = Run("check");
    EXPECT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out, "nodes: 3\nkind 0 folder: 1\nkind 2 team: 1\nkind 6 phone: 1\n"
                     "kind 11 root: 1\ndue: 0\n");
}

TEST_F(CliTest, SaveReproducesTheFileByteForByte) {
    Data(kExample);
    EXPECT_EQ(Run("save").Code, 0);
    EXPECT_EQ(ReadText(home.File("tavi.dat")), kExample);
    // And again, from a file it wrote itself.
    EXPECT_EQ(Run("save").Code, 0);
    EXPECT_EQ(ReadText(home.File("tavi.dat")), kExample);
}

TEST_F(CliTest, DamagedFileIsReportedWithItsLineAndNeverWritten) {
    const std::string damaged = "{Params}\r\n{1 0 }A~~~~~~1\r\n{Fold}0\r\nnot a record\r\n";
    Data(damaged);
    Result check = Run("check");
    EXPECT_EQ(check.Code, 1);
    EXPECT_EQ(check.Err, "tavi.dat:4: Invalid numeric input\n");
    Result save = Run("save");
    EXPECT_EQ(save.Code, 1);
    EXPECT_EQ(ReadText(home.File("tavi.dat")), damaged);
    EXPECT_EQ(ReadText(home.File("tavi.bak")), "");
}

TEST_F(CliTest, DumpGivesTheTreeAsJsonWithDisplayText) {
    Data("{Params}\r\n{0 11 }My Contacts~~~~~~32892645\r\n{1 0 }M\xFCller~~~~note~~7\r\n{Fold}3\r\n"
         "{2 6 }Home~~555~~~~8\r\n{Phon}~~0\r\n");
    Result r = Run("dump");
    ASSERT_EQ(r.Code, 0) << r.Err;
    auto j = nlohmann::json::parse(r.Out);
    EXPECT_EQ(j["Kind"], 11);
    EXPECT_EQ(j["Text"], "My Contacts");
    const auto& f = j["Nodes"][0];
    EXPECT_EQ(f["Title"], "M\xC3\xBCller");
    EXPECT_EQ(f["Comment"], "note");
    EXPECT_EQ(f["ObjectId"], 7);
    EXPECT_EQ(f["Categories"], 3);
    EXPECT_EQ(f["Items"][0]["Target"], "555");
    EXPECT_TRUE(f["Nodes"].empty());
}

TEST_F(CliTest, ExportAndImportTransferFiles) {
    Data(kExample);
    std::string tvd = home.File("friends.tvd");
    Result ex = Run("export-tvd 'My Contacts/Friends' '" + tvd + "'");
    ASSERT_EQ(ex.Code, 0) << ex.Err;
    EXPECT_EQ(ReadText(tvd), "{1 0 }Friends~~~~~~18542\r\n{Fold}0\r\n"
                             "{2 6 }Home~~555 0100~~evenings~~99120\r\n{Phon}~~0\r\n"
                             "{2 2 }Sales~~~~~~70311\r\n{Team}0\r\n");
    Result im = Run("import-tvd '" + tvd + "' 'My Contacts/Friends'");
    ASSERT_EQ(im.Code, 0) << im.Err;
    Result check = Run("check");
    EXPECT_NE(check.Out.find("nodes: 5"), std::string::npos) << check.Out;
}

TEST_F(CliTest, ErrorsAndUsage) {
    Data(kExample);
    struct Case {
        const char* Args;
        int Code;
    } cases[] = {
        {"", 2},
        {"frobnicate", 2},
        {"check extra", 2},
        {"export-tvd 'My Contacts/Nobody' x.tvd", 2},
        {"import-tvd notes.txt", 2},
        {"import-tvd missing.tvd", 1},
        {"export-tvd 'My Contacts' /dev/full", 1},
    };
    for (const auto& c : cases) {
        Result r = Run(c.Args);
        EXPECT_EQ(r.Code, c.Code) << c.Args;
        EXPECT_FALSE(r.Err.empty()) << c.Args;
        EXPECT_EQ(r.Err.find('\n'), r.Err.size() - 1) << "one line: " << r.Err;
    }
}

} // namespace
