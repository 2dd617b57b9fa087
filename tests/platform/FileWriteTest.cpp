// Reading and replacing files: links, permissions, owners, folders that do
// not allow a temporary, saves that fail, are killed or run at once.
#include "platform/Errors.h"
#include "platform/FileIO.h"
#include "support/OtherUser.h"
#include "support/TestServices.h"

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct stat Stat(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) st.st_ino = 0;
    return st;
}

bool IsLink(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

std::string Content(const std::string& path) {
    return fileio::TryReadFile(path).value_or("<none>");
}

// Files in folder whose names hold ".tmp-".
std::vector<std::string> Temporaries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
        if (e.path().filename().string().find(".tmp-") != std::string::npos)
            names.push_back(e.path().filename().string());
    return names;
}

// The I/O error code a call raises, 0 when it raises none.
int ErrorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const EInOutError& e) {
        return e.ErrorCode();
    }
    return 0;
}

class FileWriteTest : public ::testing::Test {
public:
    FileWriteTest() {
        fs::create_directory(dir.File("home"));
        fs::create_directory(dir.File("other"));
    }
    ~FileWriteTest() override {
        fileio::testing::SetReadFunction(nullptr);
        fileio::testing::SetWriteFunction(nullptr);
    }
    std::string Home(const std::string& name) const { return dir.File("home/" + name); }
    std::string Other(const std::string& name) const { return dir.File("other/" + name); }

    TTempDir dir;
};

// --- what the name stands for stays what it was ------------------------------------------------

struct KindCase {
    const char* Name;
    // Makes "home/tavi.dat" (holding "old") in its way.
    void (*Setup)(FileWriteTest&);
    const char* DataLandsIn; // below the temporary folder
    bool LinkStays;
    bool SameFile; // written in place rather than replaced
    bool Backup;   // "home/tavi.bak" holds "old"
};

void PrintTo(const KindCase& c, std::ostream* os) {
    *os << c.Name;
}

class SaveKinds : public FileWriteTest, public ::testing::WithParamInterface<KindCase> {};

TEST_P(SaveKinds, NewDataReachesTheFileAndTheNameStaysWhatItWas) {
    const KindCase& c = GetParam();
    c.Setup(*this);
    std::string lands = dir.File(c.DataLandsIn);
    struct stat before = Stat(lands);
    std::string link = IsLink(Home("tavi.dat")) ? fs::read_symlink(Home("tavi.dat")).string() : "";

    fileio::WriteFileReplacing(Home("tavi.dat"), "new data");

    EXPECT_EQ(Content(lands), "new data");
    EXPECT_EQ(Content(Home("tavi.dat")), "new data");
    EXPECT_EQ(IsLink(Home("tavi.dat")), c.LinkStays);
    if (c.LinkStays) {
        EXPECT_EQ(fs::read_symlink(Home("tavi.dat")).string(), link);
    }
    if (before.st_ino) {
        EXPECT_EQ(Stat(lands).st_ino == before.st_ino, c.SameFile);
    }
    EXPECT_EQ(Content(Home("tavi.bak")), c.Backup ? "old" : "<none>");
    EXPECT_TRUE(Temporaries(dir.File("home")).empty());
    EXPECT_TRUE(Temporaries(dir.File("other")).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, SaveKinds,
    ::testing::Values(KindCase{"PlainFile",
                               [](FileWriteTest& t) { WriteText(t.Home("tavi.dat"), "old"); },
                               "home/tavi.dat", false, false, false},
                      KindCase{"LinkToAnotherFolder",
                               [](FileWriteTest& t) {
                                   WriteText(t.Other("real.dat"), "old");
                                   fs::create_symlink(t.Other("real.dat"), t.Home("tavi.dat"));
                               },
                               "other/real.dat", true, false, false},
                      KindCase{"RelativeLinkToALink",
                               [](FileWriteTest& t) {
                                   WriteText(t.Other("real.dat"), "old");
                                   fs::create_symlink("../other/real.dat", t.Home("middle.dat"));
                                   fs::create_symlink("middle.dat", t.Home("tavi.dat"));
                               },
                               "other/real.dat", true, false, false},
                      KindCase{"LinkToAFileNotYetMade",
                               [](FileWriteTest& t) {
                                   fs::create_symlink(t.Other("new.dat"), t.Home("tavi.dat"));
                               },
                               "other/new.dat", true, false, false},
                      KindCase{"HardLink",
                               [](FileWriteTest& t) {
                                   WriteText(t.Home("tavi.dat"), "old");
                                   fs::create_hard_link(t.Home("tavi.dat"), t.Other("twin.dat"));
                               },
                               "other/twin.dat", false, true, true},
                      KindCase{"LinkToAHardLinkedFile",
                               [](FileWriteTest& t) {
                                   WriteText(t.Other("real.dat"), "old");
                                   fs::create_hard_link(t.Other("real.dat"), t.Other("twin.dat"));
                                   fs::create_symlink(t.Other("real.dat"), t.Home("tavi.dat"));
                               },
                               "other/twin.dat", true, true, true}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(FileWriteTest, ModeIsKeptAndANewFileFollowsTheUmask) {
    WriteText(Home("tavi.dat"), "old");
    ::chmod(Home("tavi.dat").c_str(), 0640);
    fileio::WriteFileReplacing(Home("tavi.dat"), "new");
    EXPECT_EQ(Stat(Home("tavi.dat")).st_mode & 07777, 0640u);

    mode_t old = ::umask(027);
    fileio::WriteFileReplacing(Home("fresh.dat"), "x");
    ::umask(old);
    EXPECT_EQ(Stat(Home("fresh.dat")).st_mode & 07777, 0640u);
}

TEST_F(FileWriteTest, RootSavingAUsersFileLeavesItTheUsers) {
    if (!otheruser::RunningAsRoot()) GTEST_SKIP() << "needs root to give a file away";
    WriteText(Home("tavi.dat"), "old");
    ::chown(Home("tavi.dat").c_str(), otheruser::kUid, otheruser::kSharedGid);
    ::chmod(Home("tavi.dat").c_str(), 0604);
    fileio::WriteFileReplacing(Home("tavi.dat"), "new");
    struct stat st = Stat(Home("tavi.dat"));
    EXPECT_EQ(st.st_uid, otheruser::kUid);
    EXPECT_EQ(st.st_gid, otheruser::kSharedGid);
    EXPECT_EQ(st.st_mode & 07777, 0604u);
    EXPECT_EQ(Content(Home("tavi.dat")), "new");
}

// --- files that are refused, and stay as they were ---------------------------------------------

struct RefusedCase {
    const char* Name;
    void (*Setup)(FileWriteTest&);
    int Error;
};

void PrintTo(const RefusedCase& c, std::ostream* os) {
    *os << c.Name;
}

class SaveRefused : public FileWriteTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(SaveRefused, RaisesAndChangesNothing) {
    const RefusedCase& c = GetParam();
    c.Setup(*this);
    std::string before = Content(Home("tavi.dat"));
    EXPECT_EQ(ErrorOf([&] { fileio::WriteFileReplacing(Home("tavi.dat"), "new"); }), c.Error);
    EXPECT_EQ(Content(Home("tavi.dat")), before);
    EXPECT_FALSE(fs::exists(Home("tavi.bak")));
    EXPECT_TRUE(Temporaries(dir.File("home")).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, SaveRefused,
    ::testing::Values(
        RefusedCase{"ReadOnlyFile",
                    [](FileWriteTest& t) {
                        WriteText(t.Home("tavi.dat"), "old");
                        ::chmod(t.Home("tavi.dat").c_str(), 0444);
                    },
                    io_error::AccessDenied},
        RefusedCase{"LinkToAReadOnlyFile",
                    [](FileWriteTest& t) {
                        WriteText(t.Other("real.dat"), "old");
                        ::chmod(t.Other("real.dat").c_str(), 0444);
                        fs::create_symlink(t.Other("real.dat"), t.Home("tavi.dat"));
                    },
                    io_error::AccessDenied},
        RefusedCase{"Folder", [](FileWriteTest& t) { fs::create_directory(t.Home("tavi.dat")); },
                    io_error::AccessDenied},
        RefusedCase{"PipeWithoutReader",
                    [](FileWriteTest& t) { ::mkfifo(t.Home("tavi.dat").c_str(), 0644); }, ENXIO},
        RefusedCase{"LinkLoop",
                    [](FileWriteTest& t) {
                        fs::create_symlink("b.dat", t.Home("tavi.dat"));
                        fs::create_symlink("tavi.dat", t.Home("b.dat"));
                    },
                    ELOOP}),
    [](const auto& info) { return std::string(info.param.Name); });

// --- as an ordinary user ------------------------------------------------------------------------

struct UserCase {
    const char* Name;
    bool NeedsRoot; // to make a file of another user or group
    // Makes "home/tavi.dat" holding "old"; home is the user's.
    void (*Setup)(FileWriteTest&);
    int Error;          // of the user's save; 0 when it is written
    bool SameFile;      // written in place
    const char* Backup; // what "home/tavi.bak" holds afterwards
    uid_t Owner;        // afterwards; the user's own when kUid
    gid_t Group;
};

void PrintTo(const UserCase& c, std::ostream* os) {
    *os << c.Name;
}

class SaveAsUser : public FileWriteTest, public ::testing::WithParamInterface<UserCase> {};

TEST_P(SaveAsUser, KeepsOwnerGroupAndModeOrRefuses) {
    const UserCase& c = GetParam();
    if (c.NeedsRoot && !otheruser::RunningAsRoot()) GTEST_SKIP() << "needs root for the setup";
    otheruser::Give(dir.Path());
    otheruser::Give(dir.File("home"));
    c.Setup(*this);
    const uid_t self = otheruser::RunningAsRoot() ? otheruser::kUid : ::geteuid();
    const gid_t selfGroup = otheruser::RunningAsRoot() ? otheruser::kGid : ::getegid();
    struct stat before = Stat(Home("tavi.dat"));

    std::string result = otheruser::Run([&]() -> std::string {
        int err = ErrorOf([&] { fileio::WriteFileReplacing(Home("tavi.dat"), "new"); });
        return err ? "error " + std::to_string(err) : "";
    });
    ::chmod(dir.File("home").c_str(), 0755); // so the folder can go

    EXPECT_EQ(result, c.Error ? "error " + std::to_string(c.Error) : "");
    EXPECT_EQ(Content(Home("tavi.dat")), c.Error ? "old" : "new");
    struct stat after = Stat(Home("tavi.dat"));
    EXPECT_EQ(after.st_ino == before.st_ino, c.SameFile || c.Error);
    EXPECT_EQ(after.st_uid, c.Owner == otheruser::kUid ? self : c.Owner);
    EXPECT_EQ(after.st_gid, c.Group == otheruser::kGid ? selfGroup : c.Group);
    EXPECT_EQ(after.st_mode & 07777, before.st_mode & 07777);
    EXPECT_EQ(Content(Home("tavi.bak")), c.Backup);
    EXPECT_TRUE(Temporaries(dir.File("home")).empty());
}

void OwnFile(FileWriteTest& t, mode_t mode) {
    WriteText(t.Home("tavi.dat"), "old");
    otheruser::Give(t.Home("tavi.dat"));
    ::chmod(t.Home("tavi.dat").c_str(), mode);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SaveAsUser,
    ::testing::Values(UserCase{"OwnFile", false, [](FileWriteTest& t) { OwnFile(t, 0640); }, 0,
                               false, "<none>", otheruser::kUid, otheruser::kGid},
                      UserCase{"OwnReadOnlyFile", false, [](FileWriteTest& t) { OwnFile(t, 0444); },
                               io_error::AccessDenied, false, "<none>", otheruser::kUid,
                               otheruser::kGid},
                      UserCase{"WritableFileInAReadOnlyFolder", false,
                               [](FileWriteTest& t) {
                                   OwnFile(t, 0644);
                                   ::chmod(t.dir.File("home").c_str(), 0555);
                               },
                               0, true, "<none>", otheruser::kUid, otheruser::kGid},
                      UserCase{"ReadOnlyFolderWithAWritableBackup", false,
                               [](FileWriteTest& t) {
                                   OwnFile(t, 0644);
                                   WriteText(t.Home("tavi.bak"), "older");
                                   otheruser::Give(t.Home("tavi.bak"));
                                   ::chmod(t.dir.File("home").c_str(), 0555);
                               },
                               0, true, "old", otheruser::kUid, otheruser::kGid},
                      UserCase{"AnotherUsersUnreadableFile", true,
                               [](FileWriteTest& t) {
                                   WriteText(t.Home("tavi.dat"), "old");
                                   ::chmod(t.Home("tavi.dat").c_str(), 0600);
                               },
                               io_error::AccessDenied, false, "<none>", 0, 0},
                      UserCase{"AnotherUsersFileSharedByGroup", true,
                               [](FileWriteTest& t) {
                                   WriteText(t.Home("tavi.dat"), "old");
                                   ::chown(t.Home("tavi.dat").c_str(), 0, otheruser::kSharedGid);
                                   ::chmod(t.Home("tavi.dat").c_str(), 0664);
                               },
                               0, true, "old", 0, otheruser::kSharedGid},
                      UserCase{"OwnFileInASecondGroup", true,
                               [](FileWriteTest& t) {
                                   OwnFile(t, 0640);
                                   ::chown(t.Home("tavi.dat").c_str(), otheruser::kUid,
                                           otheruser::kSharedGid);
                               },
                               0, false, "<none>", otheruser::kUid, otheruser::kSharedGid}),
    [](const auto& info) { return std::string(info.param.Name); });

// --- reading ------------------------------------------------------------------------------------

int gReadCalls = 0;
// A disk that fails after the first 4 bytes.
ssize_t FailingRead(int fd, void* buf, size_t count) {
    if (gReadCalls++ == 0) return ::read(fd, buf, std::min<size_t>(count, 4));
    errno = EIO;
    return -1;
}

struct ReadCase {
    const char* Name;
    // Answers the path to read.
    std::string (*Setup)(FileWriteTest&);
    int Error;           // 0 when it reads
    const char* Content; // what it reads; nullptr for "no such file"
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.Name;
}

class ReadKinds : public FileWriteTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ReadKinds, OnlyAMissingFileReadsAsNone) {
    const ReadCase& c = GetParam();
    std::string path = c.Setup(*this);
    std::optional<std::string> text;
    gReadCalls = 0;
    EXPECT_EQ(ErrorOf([&] { text = fileio::ReadFileIfExists(path); }), c.Error);
    fileio::testing::SetReadFunction(nullptr);
    if (c.Error) return;
    ASSERT_EQ(text.has_value(), c.Content != nullptr);
    if (c.Content) {
        EXPECT_EQ(*text, c.Content);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReadKinds,
    ::testing::Values(ReadCase{"Missing", [](FileWriteTest& t) { return t.Home("none.dat"); }, 0,
                               nullptr},
                      ReadCase{"Empty",
                               [](FileWriteTest& t) {
                                   WriteText(t.Home("e.dat"), "");
                                   return t.Home("e.dat");
                               },
                               0, ""},
                      ReadCase{"LinkToAFile",
                               [](FileWriteTest& t) {
                                   WriteText(t.Other("real.dat"), "data");
                                   fs::create_symlink(t.Other("real.dat"), t.Home("l.dat"));
                                   return t.Home("l.dat");
                               },
                               0, "data"},
                      ReadCase{"LinkToNothing",
                               [](FileWriteTest& t) {
                                   fs::create_symlink(t.Other("gone.dat"), t.Home("l.dat"));
                                   return t.Home("l.dat");
                               },
                               io_error::FileNotFound, nullptr},
                      ReadCase{"Folder",
                               [](FileWriteTest& t) {
                                   fs::create_directory(t.Home("d.dat"));
                                   return t.Home("d.dat");
                               },
                               io_error::AccessDenied, nullptr},
                      ReadCase{"PipeWithoutWriter",
                               [](FileWriteTest& t) {
                                   ::mkfifo(t.Home("p.dat").c_str(), 0644);
                                   return t.Home("p.dat");
                               },
                               io_error::AccessDenied, nullptr},
                      ReadCase{"Device", [](FileWriteTest&) { return std::string("/dev/zero"); },
                               io_error::AccessDenied, nullptr},
                      ReadCase{"ReadErrorPartWay",
                               [](FileWriteTest& t) {
                                   WriteText(t.Home("r.dat"), "0123456789");
                                   fileio::testing::SetReadFunction(FailingRead);
                                   return t.Home("r.dat");
                               },
                               io_error::DiskReadError, nullptr}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(FileWriteTest, ReadErrorsSayWhatHappenedWithTheFileName) {
    WriteText(Home("r.dat"), "0123456789");
    fileio::testing::SetReadFunction(FailingRead);
    gReadCalls = 0;
    try {
        fileio::ReadFile(Home("r.dat"));
        FAIL() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Where(), Home("r.dat") + ": Disk read error");
    }
    // The lenient reader gives nothing rather than a part.
    gReadCalls = 0;
    EXPECT_FALSE(fileio::TryReadFile(Home("r.dat")).has_value());
    EXPECT_FALSE(fileio::TryReadFile(Home("none.dat")).has_value());
}

TEST_F(FileWriteTest, AnotherUsersUnreadableFileIsAccessDenied) {
    if (!otheruser::RunningAsRoot()) GTEST_SKIP() << "needs root for the setup";
    otheruser::Give(dir.Path());
    WriteText(Home("tavi.dat"), "old");
    ::chmod(Home("tavi.dat").c_str(), 0600);
    std::string result = otheruser::Run([&]() -> std::string {
        int err = ErrorOf([&] { fileio::ReadFileIfExists(Home("tavi.dat")); });
        return std::to_string(err);
    });
    EXPECT_EQ(result, std::to_string(io_error::AccessDenied));
}

// --- saves that fail, are killed, or run at the same time ---------------------------------------

TEST_F(FileWriteTest, InPlaceWriteThatFailsPartWayPutsTheOldContentBack) {
    const std::string old(300, 'o');
    WriteText(Home("tavi.dat"), old);
    fs::create_hard_link(Home("tavi.dat"), Other("twin.dat"));
    struct rlimit saved {};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 1024;
    ::setrlimit(RLIMIT_FSIZE, &small);
    int err =
        ErrorOf([&] { fileio::WriteFileReplacing(Home("tavi.dat"), std::string(4096, 'n')); });
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(err, io_error::DiskFull);
    EXPECT_EQ(Content(Home("tavi.dat")), old);
    EXPECT_EQ(Content(Other("twin.dat")), old);
    EXPECT_EQ(Content(Home("tavi.bak")), old);
}

// The write that a child process makes stops after its first part: it then
// tells the parent (gPaused) and either dies or waits for the word (gGo).
int gPaused = -1;
int gGo = -1;
bool gDie = false;
int gWriteCalls = 0;
ssize_t StoppingWrite(int fd, const void* buf, size_t count) {
    if (gWriteCalls++ == 0) return ::write(fd, buf, count / 2);
    char c = 'p';
    (void)!::write(gPaused, &c, 1);
    if (gDie) ::raise(SIGKILL);
    (void)!::read(gGo, &c, 1);
    return ::write(fd, buf, count);
}

// A save in a child process, stopped part way through its write.
class StoppedSave {
public:
    StoppedSave(const std::string& path, const std::string& data, bool die) {
        int paused[2], go[2];
        if (::pipe(paused) != 0 || ::pipe(go) != 0) return;
        FPid = ::fork();
        if (FPid == 0) {
            gPaused = paused[1];
            gGo = go[0];
            gDie = die;
            fileio::testing::SetWriteFunction(StoppingWrite);
            int err = ErrorOf([&] { fileio::WriteFileReplacing(path, data); });
            ::_exit(err);
        }
        ::close(paused[1]);
        ::close(go[0]);
        FGo = go[1];
        char c;
        FStopped = ::read(paused[0], &c, 1) == 1;
        ::close(paused[0]);
    }
    bool Stopped() const { return FStopped; }
    // Lets the save go on; answers its I/O error code (0: saved; -1: killed).
    int Finish() {
        char c = 'g';
        // A killed save reads nothing any more.
        auto oldHandler = std::signal(SIGPIPE, SIG_IGN);
        (void)!::write(FGo, &c, 1);
        std::signal(SIGPIPE, oldHandler);
        ::close(FGo);
        int status = 0;
        ::waitpid(FPid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    pid_t FPid = -1;
    int FGo = -1;
    bool FStopped = false;
};

// A save in a child process; Done says whether it has ended.
class BackgroundSave {
public:
    BackgroundSave(const std::string& path, const std::string& data) {
        FPid = ::fork();
        if (FPid == 0) ::_exit(ErrorOf([&] { fileio::WriteFileReplacing(path, data); }));
    }
    bool Done() {
        if (FEnded) return true;
        int status = 0;
        if (::waitpid(FPid, &status, WNOHANG) != FPid) return false;
        FEnded = true;
        FCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return true;
    }
    int Wait() {
        while (!Done())
            ::usleep(1000);
        return FCode;
    }

private:
    pid_t FPid = -1;
    bool FEnded = false;
    int FCode = -1;
};

TEST_F(FileWriteTest, TemporaryOfAKilledSaveIsRemovedByTheNextSaveAndNothingElse) {
    WriteText(Home("tavi.dat"), "old");
    StoppedSave killed(Home("tavi.dat"), std::string(10000, 'k'), true);
    ASSERT_TRUE(killed.Stopped());
    EXPECT_EQ(killed.Finish(), -1);
    EXPECT_EQ(Content(Home("tavi.dat")), "old");
    ASSERT_EQ(Temporaries(dir.File("home")).size(), 1u);

    // Names of other files, or not of the pattern, are no business of a save.
    const std::vector<std::string> others = {"tavi.dat.tmp-12345", "tavi.dat.tmp-ABCDEFG",
                                             "kex.ini.tmp-AbCdEf", "tavi.dat.tmp-AbCdEf.x"};
    for (const auto& name : others)
        WriteText(Home(name), "keep");
    fileio::WriteFileReplacing(Home("tavi.dat"), "new");
    EXPECT_EQ(Content(Home("tavi.dat")), "new");
    auto left = Temporaries(dir.File("home"));
    std::sort(left.begin(), left.end());
    auto want = others;
    std::sort(want.begin(), want.end());
    EXPECT_EQ(left, want);
}

TEST_F(FileWriteTest, ASaveWaitsForARunningOneAndLeavesItsTemporaryAlone) {
    WriteText(Home("tavi.dat"), "old");
    StoppedSave first(Home("tavi.dat"), "first", false);
    ASSERT_TRUE(first.Stopped());
    ASSERT_EQ(Temporaries(dir.File("home")).size(), 1u);

    BackgroundSave second(Home("tavi.dat"), "second");
    ::usleep(300 * 1000);
    EXPECT_FALSE(second.Done()) << "the second save did not wait for the first";
    EXPECT_EQ(Temporaries(dir.File("home")).size(), 1u);

    EXPECT_EQ(first.Finish(), 0);
    EXPECT_EQ(second.Wait(), 0);
    EXPECT_EQ(Content(Home("tavi.dat")), "second");
    EXPECT_TRUE(Temporaries(dir.File("home")).empty());
}

TEST_F(FileWriteTest, TemporaryOfARunningFirstSaveIsLeftAlone) {
    // Before the first save there is no file to lock: the temporary's own
    // lock keeps it.
    StoppedSave first(Home("tavi.dat"), "first", false);
    ASSERT_TRUE(first.Stopped());
    fileio::WriteFileReplacing(Home("tavi.dat"), "second");
    EXPECT_EQ(Temporaries(dir.File("home")).size(), 1u);
    EXPECT_EQ(first.Finish(), 0);
    EXPECT_EQ(Content(Home("tavi.dat")), "first");
    EXPECT_TRUE(Temporaries(dir.File("home")).empty());
}

TEST_F(FileWriteTest, ABatchKeepsTheRulesForManyFilesInOneFolder) {
    // A killed save's temporary, listed when the batch begins, still goes;
    // the other names stay; a link in the batch's folder is refused, not
    // followed, while one in another folder is followed as usual.
    StoppedSave killed(Home("card.vcf"), "partial", true);
    ASSERT_TRUE(killed.Stopped());
    EXPECT_EQ(killed.Finish(), -1);
    WriteText(Home("card.vcf.tmp-12345"), "keep");
    WriteText(Other("real.vcf"), "old");
    fs::create_symlink(Other("real.vcf"), Home("linked.vcf"));
    {
        fileio::TWriteBatch batch(dir.File("home") + "/");
        fileio::TWriteBatch nested(dir.File("other") + "/"); // ignored while one lives
        for (int i = 0; i < 50; ++i)
            fileio::WriteFileReplacing(Home("card" + std::to_string(i) + ".vcf"), "card");
        fileio::WriteFileReplacing(Home("card.vcf"), "whole");
        EXPECT_EQ(ErrorOf([&] { fileio::WriteFileReplacing(Home("linked.vcf"), "new"); }),
                  io_error::AccessDenied);
        fileio::WriteFileReplacing(Other("plain.vcf"), "other folder");
    }
    EXPECT_EQ(Content(Home("card.vcf")), "whole");
    EXPECT_EQ(Content(Home("card49.vcf")), "card");
    EXPECT_TRUE(fs::is_symlink(Home("linked.vcf")));
    EXPECT_EQ(Content(Other("real.vcf")), "old");
    EXPECT_EQ(Content(Other("plain.vcf")), "other folder");
    EXPECT_EQ(Temporaries(dir.File("home")), std::vector<std::string>{"card.vcf.tmp-12345"});
}

} // namespace
