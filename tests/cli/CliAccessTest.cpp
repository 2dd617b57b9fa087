// The command line meets data files it may not read or write: one line on
// standard error, exit status 1, the file as it was.
#include "support/OtherUser.h"
#include "support/TestServices.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

const std::string kData = "{Params}\r\n{0 11 }My Contacts~~~~~~32892645\r\n"
                          "{1 0 }Friends~~~~~~18542\r\n{Fold}0\r\n";

struct Result {
    int Code;
    std::string Err;
};

Result RunCli(const TTempDir& home, const std::string& args) {
    std::string err = home.File("stderr.txt");
    std::string cmd = std::string(MERROWIN_CLI_PATH) + " --home '" + home.Path() + "' " + args +
                      " >/dev/null 2>'" + err + "'";
    int status = std::system(cmd.c_str());
    Result r{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(err)};
    fs::remove(err);
    return r;
}

struct AccessCase {
    const char* Name;
    const char* Command;
    void (*Setup)(const TTempDir&);
    const char* Message;
    bool AsUser; // run as an ordinary user (needs root to set up)
};

void PrintTo(const AccessCase& c, std::ostream* os) {
    *os << c.Name;
}

class CliAccess : public ::testing::TestWithParam<AccessCase> {
protected:
    TTempDir home;
};

TEST_P(CliAccess, FailsWithTheFileNameAndLeavesTheFile) {
    const AccessCase& c = GetParam();
    if (c.AsUser && !otheruser::RunningAsRoot()) GTEST_SKIP() << "needs root for the setup";
    c.Setup(home);
    std::string before = ReadText(home.File("tavi.dat"));
    Result r;
    if (c.AsUser) {
        otheruser::Give(home.Path());
        std::string code = otheruser::Run([&] {
            Result inner = RunCli(home, c.Command);
            WriteText(home.File("result.txt"), inner.Err);
            return std::to_string(inner.Code);
        });
        r = {std::atoi(code.c_str()), ReadText(home.File("result.txt"))};
    } else {
        r = RunCli(home, c.Command);
    }
    EXPECT_EQ(r.Code, 1);
    EXPECT_EQ(r.Err, home.File("tavi.dat") + ": " + c.Message + "\n");
    EXPECT_EQ(ReadText(home.File("tavi.dat")), before);
    EXPECT_FALSE(fs::exists(home.File("tavi.bak")));
}

void RootsUnreadableFile(const TTempDir& home) {
    WriteText(home.File("tavi.dat"), kData);
    ::chmod(home.File("tavi.dat").c_str(), 0600);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CliAccess,
    ::testing::Values(
        AccessCase{"CheckAFolder", "check",
                   [](const TTempDir& h) { fs::create_directory(h.File("tavi.dat")); },
                   "File access denied", false},
        AccessCase{"SaveAPipe", "save",
                   [](const TTempDir& h) { ::mkfifo(h.File("tavi.dat").c_str(), 0644); },
                   "File access denied", false},
        AccessCase{"DumpALinkToNothing", "dump",
                   [](const TTempDir& h) {
                       fs::create_symlink(h.File("gone/tavi.dat"), h.File("tavi.dat"));
                   },
                   "File not found", false},
        AccessCase{"SaveAReadOnlyFile", "save",
                   [](const TTempDir& h) {
                       WriteText(h.File("tavi.dat"), kData);
                       ::chmod(h.File("tavi.dat").c_str(), 0444);
                   },
                   "File access denied", false},
        AccessCase{"CheckAnotherUsersFile", "check", RootsUnreadableFile, "File access denied",
                   true},
        AccessCase{"SaveAnotherUsersFile", "save", RootsUnreadableFile, "File access denied",
                   true}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(CliLinks, SaveThroughALinkKeepsTheLinkAndWritesItsTarget) {
    TTempDir home, synced;
    WriteText(synced.File("contacts.dat"), kData);
    fs::create_symlink(synced.File("contacts.dat"), home.File("tavi.dat"));
    WriteText(home.File("in.tvd"), "{1 0 }Added~~~~~~5\r\n{Fold}0\r\n");
    Result r = RunCli(home, "import-tvd '" + home.File("in.tvd") + "'");
    EXPECT_EQ(r.Code, 0) << r.Err;
    EXPECT_TRUE(fs::is_symlink(home.File("tavi.dat")));
    EXPECT_NE(ReadText(synced.File("contacts.dat")).find("}Added~~"), std::string::npos);
}

} // namespace
