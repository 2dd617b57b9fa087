// merrowin-cli import: each source through the same job as the wizard, the
// options of comma-separated text, and what a broken file leaves behind.
#include "support/TestServices.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

namespace {

class CliImport : public ::testing::Test {
protected:
    struct Result {
        int Code;
        std::string Out, Err;
    };
    Result Run(const std::string& args) {
        std::string out = home.File("stdout.txt"), err = home.File("stderr.txt");
        std::string cmd = std::string(MERROWIN_CLI_PATH) + " --home '" + home.Path() + "' " + args +
                          " >'" + out + "' 2>'" + err + "'";
        int status = std::system(cmd.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(out), ReadText(err)};
    }
    std::string Check() { return Run("check").Out; }

    TTempDir home;
};

TEST_F(CliImport, BookmarksMakeOneFolderWithOneWebsitePerAnchor) {
    Result r = Run("import bookmarks '" + DataPath("exchange/bookmarks.html") + "'");
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out, "7 records created, 0 lines skipped\n");
    EXPECT_EQ(Check(), "nodes: 9\nkind 0 folder: 1\nkind 4 website: 7\nkind 11 root: 1\ndue: 0\n");
}

TEST_F(CliImport, CsvHeaderChoosesTheFieldsBelowTheGivenPath) {
    WriteText(home.File("tavi.dat"), "{Params}\r\n{0 11 }My Contacts~~~~~~32892645\r\n"
                                     "{1 0 }Friends~~~~~~18542\r\n{Fold}0\r\n");
    Result r =
        Run("import csv '" + DataPath("exchange/outlook.csv") + "' 'My Contacts/Friends' --header");
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out.substr(r.Out.find(" records")), " records created, 0 lines skipped\n");
    std::string dump = Run("dump").Out;
    EXPECT_NE(dump.find("\"Ann Smith\""), std::string::npos) << dump;
    EXPECT_NE(dump.find("ann@example.org"), std::string::npos);

    // Fields named on the command line, a tab file, another record type.
    WriteText(home.File("sites.txt"), "Docs\thttps://docs.example\nWiki\thttps://wiki.example\n");
    r = Run("import csv '" + home.File("sites.txt") +
            "' --sep tab --type website --fields 'title, website'");
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out, "2 records created, 0 lines skipped\n");
}

TEST_F(CliImport, UsageErrorsChangeNothing) {
    WriteText(home.File("p.csv"), "Ann,Lee\n");
    const std::string csv = "import csv '" + home.File("p.csv") + "'";
    const std::pair<std::string, const char*> cases[] = {
        {"import", "import needs a type"},
        {"import gopher '" + home.File("p.csv") + "'", "no such import type: gopher"},
        {csv, "csv needs --fields, or --header"},
        {csv + " --fields 'First Name,Shoe Size'", "\"Shoe Size\" is no field of Person"},
        {csv + " --header --type Spaceship", "no such record type: Spaceship"},
        {csv + " --header --sep pipe", "no such separator: pipe"},
        {csv + " --header --encoding klingon", "no such encoding: klingon"},
        {csv + " --header 'My Contacts/Nowhere'", "no such node: My Contacts/Nowhere"},
        {"import bookmarks '" + home.File("p.csv") + "' --header", "apply to csv only"},
    };
    for (const auto& [args, message] : cases) {
        Result r = Run(args);
        EXPECT_EQ(r.Code, 2) << args;
        EXPECT_NE(r.Err.find(message), std::string::npos) << args << "\n" << r.Err;
    }
    EXPECT_EQ(ReadText(home.File("tavi.dat")), "");
}

TEST_F(CliImport, AnErrorKeepsWhatWasMadeAndNamesFileAndLine) {
    std::string text = "Ann,Lee\nBob,";
    text.push_back('\0');
    text += "Roe\nCy,Fox\n";
    WriteText(home.File("p.csv"), text);
    Result r = Run("import csv '" + home.File("p.csv") + "' --fields 'First Name,Last Name'");
    EXPECT_EQ(r.Code, 1);
    EXPECT_EQ(r.Out, "1 record created, 0 lines skipped\n");
    EXPECT_NE(r.Err.find(home.File("p.csv") + ":2:"), std::string::npos) << r.Err;
    EXPECT_NE(Check().find("kind 3 person: 1\n"), std::string::npos);

    r = Run("import nicknames '" + home.File("missing.txt") + "'");
    EXPECT_EQ(r.Code, 1);
    EXPECT_NE(r.Err.find("missing.txt: File not found"), std::string::npos) << r.Err;
}

} // namespace
