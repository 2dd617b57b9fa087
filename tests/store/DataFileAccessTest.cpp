// A data file that is there but cannot be read is an error, never an empty
// tree, and nothing is written over it.
#include "platform/Errors.h"
#include "platform/FileIO.h"
#include "store/ContactStore.h"
#include "store/DataFile.h"
#include "store/KexObject.h"
#include "store/ObjectFactory.h"
#include "store/TextReader.h"
#include "store/TreeNodes.h"
#include "support/OtherUser.h"
#include "support/TestServices.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

const std::string kData = "{Params}\r\n{0 11 }My Contacts~~~~~~32892645\r\n"
                          "{1 0 }Friends~~~~~~18542\r\n{Fold}0\r\n";

int gReads = 0;
// A disk that fails after the first bytes of the file.
ssize_t FailingRead(int fd, void* buf, size_t count) {
    if (gReads++ == 0) return ::read(fd, buf, std::min<size_t>(count, 12));
    errno = EIO;
    return -1;
}

struct UnreadableCase {
    const char* Name;
    void (*Setup)(const TTestServices&);
    int Error;
    bool FileStays; // the file holds kData afterwards
};

void PrintTo(const UnreadableCase& c, std::ostream* os) {
    *os << c.Name;
}

class UnreadableDataFile : public ::testing::TestWithParam<UnreadableCase> {
protected:
    ~UnreadableDataFile() override { fileio::testing::SetReadFunction(nullptr); }
    TTestServices svc;
    TContactStore doc;
    TTreeNodes& tree = doc.Tree();
};

TEST_P(UnreadableDataFile, IsALoadErrorWithTheFileNameAndTheNextSaveWritesNothing) {
    const UnreadableCase& c = GetParam();
    c.Setup(svc);
    gReads = 0;
    try {
        doc.Load();
        FAIL() << "no error raised";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.ErrorCode(), c.Error);
        EXPECT_EQ(e.FileName(), svc.File("tavi.dat"));
    }
    EXPECT_EQ(tree.Count(), 1);
    EXPECT_FALSE(tree.Updating());

    EXPECT_TRUE(doc.Incomplete());
    EXPECT_THROW(doc.Save(), EInOutError);
    fileio::testing::SetReadFunction(nullptr);
    if (c.FileStays) {
        EXPECT_EQ(ReadText(svc.File("tavi.dat")), kData);
    }
    EXPECT_FALSE(fs::exists(svc.File("tavi.bak")));
}

INSTANTIATE_TEST_SUITE_P(
    Table, UnreadableDataFile,
    ::testing::Values(
        UnreadableCase{"Folder",
                       [](const TTestServices& s) { fs::create_directory(s.File("tavi.dat")); },
                       io_error::AccessDenied, false},
        UnreadableCase{"Pipe",
                       [](const TTestServices& s) { ::mkfifo(s.File("tavi.dat").c_str(), 0644); },
                       io_error::AccessDenied, false},
        UnreadableCase{
            "Device",
            [](const TTestServices& s) { fs::create_symlink("/dev/zero", s.File("tavi.dat")); },
            io_error::AccessDenied, false},
        UnreadableCase{"LinkToAMissingDisk",
                       [](const TTestServices& s) {
                           fs::create_symlink("/nonexistent-disk/tavi.dat", s.File("tavi.dat"));
                       },
                       io_error::FileNotFound, false},
        UnreadableCase{"ReadErrorPartWay",
                       [](const TTestServices& s) {
                           WriteText(s.File("tavi.dat"), kData);
                           fileio::testing::SetReadFunction(FailingRead);
                       },
                       io_error::DiskReadError, true}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(DataFileAccess, AfterAReadErrorTheFirstSaveThatCanReadTheFileKeepsIt) {
    TTestServices svc;
    TContactStore doc;
    WriteText(svc.File("tavi.dat"), kData);
    fileio::testing::SetReadFunction(FailingRead);
    gReads = 0;
    EXPECT_THROW(doc.Load(), EInOutError);
    fileio::testing::SetReadFunction(nullptr);
    doc.Save();
    EXPECT_EQ(ReadText(svc.File("tavi.bak")), kData);
}

// Revert to Saved on a file that became unreadable since: the error, and the
// session's records stay where they are for the user to save elsewhere.
TEST(DataFileAccess, RevertOnAFileThatCannotBeReadKeepsTheSessionsRecords) {
    TTestServices svc;
    TContactStore doc;
    WriteText(svc.File("tavi.dat"), kData);
    doc.Load();
    CreateObject(kindFolder, "Unsaved", "", "", doc.Root(), "{Fold}0", 0);
    fileio::testing::SetReadFunction(FailingRead);
    gReads = 0;
    EXPECT_THROW(doc.Revert(), EInOutError);
    fileio::testing::SetReadFunction(nullptr);
    EXPECT_EQ(doc.Tree().Count(), 3);
    EXPECT_FALSE(doc.Incomplete());

    fs::remove(svc.File("tavi.dat"));
    fs::create_directory(svc.File("tavi.dat"));
    EXPECT_THROW(doc.Revert(), EInOutError);
    EXPECT_EQ(doc.Tree().Count(), 3);
}

TEST(DataFileAccess, OnlyAMissingFileLoadsEmpty) {
    TTestServices svc;
    TContactStore doc;
    doc.Load();
    EXPECT_EQ(doc.Tree().Count(), 1);
    EXPECT_FALSE(doc.Incomplete());
    doc.Save();
    EXPECT_EQ(ReadText(svc.File("tavi.dat")), "{Params}\r\n{0 11 }My Contacts~~~~~~32892645\r\n");
}

TEST(DataFileAccess, AFileTheUserMayNotReadOrWriteIsNeitherLoadedNorReplaced) {
    if (!otheruser::RunningAsRoot()) GTEST_SKIP() << "needs root to make another user's file";
    TTestServices svc;
    otheruser::Give(svc.Home.Path());
    WriteText(svc.File("tavi.dat"), kData);
    ::chmod(svc.File("tavi.dat").c_str(), 0600);
    std::string result = otheruser::Run([&]() -> std::string {
        TContactStore doc;
        std::string out;
        for (auto step :
             {+[](TContactStore& d) { d.Load(); }, +[](TContactStore& d) { d.Save(); }}) {
            try {
                step(doc);
                out += "ok ";
            } catch (const EInOutError& e) {
                out += std::string(e.what()) + " ";
            }
        }
        return out;
    });
    EXPECT_EQ(result, "File access denied File access denied ");
    EXPECT_EQ(ReadText(svc.File("tavi.dat")), kData);
    EXPECT_FALSE(fs::exists(svc.File("tavi.bak")));
}

TEST(DataFileAccess, AReadOnlyFileIsNotReplaced) {
    TTestServices svc;
    TContactStore doc;
    WriteText(svc.File("tavi.dat"), kData);
    ::chmod(svc.File("tavi.dat").c_str(), 0444);
    doc.Load();
    doc.Root()->Child(0)->Data()->SetComment("changed");
    try {
        doc.Save();
        FAIL() << "no error raised";
    } catch (const EInOutError& e) {
        EXPECT_STREQ(e.what(), "File access denied");
    }
    EXPECT_EQ(ReadText(svc.File("tavi.dat")), kData);
}

// --- numbers in the file ---------------------------------------------------------------------

struct NumberCase {
    const char* Text;
    int64_t Value; // when Error is false
    bool Error;
};

class NumberReads : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberReads, HexadecimalOnlyWithTheDollarSign) {
    const NumberCase& c = GetParam();
    TTextReader f(c.Text, "tavi.dat");
    if (c.Error) {
        try {
            f.ReadInt();
            FAIL() << "no error for " << c.Text;
        } catch (const EInOutError& e) {
            EXPECT_EQ(e.ErrorCode(), io_error::InvalidNumericInput) << c.Text;
        }
    } else {
        EXPECT_EQ(f.ReadInt(), c.Value) << c.Text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, NumberReads,
    ::testing::Values(NumberCase{"17", 17, false}, NumberCase{"-17", -17, false},
                      NumberCase{"$1F", 31, false}, NumberCase{"$ff", 255, false},
                      NumberCase{"-$10", -16, false}, NumberCase{"$FFFFFFFF", -1, false},
                      NumberCase{"0x1", 0, true}, NumberCase{"0X1F", 0, true},
                      NumberCase{"$", 0, true}, NumberCase{"$1G", 0, true},
                      NumberCase{"1F", 0, true}));

} // namespace
