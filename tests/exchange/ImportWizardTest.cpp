// The import wizard's presenter: its page sequences, the field lists, the
// pages' status labels and what "Finish" imports where.
#include "exchange/jobs/ImportWizard.h"

#include "exchange/CsvColumns.h"
#include "exchange/UserFolders.h"
#include "store/ContactStore.h"
#include "store/KexObject.h"
#include "store/ObjectFactory.h"
#include "store/TreeNode.h"
#include "support/TestServices.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {
using V = std::vector<std::string>;

class ImportWizard : public ::testing::Test {
protected:
    ImportWizard() {
        Sub = CreateObject(kindFolder, "Sub", "", "", Doc.Root(), "", 0).Node;
        W.SetParent(Sub);
        W.FormShow();
    }
    std::string Write(const std::string& name, const std::string& text) {
        std::string path = Svc.File(name);
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        WriteText(path, text);
        return path;
    }
    void Select(const V& names) {
        for (size_t i = 0; i < W.ListBox1.size(); ++i)
            W.ListBox1Selected[i] =
                std::find(names.begin(), names.end(), W.ListBox1[i]) != names.end();
    }

    TTestServices Svc;
    TContactStore Doc;
    TTreeNode* Sub;
    TImportWizard W;
};

TEST_F(ImportWizard, EachSourceHasItsPageSequence) {
    const std::pair<int, V> cases[] = {
        {0, {"TabSheet1", "TabSheet3"}}, {1, {"TabSheet1", "TabSheet2"}},
        {2, {"TabSheet1", "TabSheet4"}}, {3, {"TabSheet1", "TabSheet5"}},
        {4, {"TabSheet1", "TabSheet6"}}, {5, {"TabSheet1", "TabSheet8", "TabSheet7"}},
        {6, {"TabSheet1", "TabSheet9"}},
    };
    EXPECT_EQ(W.ImportTypeItems.size(), 7u);
    EXPECT_EQ(W.ImportTypeItems[5], "Comma or Tab-Delimited Text");
    for (const auto& [type, pages] : cases) {
        W.FormShow();
        W.ImportType = type;
        W.ImportTypeChange();
        EXPECT_EQ(W.Pages, pages) << type;
        // Walk it: the fields page needs a field before "Next >>" goes on.
        V seen = {W.ActivePage};
        for (size_t i = 1; i < pages.size(); ++i) {
            W.NextBtnClick();
            seen.push_back(W.ActivePage);
            if (W.ActivePage == "TabSheet8") {
                EXPECT_FALSE(W.NextBtnEnabled);
                Select({"Title"});
                W.CopyRtBtnClick();
            }
        }
        EXPECT_EQ(seen, pages) << type;
        EXPECT_EQ(W.NextBtnCaption, "Finish");
        EXPECT_TRUE(W.NextBtnEnabled);
        W.PrevBtnClick();
        EXPECT_EQ(W.NextBtnCaption, "Next >>");
        W.PrevBtnClick();
        W.PrevBtnClick();
        EXPECT_EQ(W.ActivePage, "TabSheet1");
    }
}

TEST_F(ImportWizard, FieldListsMoveInOrderAndHoldNextBack) {
    W.ImportType = 5;
    W.ImportTypeChange();
    W.NextBtnClick();
    ASSERT_EQ(W.ActivePage, "TabSheet8");
    EXPECT_EQ(W.ListBox1, CsvRecordTypes()[0].Fields);
    EXPECT_FALSE(W.NextBtnEnabled);

    Select({"Title"});
    W.CopyRtBtnClick();
    EXPECT_TRUE(W.NextBtnEnabled);
    Select({"Comment"});
    W.CopyRtBtnClick();
    EXPECT_EQ(W.ListBox2, (V{"Comment", "Title"}));
    // Several at once arrive in their order, before what was there.
    Select({"City", "First Name", "Country"});
    W.CopyRtBtnClick();
    EXPECT_EQ(W.ListBox2, (V{"First Name", "City", "Country", "Comment", "Title"}));

    // Dragging: onto another entry takes its place; below the last, the end.
    W.ListBox2DragDrop(4, 0);
    EXPECT_EQ(W.ListBox2, (V{"Title", "First Name", "City", "Country", "Comment"}));
    W.ListBox2DragDrop(1, -1);
    EXPECT_EQ(W.ListBox2, (V{"Title", "City", "Country", "Comment", "First Name"}));

    // Moving everything back disables Next; one field in enables it again.
    while (!W.ListBox2.empty()) {
        W.ListBox2Index = 0;
        W.CopyLtBtnClick();
    }
    EXPECT_FALSE(W.NextBtnEnabled);
    EXPECT_EQ(W.ListBox1.front(), "First Name"); // the last moved back is on top
    Select({"Website"});
    W.CopyRtBtnClick();
    EXPECT_TRUE(W.NextBtnEnabled);

    // Another record type starts both lists over.
    W.RecTypeCombo = 6;
    W.RecTypeComboChange();
    EXPECT_EQ(W.ListBox1, (V{"Title", "Fax Number", "Comment"}));
    EXPECT_TRUE(W.ListBox2.empty());
    EXPECT_FALSE(W.NextBtnEnabled);
    // With a header line the file will choose them: Next goes on.
    W.HeaderCheck = true;
    W.HeaderCheckClick();
    EXPECT_TRUE(W.NextBtnEnabled);
    W.HeaderCheck = false;
    W.HeaderCheckClick();
    EXPECT_FALSE(W.NextBtnEnabled);
}

TEST_F(ImportWizard, PagesNameTheFileTheyFound) {
    Write("nav/bookmarks.html", "<TITLE>My Links</TITLE>");
    Write("book/Address.HTM", "<H1>no title</H1>");
    Write("eudora/nndbase.txt", "alias a a@b.example\n");
    W.NavDirListBox = Svc.File("nav");
    W.NavDirListBoxChange();
    EXPECT_EQ(W.Label10, "My Links (bookmarks.html)");
    W.NavAddrDirList = Svc.File("book");
    W.NavAddrDirListChange();
    EXPECT_EQ(W.Label12, "Address.HTM");
    W.EudoraDirList = Svc.File("eudora");
    W.EudoraDirListChange();
    EXPECT_EQ(W.Label13, "Found Eudora Address File in this directory (nndbase.txt)");
    W.NavDirListBox = W.EudoraDirList;
    W.NavDirListBoxChange();
    EXPECT_EQ(W.Label10, "None Found");

    // The favorites list opens in the home folder the first time only.
    W.DirectoryListBox1 = "/";
    W.DirectoryListBox1Enter();
    EXPECT_EQ(W.DirectoryListBox1, TUserFolders::FromEnvironment().Home);
    EXPECT_EQ(W.Label3, W.DirectoryListBox1);
    W.DirectoryListBox1 = "/";
    W.DirectoryListBox1Enter();
    EXPECT_EQ(W.DirectoryListBox1, "/");
    EXPECT_EQ(W.Label7, "My Contacts/Sub");
}

TEST_F(ImportWizard, HeaderLinePreselectsFieldsAndFileDecidesEncoding) {
    W.ImportType = 5;
    W.ImportTypeChange();
    W.FileListBox2 =
        Write("g.csv", "Given Name,Family Name,Pet,E-mail 1 - Value\nAnn,Lee,Rex,a@b\n");
    W.FileListBox2Change();
    EXPECT_EQ(W.EncodingCombo, "UTF-8");
    EXPECT_TRUE(W.EncodingComboEnabled);
    W.HeaderCheck = true;
    W.HeaderCheckClick();
    EXPECT_EQ(W.ListBox2, (V{"First Name", "Last Name", "E-Mail Address"}));
    EXPECT_EQ(W.ListBox1.size(), CsvRecordTypes()[0].Fields.size() - 3);
    EXPECT_EQ(W.HeaderLabel, "Fields from the first line: First Name, Last Name, E-Mail Address");
    // A type without those fields: the label says so.
    W.RecTypeCombo = 4;
    W.RecTypeComboChange();
    EXPECT_TRUE(W.ListBox2.empty());
    EXPECT_EQ(W.HeaderLabel, "No column of the first line is a field of Phone Numbers.");

    // A byte-order mark decides the encoding: the list is off.
    W.FileListBox2 = DataPath("exchange/google_utf16.csv");
    W.FileListBox2Change();
    EXPECT_EQ(W.EncodingCombo, "UTF-16LE");
    EXPECT_FALSE(W.EncodingComboEnabled);
    W.FileListBox2 = DataPath("exchange/semicolon_cp1252.csv");
    W.FileListBox2Change();
    EXPECT_EQ(W.EncodingCombo, "Windows-1252");
    EXPECT_TRUE(W.EncodingComboEnabled);
    // The mask: a file the list no longer shows is no longer chosen.
    W.FilterComboBox2 = 1;
    W.FilterComboBox2Change();
    EXPECT_EQ(W.FileListBox2Mask, "*.TXT");
    EXPECT_EQ(W.FileListBox2, "");
}

TEST_F(ImportWizard, FinishImportsWhereTheSourceBelongs) {
    // CSV below the node the wizard was given.
    W.ImportType = 5;
    W.ImportTypeChange();
    Select({"Last Name"});
    W.CopyRtBtnClick();
    Select({"First Name"});
    W.CopyRtBtnClick();
    W.SepCharCombo = 1;
    W.FileListBox2 = Write("p.txt", "Ann\tLee\nBob\tRoe\n");
    W.FormClose(mrOk);
    ASSERT_TRUE(W.Imported);
    EXPECT_EQ(W.Result.Summary(), "2 records created, 0 lines skipped");
    EXPECT_EQ(Sub->Count(), 2);
    EXPECT_EQ(Sub->Child(0)->Text(), "Ann Lee");

    // Cancel imports nothing; a missing file imports nothing, without a word.
    W.FormClose(mrCancel);
    EXPECT_FALSE(W.Imported);
    W.FileListBox2 = Svc.File("gone.csv");
    W.FormClose(mrOk);
    EXPECT_FALSE(W.Imported);
    EXPECT_EQ(Sub->Count(), 2);

    // Bookmark pages go below the root, wherever the wizard was opened.
    W.ImportType = 2;
    W.ImportTypeChange();
    Write("nav/bookmark.htm", "<TITLE>Links</TITLE><A HREF=\"http://a.example\">A</A>");
    W.NavDirListBox = Svc.File("nav");
    W.FormClose(mrOk);
    ASSERT_TRUE(W.Imported);
    EXPECT_EQ(W.Result.Folder->Parent(), Doc.Root());
    EXPECT_EQ(W.Result.Folder->Text(), "Links");
}

TEST_F(ImportWizard, ExecuteShowsTheDialogAndImportsOnFinish) {
    Write("fav/a.url", "URL=http://a.example\n");
    Svc.Views.On<TImportWizard>("TImportWizard", [&](TImportWizard& w) {
        EXPECT_EQ(w.Caption, "Import Wizard");
        EXPECT_EQ(w.ActivePage, "TabSheet1");
        w.ImportType = 1;
        w.ImportTypeChange();
        w.NextBtnClick();
        w.DirectoryListBox1 = Svc.File("fav");
        w.NextBtnClick(); // "Finish"
        return w.ModalResult();
    });
    TImportWizard wizard;
    wizard.SetParent(Sub);
    EXPECT_EQ(wizard.Execute(), mrOk);
    EXPECT_EQ(wizard.Result.Summary(), "1 record created, 0 lines skipped");
    ASSERT_EQ(Sub->Count(), 1);
    EXPECT_EQ(Sub->Child(0)->Text(), "fav");
}

} // namespace
