// Saves into the folder of a write batch (a published site): names taken as
// they are, new files written straight, unchanged files left alone, and a
// failed write never leaving a file half written under its name.
#include "platform/Errors.h"
#include "platform/FileIO.h"
#include "support/OtherUser.h"
#include "support/TestServices.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct stat LinkStat(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) st.st_ino = 0;
    return st;
}

std::string Content(const std::string& path) {
    return fileio::TryReadFile(path).value_or("<none>");
}

bool HasTemporaries(const std::string& folder) {
    for (const auto& e : fs::directory_iterator(folder))
        if (e.path().filename().string().find(".tmp-") != std::string::npos) return true;
    return false;
}

// The save's I/O error code (0 when none), checking that an error names path.
int SaveError(const std::string& path, const std::string& data) {
    try {
        fileio::WriteFileReplacing(path, data);
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.FileName(), path);
        return e.ErrorCode();
    }
    return 0;
}

class WriteBatchTest : public ::testing::Test {
public:
    WriteBatchTest() {
        fs::create_directory(dir.File("home"));
        fs::create_directory(dir.File("other"));
    }
    ~WriteBatchTest() override { fileio::testing::SetWriteFunction(nullptr); }
    std::string Home(const std::string& name) const { return dir.File("home/" + name); }
    std::string Other(const std::string& name) const { return dir.File("other/" + name); }
    std::string HomeFolder() const { return dir.File("home") + "/"; }

    TTempDir dir;
};

// --- what is in the way of "home/card.vcf" ------------------------------------------------------

struct InTheWayCase {
    const char* Name;
    void (*Setup)(WriteBatchTest&);
    int Error;             // 0 when the card is written
    bool SameEntry;        // the name still stands for what it stood for before
    const char* Elsewhere; // what "other/real.vcf" holds afterwards
};

void PrintTo(const InTheWayCase& c, std::ostream* os) {
    *os << c.Name;
}

class InTheWay : public WriteBatchTest, public ::testing::WithParamInterface<InTheWayCase> {};

TEST_P(InTheWay, NothingOutsideTheFolderIsWrittenAndRefusalsChangeNothing) {
    const InTheWayCase& c = GetParam();
    c.Setup(*this);
    const struct stat before = LinkStat(Home("card.vcf"));
    const std::string old = Content(Home("card.vcf"));
    int err;
    {
        fileio::TWriteBatch batch(HomeFolder());
        err = SaveError(Home("card.vcf"), "new");
    }
    const struct stat after = LinkStat(Home("card.vcf"));
    EXPECT_EQ(err, c.Error);
    EXPECT_EQ(Content(Home("card.vcf")), c.Error ? old : "new");
    EXPECT_EQ(after.st_ino == before.st_ino, c.SameEntry);
    EXPECT_EQ(after.st_mode & S_IFMT, before.st_ino ? before.st_mode & S_IFMT : S_IFREG);
    if (!c.Error && before.st_ino) {
        EXPECT_EQ(after.st_mode & 07777, before.st_mode & 07777);
    }
    EXPECT_EQ(Content(Other("real.vcf")), c.Elsewhere);
    EXPECT_FALSE(fs::exists(Home("card.bak")));
    EXPECT_FALSE(HasTemporaries(dir.File("home")));
}

INSTANTIATE_TEST_SUITE_P(
    Table, InTheWay,
    ::testing::Values(
        InTheWayCase{"Nothing", [](WriteBatchTest&) {}, 0, false, "<none>"},
        InTheWayCase{"FileWithOtherContent",
                     [](WriteBatchTest& t) {
                         WriteText(t.Home("card.vcf"), "old card");
                         ::chmod(t.Home("card.vcf").c_str(), 0604);
                     },
                     0, false, "<none>"},
        InTheWayCase{"FileHoldingTheData",
                     [](WriteBatchTest& t) { WriteText(t.Home("card.vcf"), "new"); }, 0, true,
                     "<none>"},
        InTheWayCase{"LinkToAFileElsewhere",
                     [](WriteBatchTest& t) {
                         WriteText(t.Other("real.vcf"), "old");
                         fs::create_symlink(t.Other("real.vcf"), t.Home("card.vcf"));
                     },
                     io_error::AccessDenied, true, "old"},
        InTheWayCase{
            "LinkToAFileNotThereYet",
            [](WriteBatchTest& t) { fs::create_symlink(t.Other("real.vcf"), t.Home("card.vcf")); },
            io_error::AccessDenied, true, "<none>"},
        InTheWayCase{"HardLinkToAFileElsewhere",
                     [](WriteBatchTest& t) {
                         WriteText(t.Other("real.vcf"), "old");
                         fs::create_hard_link(t.Other("real.vcf"), t.Home("card.vcf"));
                     },
                     0, false, "old"},
        InTheWayCase{"Folder", [](WriteBatchTest& t) { fs::create_directory(t.Home("card.vcf")); },
                     io_error::AccessDenied, true, "<none>"},
        InTheWayCase{"ReadOnlyFile",
                     [](WriteBatchTest& t) {
                         WriteText(t.Home("card.vcf"), "old");
                         ::chmod(t.Home("card.vcf").c_str(), 0444);
                     },
                     io_error::AccessDenied, true, "<none>"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(WriteBatchTest, AnUnchangedFileIsNotTouchedAndANewOneFollowsTheUmask) {
    WriteText(Home("same.vcf"), "card");
    const struct timespec times[2] = {{1000000000, 0}, {1000000000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, Home("same.vcf").c_str(), times, 0), 0);
    const mode_t mask = ::umask(027);
    {
        fileio::TWriteBatch batch(HomeFolder());
        fileio::WriteFileReplacing(Home("same.vcf"), "card");
        EXPECT_EQ(LinkStat(Home("same.vcf")).st_mtim.tv_sec, 1000000000);
        fileio::WriteFileReplacing(Home("fresh.vcf"), "card");
        // Same length, other bytes: compared, not only measured.
        fileio::WriteFileReplacing(Home("same.vcf"), "CARD");
    }
    ::umask(mask);
    EXPECT_EQ(LinkStat(Home("fresh.vcf")).st_mode & 0777, 0640u);
    EXPECT_EQ(Content(Home("fresh.vcf")), "card");
    EXPECT_EQ(Content(Home("same.vcf")), "CARD");
}

TEST_F(WriteBatchTest, TheRulesHoldOnlyInTheFolderAndWhileTheBatchLives) {
    WriteText(Other("real.vcf"), "old");
    fs::create_symlink(Other("real.vcf"), Other("linked.vcf"));
    fs::create_symlink(Other("real.vcf"), Home("linked.vcf"));
    {
        fileio::TWriteBatch batch(HomeFolder());
        // The same folder named another way is still the batch's.
        EXPECT_EQ(SaveError(dir.File("other/../home/linked.vcf"), "x"), io_error::AccessDenied);
        fileio::WriteFileReplacing(Other("linked.vcf"), "from the other folder");
    }
    EXPECT_EQ(Content(Other("real.vcf")), "from the other folder");
    fileio::WriteFileReplacing(Home("linked.vcf"), "after the batch");
    EXPECT_TRUE(fs::is_symlink(Home("linked.vcf")));
    EXPECT_EQ(Content(Other("real.vcf")), "after the batch");
}

// --- writes that fail ---------------------------------------------------------------------------

// Writes half of the first piece, then finds the disk full.
int gWrites = 0;
ssize_t FillingWrite(int fd, const void* buf, size_t count) {
    if (gWrites++ == 0) return ::write(fd, buf, count / 2);
    errno = ENOSPC;
    return -1;
}

TEST_F(WriteBatchTest, AWriteFailingPartWayLeavesNothingHalfWrittenUnderTheName) {
    WriteText(Home("old.vcf"), "the old card");
    for (const char* name : {"new.vcf", "old.vcf"}) {
        SCOPED_TRACE(name);
        const std::string before = Content(Home(name));
        gWrites = 0;
        fileio::testing::SetWriteFunction(FillingWrite);
        int err;
        {
            fileio::TWriteBatch batch(HomeFolder());
            err = SaveError(Home(name), std::string(5000, 'n'));
        }
        fileio::testing::SetWriteFunction(nullptr);
        EXPECT_EQ(err, io_error::DiskFull);
        EXPECT_GE(gWrites, 2) << "the write did not get under way";
        EXPECT_EQ(Content(Home(name)), before);
        EXPECT_FALSE(HasTemporaries(dir.File("home")));
    }
}

TEST_F(WriteBatchTest, AReadOnlyFolderRefusesNewFilesAndWritesExistingOnesInPlace) {
    otheruser::Give(dir.Path());
    otheruser::Give(dir.File("home"));
    WriteText(Home("old.vcf"), "old");
    otheruser::Give(Home("old.vcf"));
    // In place, a file with another name elsewhere would be written through.
    WriteText(Other("real.vcf"), "old");
    otheruser::Give(Other("real.vcf"));
    fs::create_hard_link(Other("real.vcf"), Home("linked.vcf"));
    const ino_t ino = LinkStat(Home("old.vcf")).st_ino;
    ::chmod(dir.File("home").c_str(), 0555);
    const std::string result = otheruser::Run([&]() -> std::string {
        fileio::TWriteBatch batch(HomeFolder());
        if (int err = SaveError(Home("new.vcf"), "new"); err != io_error::AccessDenied)
            return "new file: error " + std::to_string(err);
        if (int err = SaveError(Home("old.vcf"), "new"); err != 0)
            return "existing file: error " + std::to_string(err);
        if (int err = SaveError(Home("linked.vcf"), "new"); err != io_error::AccessDenied)
            return "hard-linked file: error " + std::to_string(err);
        return "";
    });
    ::chmod(dir.File("home").c_str(), 0755);
    EXPECT_EQ(result, "");
    EXPECT_FALSE(fs::exists(Home("new.vcf")));
    EXPECT_EQ(Content(Home("old.vcf")), "new");
    EXPECT_EQ(LinkStat(Home("old.vcf")).st_ino, ino);
    EXPECT_EQ(Content(Other("real.vcf")), "old");
}

} // namespace
