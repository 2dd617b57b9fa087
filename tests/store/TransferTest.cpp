#include "store/Transfer.h"

#include "store/DataFile.h"
#include "store/KexObject.h"
#include "store/ObjectFactory.h"
#include "store/TextWriter.h"
#include "store/TreeNodes.h"
#include "support/TestServices.h"

#include <gtest/gtest.h>

namespace {

class TransferTest : public ::testing::Test {
protected:
    TTestServices svc;
    TTreeNodes tree;
    TTreeNode* root = CreateRoot(tree);

    TTreeNode* Folder(TTreeNode* parent, const std::string& title, uint32_t cats = 0) {
        TTreeNode* n = CreateObject(kindFolder, title, "", "", parent, "", 0).Node;
        n->Data()->SetCategories(cats);
        return n;
    }
    TKexObject* Item(TTreeNode* owner, const std::string& title, uint32_t cats = 0) {
        TKexObject* r = CreateObject(kindPhone, title, "t", "c", owner, "{Phon}~~0", 0).Object;
        r->SetCategories(cats);
        return r;
    }
};

TEST_F(TransferTest, CopiedDetailItemPastesWithSameFieldsAndId) {
    TTreeNode* a = Folder(root, "A");
    TTreeNode* b = Folder(root, "B");
    TKexObject* item = Item(a, "Note", 6);
    item->CopyToClipboard();
    ASSERT_TRUE(svc.Clipboard.Data.Private);
    EXPECT_EQ(*svc.Clipboard.Data.Private, item->RecordLine(1) + "\r\n{Phon}~~6");
    EXPECT_EQ(svc.Clipboard.Data.Plain, "t");

    ASSERT_TRUE(transfer::Paste(b));
    ASSERT_EQ(b->Data()->ItemCount(), 1);
    TKexObject* copy = b->Data()->GetItem(0);
    EXPECT_EQ(copy->GetTitle(), "Note");
    EXPECT_EQ(copy->GetTarget(), "t");
    EXPECT_EQ(copy->GetComment(), "c");
    EXPECT_EQ(copy->GetObjectId(), item->GetObjectId());
    EXPECT_EQ(copy->GetNode(), b);
}

TEST_F(TransferTest, TreeCopyKeepsCategoriesButExportedFilesDropThoseOfTreeRecords) {
    TTreeNode* a = Folder(root, "A", 3);
    TTreeNode* sub = Folder(a, "Sub", 5);
    Item(sub, "Item", 9);
    TTreeNode* target = Folder(root, "Target");
    transfer::CopyNode(a, {});
    ASSERT_TRUE(transfer::Paste(target));
    ASSERT_EQ(target->Count(), 1);
    TTreeNode* copy = target->Child(0);
    EXPECT_EQ(copy->Text(), "A");
    EXPECT_EQ(copy->Data()->GetCategories(), 3u);
    EXPECT_EQ(copy->Child(0)->Data()->GetCategories(), 5u);
    EXPECT_EQ(copy->Child(0)->Data()->GetItem(0)->GetCategories(), 9u);

    // A transfer file for other people carries no categories on tree records;
    // detail items keep theirs.
    WriteSubtree(a, "out.tvd");
    TTreeNode* other = Folder(root, "Other");
    LoadTransferFile(other, "out.tvd");
    TTreeNode* read = other->Child(0);
    EXPECT_EQ(read->Data()->GetCategories(), 0u);
    EXPECT_EQ(read->Child(0)->Data()->GetCategories(), 0u);
    EXPECT_EQ(read->Child(0)->Data()->GetItem(0)->GetCategories(), 9u);
    EXPECT_EQ(a->Data()->GetCategories(), 3u);
}

TEST_F(TransferTest, ListCopyCarriesGrandchildrenOfTheLastChildAndKeepsCategories) {
    TTreeNode* org = Folder(root, "Org", 2);
    Folder(org, "Team1");
    TTreeNode* team2 = Folder(org, "Team2");
    TTreeNode* person = Folder(team2, "Person", 4);
    Item(person, "Phone");
    TTreeNode* loose = Folder(root, "Loose");
    TKexObject* note = Item(loose, "Note", 1);

    TTextWriter f;
    transfer::WriteListSelection(f, {org->Data(), note});
    TTreeNode* target = Folder(root, "Target");
    ReadTransferText(target, f.Text(), "clipdata.dat");
    ASSERT_EQ(target->Count(), 1);
    TTreeNode* copy = target->Child(0);
    EXPECT_EQ(copy->Data()->GetCategories(), 2u);
    ASSERT_EQ(copy->Count(), 2);
    ASSERT_EQ(copy->Child(1)->Count(), 1);
    EXPECT_EQ(copy->Child(1)->Child(0)->Data()->GetCategories(), 4u);
    EXPECT_EQ(copy->Child(1)->Child(0)->Data()->ItemCount(), 1);
    // The detail item at level 1 lands in the node pasted into.
    EXPECT_EQ(target->Data()->ItemCount(), 1);
    EXPECT_EQ(target->Data()->GetItem(0)->GetCategories(), 1u);
}

TEST_F(TransferTest, PasteWithoutTransferTextDoesNothing) {
    EXPECT_FALSE(transfer::Paste(root));
    svc.Clipboard.Data.Private = "";
    EXPECT_FALSE(transfer::Paste(root));
    EXPECT_EQ(tree.Count(), 1);
}

TEST_F(TransferTest, PastedTextWithoutFinalLineEndKeepsItsLastLine) {
    svc.Clipboard.Data.Private = "{1 0 }Z~~~~~~1\r\n{Fold}7";
    ASSERT_TRUE(transfer::Paste(root));
    ASSERT_EQ(root->Count(), 1);
    EXPECT_EQ(root->Child(0)->Data()->GetCategories(), 7u);
}

TEST_F(TransferTest, PasteSortsTheChildrenOfTheTarget) {
    Folder(root, "m");
    svc.Clipboard.Data.Private = "{1 0 }b~~~~~~1\r\n{Fold}0\r\n{1 0 }A~~~~~~2\r\n{Fold}0\r\n";
    transfer::Paste(root);
    EXPECT_EQ(root->Child(0)->Text(), "A");
    EXPECT_EQ(root->Child(1)->Text(), "b");
    EXPECT_EQ(root->Child(2)->Text(), "m");
}

TEST_F(TransferTest, TransferFileNamesAreCheckedByExtensionOrExactScratchName) {
    const char* text = "{1 0 }T~~~~~~1\r\n{Fold}0\r\n";
    for (const char* name :
         {"a.tvd", "b.TVD", "c.Tvd", "clipdata.dat", "d.tvd.bak", "CLIPDATA.DAT"})
        WriteText(svc.File(name), text);
    for (const char* name : {"a.tvd", "b.TVD", "c.Tvd", "clipdata.dat"})
        LoadTransferFile(root, name);
    EXPECT_EQ(root->Count(), 4);
    LoadTransferFile(root, "d.tvd.bak");
    LoadTransferFile(root, "CLIPDATA.DAT");
    LoadTransferFile(root, "missing.tvd");
    EXPECT_EQ(root->Count(), 4);
}

TEST_F(TransferTest, WrittenSubtreeStartsAtLevelOneAndReadsBackBelowAnotherNode) {
    TTreeNode* a = Folder(root, "A");
    Item(Folder(a, "Child"), "Item");
    WriteSubtree(a, "out.tvd");
    std::string text = ReadText(svc.File("out.tvd"));
    EXPECT_EQ(text.rfind("{1 0 }A~~", 0), 0u) << text;
    TTreeNode* other = Folder(root, "Other");
    LoadTransferFile(other, "out.tvd");
    ASSERT_EQ(other->Count(), 1);
    EXPECT_EQ(other->Child(0)->Child(0)->Data()->ItemCount(), 1);
}

TEST_F(TransferTest, SubtreeExportLeavesOutFilteredRecordsButVisitsTheirChildren) {
    TTreeNode* a = Folder(root, "A", 1);
    TTreeNode* hidden = Folder(a, "Hidden", 2);
    Folder(hidden, "Shown", 1);
    TFilterState any;
    any.FilterBtn1Down = true;
    any.CategoryMask = 1;
    TSubtreeWrite how;
    how.Filter = any;
    WriteSubtree(a, "out.tvd", how);
    std::string text = ReadText(svc.File("out.tvd"));
    EXPECT_NE(text.find("}A~~"), std::string::npos);
    EXPECT_EQ(text.find("}Hidden~~"), std::string::npos);
    EXPECT_NE(text.find("{3 0 }Shown~~"), std::string::npos);
}

TEST_F(TransferTest, CsvExportWritesQuotedHeaderAndOneRowPerMatchingRecord) {
    TTreeNode* a = Folder(root, "A");
    Item(a, "one");
    Item(a, "two, \"quoted\"");
    TCsvExport csv{{"Title", "Phone Number", "Extension", "6"}, true};
    TSubtreeWrite how;
    how.Csv = &csv;
    WriteSubtree(a, "out.csv", how);
    EXPECT_EQ(ReadText(svc.File("out.csv")),
              "Title,\"Phone Number\",Extension\r\n\"one\",\"t\",\"\"\r\n"
              "\"two, \"\"quoted\"\"\",\"t\",\"\"\r\n");
}

} // namespace
