#include "store/DataFile.h"

#include "platform/Errors.h"
#include "store/ContactStore.h"
#include "store/KexObject.h"
#include "store/ObjectFactory.h"
#include "store/TreeNodes.h"
#include "support/TestServices.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

const std::string kExample = "{Params}\r\n{0 11 }My Contacts~~~~~~32892645\r\n"
                             "{1 0 }Friends~~~~~~18542\r\n{Fold}0\r\n"
                             "{2 6 }Home~~555 0100~~evenings~~99120\r\n{Phon}~~0\r\n"
                             "{2 2 }Sales~~~~~~70311\r\n{Team}0\r\n";

class DataFileTest : public ::testing::Test {
protected:
    TTestServices svc;
    TContactStore doc;
    TTreeNodes& tree = doc.Tree();
    TTreeNode* root = doc.Root();

    void Load(const std::string& text) {
        WriteText(svc.File("tavi.dat"), text);
        doc.Load();
    }
    std::string Saved() {
        doc.Save();
        return ReadText(svc.File("tavi.dat"));
    }
};

TEST_F(DataFileTest, ExampleFileSurvivesLoadAndSaveByteForByte) {
    Load(kExample);
    EXPECT_EQ(tree.Count(), 3);
    ASSERT_EQ(root->Count(), 1);
    TTreeNode* friends = root->Child(0);
    EXPECT_EQ(friends->Text(), "Friends");
    EXPECT_EQ(friends->Data()->GetObjectId(), 18542);
    ASSERT_EQ(friends->Data()->ItemCount(), 1);
    EXPECT_EQ(friends->Data()->GetItem(0)->GetTarget(), "555 0100");
    EXPECT_EQ(friends->Child(0)->Text(), "Sales");
    EXPECT_EQ(Saved(), kExample);
}

TEST_F(DataFileTest, MissingOrEmptyFileGivesTheRootOnly) {
    doc.Load();
    EXPECT_EQ(tree.Count(), 1);
    Load("");
    EXPECT_EQ(tree.Count(), 1);
    EXPECT_EQ(Saved(), "{Params}\r\n{0 11 }My Contacts~~~~~~32892645\r\n");
}

TEST_F(DataFileTest, FileWithoutHeaderLosesOnlyTheRootLine) {
    Load("{0 11 }My Contacts~~~~~~32892645\r\n{1 0 }A~~~~~~5\r\n{Fold}0\r\n");
    ASSERT_EQ(root->Count(), 1);
    EXPECT_EQ(root->Child(0)->Text(), "A");
}

TEST_F(DataFileTest, PhoneAtLevelOneBecomesAnItemOfTheRoot) {
    Load("{Params}\r\n{1 6 }Home~~555~~~~5\r\n{Phon}~~0\r\n");
    ASSERT_EQ(root->Data()->ItemCount(), 1);
    EXPECT_EQ(root->Data()->GetItem(0)->GetObjectId(), 5);
    EXPECT_EQ(root->Data()->GetItem(0)->GetNode(), root);
}

TEST_F(DataFileTest, LevelJumpMakesChildOfLastTreeRecord) {
    Load("{Params}\r\n{1 0 }A~~~~~~1\r\n{Fold}0\r\n{1 0 }B~~~~~~2\r\n{Fold}0\r\n"
         "{3 2 }Deep~~~~~~3\r\n{Team}0\r\n{2 6 }P~~1~~~~4\r\n{Phon}~~0\r\n");
    TTreeNode* b = root->Child(1);
    ASSERT_EQ(b->Count(), 1);
    EXPECT_EQ(b->Child(0)->Text(), "Deep");
    // The jump left the level count one ahead of the tree, so the level-2
    // phone after it lands one level higher, with the root.
    EXPECT_EQ(b->Child(0)->Data()->ItemCount(), 0);
    EXPECT_EQ(root->Data()->ItemCount(), 1);
}

TEST_F(DataFileTest, IdWithoutDigitsDrawsRandomId) {
    svc.Random.Values = {3, 5};
    Load("{Params}\r\n{1 0 }A~~~~~~x\r\n{Fold}0\r\n");
    EXPECT_EQ(root->Child(0)->Data()->GetObjectId(), 15);
    EXPECT_EQ(svc.Random.Calls, (std::vector<int>{65535, 32768}));
}

struct BadFileCase {
    const char* Name;
    std::string Text;
    int Line;
    int NodesKept;
};

void PrintTo(const BadFileCase& c, std::ostream* os) {
    *os << c.Name;
}

class DataFileErrors : public DataFileTest, public ::testing::WithParamInterface<BadFileCase> {};

TEST_P(DataFileErrors, StopsWithInvalidNumericInputAtTheLineAndKeepsWhatWasRead) {
    const auto& c = GetParam();
    WriteText(svc.File("tavi.dat"), c.Text);
    try {
        doc.Load();
        FAIL() << "no error raised";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.ErrorCode(), 106);
        EXPECT_STREQ(e.what(), "Invalid numeric input");
        EXPECT_EQ(e.Line(), c.Line);
        EXPECT_EQ(e.Where(), "tavi.dat:" + std::to_string(c.Line) + ": Invalid numeric input");
    }
    EXPECT_EQ(tree.Count(), c.NodesKept);
    EXPECT_FALSE(tree.Updating());
    EXPECT_FALSE(doc.Updating());
    EXPECT_TRUE(doc.Incomplete());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DataFileErrors,
    ::testing::Values(
        BadFileCase{
            "TextLine",
            "{Params}\r\n{1 0 }A~~~~~~1\r\n{Fold}0\r\nhello world\r\n{1 0 }B~~~~~~2\r\n{Fold}0\r\n",
            4, 2},
        BadFileCase{"EmptyLineBeforeRecord",
                    "{Params}\r\n{1 0 }A~~~~~~1\r\n{Fold}0\r\n\r\n{1 0 }B~~~~~~2\r\n{Fold}0\r\n", 5,
                    2},
        BadFileCase{"ClassLineWhereRecordExpected",
                    "{Params}\r\n{1 0 }A~~~~~~1\r\n{Fold}0\r\n{Fold}0\r\n", 4, 2},
        BadFileCase{"NoBlankBeforeBrace", "{Params}\r\n{1 0}A~~~~~~1\r\n{Fold}0\r\n", 2, 1}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(DataFileTest, HarmlessOddities) {
    // A line of the right shape that does not start with "{" is skipped, and
    // empty lines at the end are harmless.
    Load("{Params}\r\n{1 0 }A~~~~~~1\r\n{Fold}0\r\n(1 0 }Skipped\r\n{1 0 "
         "}B~~~~~~2\r\n{Fold}0\r\n\r\n\r\n");
    EXPECT_EQ(tree.Count(), 3);
}

TEST_F(DataFileTest, LineFeedOnlyFileLoads) {
    Load("{Params}\n{0 11 }My Contacts~~~~~~32892645\n{1 0 }A~~~~~~1\n{Fold}0\n");
    EXPECT_EQ(tree.Count(), 2);
}

TEST_F(DataFileTest, KindsWithoutClassOfTheirOwnKeepTheirClassLineVerbatim) {
    const std::string text = "{Params}\r\n{0 11 }My Contacts~~~~~~32892645\r\n"
                             "{1 13 }Future~~t~~c~~77\r\n{Futr}whatever~~it~~holds\r\n"
                             "{1 0 }F~~~~~~1\r\n{Fold}4\r\n";
    Load(text);
    EXPECT_EQ(Saved(), text);
}

TEST_F(DataFileTest, RecordAboveTheTopOfADamagedFileAttachesToTheRoot) {
    Load("{Params}\r\n{0 11 }My Contacts~~~~~~32892645\r\n{0 0 }Stray~~~~~~1\r\n{Fold}0\r\n"
         "{0 6 }Phone~~1~~~~2\r\n{Phon}~~0\r\n");
    ASSERT_EQ(root->Count(), 1);
    EXPECT_EQ(root->Child(0)->Text(), "Stray");
    EXPECT_EQ(root->Data()->ItemCount(), 1);
    EXPECT_EQ(tree.TopCount(), 1);
}

TEST_F(DataFileTest, FailedLoadKeepsTheFileAsBackupAtTheNextSave) {
    const std::string damaged =
        "{Params}\r\n{1 0 }A~~~~~~1\r\n{Fold}0\r\ngarbage\r\n{1 0 }B~~~~~~2\r\n{Fold}0\r\n";
    WriteText(svc.File("tavi.dat"), damaged);
    EXPECT_THROW(doc.Load(), EInOutError);
    doc.Save();
    EXPECT_EQ(ReadText(svc.File("tavi.bak")), damaged);
    // Only the first save after the failed load keeps a copy.
    WriteText(svc.File("tavi.bak"), "older");
    doc.Save();
    EXPECT_EQ(ReadText(svc.File("tavi.bak")), "older");
}

TEST_F(DataFileTest, SaveThatFailsPartWayKeepsTheOldFileWhole) {
    Load(kExample);
    root->Child(0)->Data()->SetComment(std::string(4096, 'x'));
    // A file-size limit makes the write fail part way, as a full disk would.
    struct rlimit old {};
    ::getrlimit(RLIMIT_FSIZE, &old);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 1024;
    ::setrlimit(RLIMIT_FSIZE, &small);
    bool raised = false;
    try {
        doc.Save();
    } catch (const EInOutError& e) {
        raised = e.ErrorCode() == io_error::DiskFull;
    }
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_TRUE(raised);
    EXPECT_EQ(ReadText(svc.File("tavi.dat")), kExample);
    // No temporary file is left behind.
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(svc.Home.Path())) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 1);
}

TEST_F(DataFileTest, WriteToFullDeviceRaisesDiskFull) {
    Load(kExample);
    try {
        WriteSubtree(root, "/dev/full");
        FAIL() << "no error raised";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.ErrorCode(), 101);
        EXPECT_STREQ(e.what(), "Disk full");
    }
}

} // namespace
