#include "store/KexObject.h"

#include "records/CategoryPopup.h"
#include "records/FolderEditDlg.h"
#include "records/TeamEditDlg.h"
#include "store/ContactStore.h"
#include "store/DataFile.h"
#include "store/FieldText.h"
#include "store/ObjectFactory.h"
#include "store/TextWriter.h"
#include "store/TreeNodes.h"
#include "support/TestServices.h"

#include <gtest/gtest.h>

namespace {

class KexObjectTest : public ::testing::Test {
protected:
    TTestServices svc;
    TTreeNodes tree;
    TTreeNode* root = CreateRoot(tree);

    TTreeNode* Folder(TTreeNode* parent, const std::string& title) {
        return CreateObject(kindFolder, title, "", "", parent, "", 0).Node;
    }
    TKexObject* Item(TTreeNode* owner, const std::string& title, uint8_t kind = 20) {
        return CreateObject(kind, title, "", "", owner, "", 0).Object;
    }
};

TEST(IsUrl, SchemesAndLength) {
    struct Case {
        const char* Text;
        bool Expected;
    } cases[] = {{"mailto:", false},
                 {"mailto:x", true},
                 {"http://", false},
                 {"http://a", true},
                 {"HTTP://A", true},
                 {"ftp:abcd", true},
                 {"file:///etc/passwd", false},
                 {"", false},
                 {"Gopher:xx", true},
                 {"https://a", true},
                 {"HTTPS:/x", true},
                 {"https:/", false}};
    for (const auto& c : cases)
        EXPECT_EQ(IsUrl(c.Text), c.Expected) << c.Text;
    EXPECT_TRUE(LooksLikeEmail("@"));
    EXPECT_FALSE(LooksLikeEmail("postmaster"));
}

TEST_F(KexObjectTest, FindItemMatchesExactTitleAndKindAmongItemsThenChildNodes) {
    TTreeNode* p = Folder(root, "P");
    TKexObject* phone = Item(p, "Home", kindPhone);
    Item(p, "", kindPhone);
    TTreeNode* site = CreateObject(kindWeb, "Site", "http://x", "", p, "", 0).Node;
    TKexObject* owner = p->Data();
    EXPECT_EQ(owner->FindItem("Home", kindPhone), phone);
    EXPECT_EQ(owner->FindItem("home", kindPhone), nullptr);
    EXPECT_EQ(owner->FindItem("Home", kindFax), nullptr);
    EXPECT_EQ(owner->FindItem("", kindPhone), nullptr);
    EXPECT_EQ(owner->FindItem("Site", kindWeb), site->Data());
}

TEST_F(KexObjectTest, FindItemByWordTestsOnlyTheFirstOccurrenceAtAWordStart) {
    TTreeNode* p = Folder(root, "P");
    Item(p, "Wholesale");
    Item(p, "Wholesale sales");
    TKexObject* head = Item(p, "Head Sales");
    EXPECT_EQ(p->Data()->FindItemByWord("sal"), head);
    TTreeNode* q = Folder(root, "Q");
    TKexObject* sales = Item(q, "sales");
    EXPECT_EQ(q->Data()->FindItemByWord("sal"), sales);
    TTreeNode* r = Folder(root, "R");
    Item(r, "Wholesale sales");
    EXPECT_EQ(r->Data()->FindItemByWord("sal"), nullptr);
}

TEST_F(KexObjectTest, FilterAnyAndAll) {
    TKexObject* r = Item(root, "x");
    TFilterState f;
    struct Case {
        bool Any, All;
        uint32_t Mask, Cats;
        bool Hidden;
    } cases[] = {
        {false, false, 0xFF, 0, false},
        {true, false, 0, 0, false},
        {true, false, 1, 2, true},
        {true, false, 3, 2, false},
        {true, false, 0x80000000u, 0x80000000u, false},
        {false, true, 0, 0, false},
        {false, true, 3, 1, true},
        {false, true, 3, 7, false},
    };
    for (const auto& c : cases) {
        f.FilterBtn1Down = c.Any;
        f.FilterBtn2Down = c.All;
        f.CategoryMask = c.Mask;
        r->SetCategories(c.Cats);
        EXPECT_EQ(r->IsFilteredOut(f), c.Hidden) << c.Mask << "/" << c.Cats;
    }
}

TEST_F(KexObjectTest, FillListViewSkipsFilteredItems) {
    TKexObject* a = Item(root, "a");
    a->SetCategories(1);
    Item(root, "b");
    TFilterState all;
    all.FilterBtn2Down = true;
    all.CategoryMask = 1;
    TListRows rows;
    root->Data()->FillListView(rows, all);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].Caption, "a");
    EXPECT_EQ(rows[0].Data, a);
}

TEST_F(KexObjectTest, DueMarksCountUpTheTreeButNeverOnTheRoot) {
    TTreeNode* f = Folder(root, "F");
    TTreeNode* p = Folder(f, "P");
    TKexObject* r1 = Item(p, "r1");
    TKexObject* r2 = Item(p, "r2");
    r1->SetDue(1);
    r2->SetDue(1);
    EXPECT_EQ(p->Data()->GetDueCount(), 2);
    EXPECT_EQ(f->Data()->GetDueCount(), 2);
    EXPECT_EQ(p->OverlayIndex(), 1);
    EXPECT_EQ(root->OverlayIndex(), -1);
    r1->SetDue(0);
    EXPECT_EQ(f->OverlayIndex(), 1);
    r2->SetDue(0);
    EXPECT_EQ(f->OverlayIndex(), -1);
    EXPECT_EQ(p->Data()->GetDueCount(), 0);

    // Deleting a due item, or the node holding it, drops the counts.
    r1->SetDue(1);
    p->Data()->DeleteItem(r1);
    EXPECT_EQ(f->Data()->GetDueCount(), 0);
    r2->SetDue(1);
    p->Delete();
    EXPECT_EQ(f->Data()->GetDueCount(), 0);
    EXPECT_EQ(f->OverlayIndex(), -1);
}

TEST_F(KexObjectTest, DueCountsFollowMovedItemsAndNodes) {
    TTreeNode* a = Folder(root, "A");
    TTreeNode* b = Folder(root, "B");
    TTreeNode* p = Folder(a, "P");
    TKexObject* r = Item(p, "r");
    r->SetDue(1);
    MoveItemTo(r, p->Data(), b);
    EXPECT_EQ(p->Data()->GetDueCount(), 0);
    EXPECT_EQ(a->Data()->GetDueCount(), 0);
    EXPECT_EQ(b->Data()->GetDueCount(), 1);
    MoveItemTo(r, b->Data(), p);
    ASSERT_TRUE(MoveNodeTo(p, b));
    EXPECT_EQ(a->Data()->GetDueCount(), 0);
    EXPECT_EQ(a->OverlayIndex(), -1);
    EXPECT_EQ(b->Data()->GetDueCount(), 1);
    EXPECT_EQ(p->Data()->GetDueCount(), 1);
}

TEST_F(KexObjectTest, ItemListOperations) {
    TKexObject* owner = root->Data();
    EXPECT_EQ(owner->GetItem(0), nullptr);
    TKexObject* a = Item(root, "a");
    TKexObject* b = Item(root, "b");
    EXPECT_EQ(owner->GetItem(-3), a);
    EXPECT_EQ(owner->GetItem(1), b);
    EXPECT_EQ(owner->GetItem(2), nullptr);
    TKexObject stranger(20, "s", "", "", 1);
    owner->DeleteItem(&stranger);
    EXPECT_EQ(owner->RemoveItem(&stranger), nullptr);
    EXPECT_EQ(owner->ItemCount(), 2);
}

TEST_F(KexObjectTest, UnsafeValuesNeverReachAStoredField) {
    TTreeNode* f = Folder(root, "F");
    TKexObject* r = f->Data();
    r->SetTitle("a~~b\r\nc~");
    r->SetTarget("x\ny");
    r->SetComment("~~~");
    for (const auto* v : {&r->GetTitle(), &r->GetTarget(), &r->GetComment()})
        EXPECT_TRUE(fieldtext::IsSafeField(*v)) << *v;
    EXPECT_EQ(r->GetTitle(), "a-~b c-");
    // Whatever was typed, the saved file reads back to the same record.
    SaveDataFile(tree, svc.File(kDataFileName));
    TContactStore again;
    TTreeNode* root2 = again.Root();
    again.Load();
    ASSERT_EQ(root2->Count(), 1);
    EXPECT_EQ(root2->Child(0)->Data()->GetTitle(), r->GetTitle());
    EXPECT_EQ(root2->Child(0)->Data()->GetComment(), r->GetComment());
}

TEST_F(KexObjectTest, BaseHtmlLineLeavesOutEmptyComment) {
    TKexObject* r = CreateObject(20, "T", "555", "", root, "", 0).Object;
    TTextWriter f;
    r->WriteHtmlContent(f, false);
    r->SetComment("c");
    r->WriteHtmlContent(f, false);
    EXPECT_EQ(f.Text(), "<em><strong>T</strong></em> 555<br>\r\n"
                        "<em><strong>T</strong></em> 555 - c<br>\r\n");
}

TEST_F(KexObjectTest, FolderAndTeamPublishTheirBlocks) {
    TTreeNode* f = Folder(root, "A&B");
    CreateObject(20, "I", "t", "", f, "", 0);
    TTreeNode* t = CreateObject(kindTeam, "<T>", "", "", root, "", 0).Node;
    t->Data()->SetComment("c");
    TTextWriter w;
    f->Data()->WriteHtmlContent(w, true);
    t->Data()->WriteHtmlContent(w, true);
    f->Data()->WriteHtmlIndex(w, "p.htm");
    t->Data()->WriteHtmlIndex(w, "p.htm");
    // Titles and comments come out as text; anchors are named by the records' ids.
    const std::string fa = "r" + std::to_string(f->Data()->GetObjectId());
    const std::string ta = "r" + std::to_string(t->Data()->GetObjectId());
    EXPECT_EQ(w.Text(),
              "<p><a name=\"" + fa + "\"><font size=4>A&amp;B</font></a><br>\r\n" +
                  "<blockquote>\r\n<em><strong>I</strong></em> t<br>\r\n</blockquote>\r\n" +
                  "<a name=\"" + ta + "\"><font size=4>&lt;T&gt;</font></a><br>\r\nc<br>\r\n" +
                  "<a href=\"p.htm#" + fa +
                  "\"><img src=\"folder.gif\" align=bottom border=0 hspace=5 "
                  "width=15 height=13>A&amp;B</a><br>\r\n" +
                  "<a href=\"p.htm#" + ta +
                  "\"><img src=\"team.gif\" align=bottom border=0 hspace=5 "
                  "width=16 height=16>&lt;T&gt;</a><br>\r\n");
}

TEST_F(KexObjectTest, ContainerClassLines) {
    struct Case {
        uint8_t Kind;
        const char* Line;
        uint32_t Cats;
        const char* Written;
    } cases[] = {
        {kindFolder, "{Fold}5", 5, "{Fold}5"},
        {kindFolder, "{Fold}-2147483648", 0x80000000u, "{Fold}-2147483648"},
        {kindFolder, "{Fold}x", 0, "{Fold}0"},
        {kindFolder, "{Team}5", 0, "{Fold}0"},
        {kindTeam, "{Team}12", 12, "{Team}12"},
        {kindTeam, "", 0, "{Team}0"},
    };
    for (const auto& c : cases) {
        TKexObject* r = CreateObject(c.Kind, "x", "", "", root, c.Line, 1).Object;
        EXPECT_EQ(r->GetCategories(), c.Cats) << c.Line;
        std::string text;
        r->GetSaveText(text, 1);
        EXPECT_EQ(text, "{1 " + std::to_string(c.Kind) + " }x~~~~~~1\r\n" + c.Written);
    }
}

TEST_F(KexObjectTest, FolderDialogSetsTitleOnOkAndKeepsCategoriesChosenBeforeCancel) {
    TTreeNode* f = Folder(root, "Old");
    Folder(root, "M");
    svc.Views.On<TFolderEditDlg>("TFolderEditDlg", [](TFolderEditDlg& d) {
        EXPECT_EQ(d.Caption, "Folder");
        EXPECT_EQ(d.HelpContext, 1039);
        d.FolderTitle = "Z";
        d.FolderComment = "note";
        return mrOk;
    });
    f->Data()->EditProperties();
    EXPECT_EQ(f->Text(), "Z");
    EXPECT_EQ(f->Data()->GetComment(), "note");
    EXPECT_EQ(root->Child(1), f); // re-sorted

    svc.Views.On<TFolderEditDlg>("TFolderEditDlg", [](TFolderEditDlg& d) {
        d.CatSelectClick({10, 20});
        d.FolderTitle = "ignored";
        return mrCancel;
    });
    svc.Views.On<TCategoryPopup>("TCategoryPopup", [](TCategoryPopup& p) {
        EXPECT_EQ(p.Left, 10);
        EXPECT_EQ(p.Top, 20);
        EXPECT_EQ(p.CheckListBox1.size(), 32u);
        EXPECT_EQ(p.CheckListBox1[31].Name, "Cat 32");
        p.CheckListBox1[31].Checked = true;
        return mrCancel;
    });
    f->Data()->EditProperties();
    EXPECT_EQ(f->Text(), "Z");
    EXPECT_EQ(f->Data()->GetCategories(), 0x80000000u);
}

TEST_F(KexObjectTest, TeamDialogUsesItsOwnForm) {
    TTreeNode* t = CreateObject(kindTeam, "T", "", "", root, "", 0).Node;
    svc.Views.On<TTeamEditDlg>("TTeamEditDlg", [](TTeamEditDlg& d) {
        EXPECT_EQ(d.TeamTitle, "T");
        d.TeamComment = "c";
        return mrOk;
    });
    t->Data()->EditProperties();
    EXPECT_EQ(t->Data()->GetComment(), "c");
}

TEST_F(KexObjectTest, CategoryPickerKeepsCategoriesItHasNoNameFor) {
    TCategoryPopup p;
    p.SetCategories({"a", "b"}, 0x80000003u);
    EXPECT_TRUE(p.CheckListBox1[0].Checked);
    p.CheckListBox1[0].Checked = false;
    EXPECT_EQ(p.GetCategories(), 0x80000002u);
}

TEST_F(KexObjectTest, NewFolderStartsInPlaceEditing) {
    TTreeNode* f = Folder(root, "New Folder");
    EXPECT_TRUE(f->Data()->EditNew(f));
    ASSERT_EQ(svc.MainWindow.Edited.size(), 1u);
    EXPECT_EQ(svc.MainWindow.Edited[0], f);
    f->Data()->DefaultAction();
    EXPECT_EQ(svc.MainWindow.SelectedNodes.back(), f);
}

} // namespace
