// The publishing wizard's presenter: its pages, lists and refusals.
#include "exchange/jobs/ExportWizard.h"

#include "exchange/PublishSite.h"
#include "exchange/jobs/WebArt.h"
#include "platform/FileIO.h"
#include "platform/MessageBox.h"

#include <gtest/gtest.h>

namespace {

struct WizardFixture : ::testing::Test {
    TTestServices svc;
    TPublishTree site;
    TTempDir out;
    TExportWizard w;

    void Open(const std::string& path) {
        w.SetParent(site.At(path));
        w.FormShow();
        w.DirectoryListBox1 = w.DirectoryListBox2 = w.DirectoryListBox3 = w.DirectoryListBox4 =
            out.Path();
    }
    void Choose(int form) {
        w.ExportType = form;
        w.ExportTypeChange();
    }
    // Presses "Next >>" until the wizard closes or stays on its last page.
    void Finish() {
        for (int i = 0; i < 10 && w.ModalResult() == mrNone; ++i) {
            bool last = w.NextBtnModalResult == mrOk;
            w.NextBtnClick();
            if (last) break;
        }
    }
};

} // namespace

TEST_F(WizardFixture, EachFormHasItsPagesAndTheProposedNames) {
    Open("My Contacts/Friends/Ann Lee");
    EXPECT_EQ(w.Caption, "Publishing Wizard");
    EXPECT_EQ(w.Label4, "My Contacts/Friends/Ann Lee");
    EXPECT_EQ(w.Edit1, "Ann Lee.tvd");
    EXPECT_EQ(w.Edit2, "Ann Lee.csv");
    EXPECT_EQ(w.Edit3, "Ann Lee.vcf");
    EXPECT_EQ(w.StartPageEdit, "Ann Lee.htm");
    EXPECT_EQ(w.TitleEdit, "Ann Lee");
    EXPECT_EQ(w.ColorItems[static_cast<size_t>(w.TextColorCombo)], "Black");
    EXPECT_EQ(w.ColorItems[static_cast<size_t>(w.LinkColorCombo)], "Navy");
    EXPECT_EQ(w.BkgComboBoxItems.size(), 28u);
    EXPECT_EQ(w.ColorItems.size(), 15u);
    EXPECT_EQ(w.RecTypeItems.front(), "Person");
    EXPECT_EQ(w.ListBox1.front(), "Title");
    const std::vector<std::vector<std::string>> sequences = {
        {"TabSheet1", "TabSheet2"},
        {"TabSheet1", "TabSheet3", "TabSheet4", "TabSheet5", "TabSheet6"},
        {"TabSheet1", "TabSheet7", "TabSheet8"},
        {"TabSheet1", "TabSheet9"}};
    for (int form = 0; form < 4; ++form) {
        Choose(form);
        EXPECT_EQ(w.Pages, sequences[static_cast<size_t>(form)]) << form;
        EXPECT_EQ(w.ExportType, form);
    }
    EXPECT_TRUE(svc.Views.Boxes.empty());
    EXPECT_EQ(webart::ColorOfIndex(13), 0xFFFFFFu);
    EXPECT_EQ(TExportWizard::ColorOfIndex(7), 0x000080u);
}

TEST_F(WizardFixture, TheVCardFormWarnsForOtherKindsAndFallsBackToTheTransferFile) {
    for (const char* path : {"My Contacts/Friends", "My Contacts/Friends/Club site",
                             "My Contacts/Friends/Committee"}) {
        svc.Views.Boxes.clear();
        Open(path);
        svc.Views.Answers = {id::Ok};
        Choose(TExportWizard::etVCard);
        ASSERT_EQ(svc.Views.Boxes.size(), 1u) << path;
        EXPECT_EQ(svc.Views.Boxes[0].Text,
                  "vCard publishing is only supported for Person and Organization items.");
        EXPECT_EQ(w.ExportType, TExportWizard::etTransfer);
        EXPECT_EQ(w.Pages, (std::vector<std::string>{"TabSheet1", "TabSheet2"}));
    }
    svc.Views.Boxes.clear();
    Open("My Contacts/Work/Acme");
    Choose(TExportWizard::etVCard);
    EXPECT_TRUE(svc.Views.Boxes.empty());
    EXPECT_EQ(w.ExportType, TExportWizard::etVCard);
}

TEST_F(WizardFixture, AWrongExtensionKeepsTheWizardOpenUntilItIsCorrected) {
    Open("My Contacts/Work");
    w.Edit1 = "work.txt";
    Finish();
    EXPECT_EQ(w.ModalResult(), mrNone);
    ASSERT_EQ(svc.Views.Boxes.size(), 1u);
    EXPECT_EQ(svc.Views.Boxes[0].Caption, "Check Filename");
    EXPECT_EQ(svc.Views.Boxes[0].Text,
              "The exported filename needs to have an extension of \".tvd\"");
    EXPECT_EQ(svc.Views.Boxes[0].Type, mb::Ok | mb::IconError);
    EXPECT_EQ(w.FocusControl, "Edit1");
    EXPECT_EQ(w.ActivePage, "TabSheet2");
    EXPECT_TRUE(FileNames(out.Path()).empty());

    w.Edit1 = "work.TVD";
    w.NextBtnClick();
    EXPECT_EQ(w.ModalResult(), mrOk);
    EXPECT_EQ(ReadText(out.File("work.TVD")).rfind("{1 0 }Work~~", 0), 0u);

    TExportWizard v;
    v.SetParent(site.At("My Contacts/Work/Acme"));
    v.FormShow();
    v.DirectoryListBox4 = out.Path();
    v.ExportType = TExportWizard::etVCard;
    v.ExportTypeChange();
    v.Edit3 = "acme.txt";
    v.NextBtnClick();
    v.NextBtnClick();
    EXPECT_EQ(v.ModalResult(), mrNone);
    EXPECT_EQ(v.FocusControl, "Edit3");
    EXPECT_EQ(svc.Views.Boxes.back().Text,
              "The exported filename needs to have an extension of \".vcf\"");
}

TEST_F(WizardFixture, TheFieldListsMoveEntriesAndGateTheNextButton) {
    Open("My Contacts");
    Choose(TExportWizard::etCsv);
    w.NextBtnClick();
    EXPECT_EQ(w.ActivePage, "TabSheet7");
    EXPECT_FALSE(w.NextBtnEnabled);
    // "E-Mail Address" and "Title" go to the top in their own order, before
    // what the list held.
    w.ListBox1Selected = {2};
    w.CopyRtBtnClick();
    EXPECT_TRUE(w.NextBtnEnabled);
    const auto& fields = w.ListBox1;
    auto at = [&](const char* f) {
        return static_cast<int>(std::find(fields.begin(), fields.end(), f) - fields.begin());
    };
    w.ListBox1Selected = {at("E-Mail Address"), at("Title")};
    w.CopyRtBtnClick();
    EXPECT_EQ(w.ListBox2, (std::vector<std::string>{"Title", "E-Mail Address", "First Name"}));
    w.ListBox2DragDrop(2, 0);
    EXPECT_EQ(w.ListBox2, (std::vector<std::string>{"First Name", "Title", "E-Mail Address"}));
    w.ListBox2DragDrop(0, -1); // dropped below the last entry
    EXPECT_EQ(w.ListBox2, (std::vector<std::string>{"Title", "E-Mail Address", "First Name"}));
    w.ListBox2Selected = {2};
    w.CopyLtBtnClick();
    EXPECT_EQ(w.ListBox1.front(), "First Name");
    w.ListBox2Selected = {0, 1};
    w.CopyLtBtnClick();
    EXPECT_FALSE(w.NextBtnEnabled);
    w.ListBox1Selected = {at("Title"), at("City")};
    w.CopyRtBtnClick();

    w.FieldNamesCheck = false;
    w.Edit2 = "people.txt"; // no extension check for this form
    Finish();
    EXPECT_EQ(w.ModalResult(), mrOk);
    EXPECT_EQ(ReadText(out.File("people.txt")),
              "\"Ann Lee\",\"Leeds\"\r\n\"Bob Roe\",\r\n\"Cy Dee\",\r\n");

    // Another record type starts from its own fields.
    w.RecTypeCombo = 4;
    w.RecTypeComboChange();
    EXPECT_EQ(w.ListBox1,
              (std::vector<std::string>{"Title", "Phone Number", "Extension", "Comment"}));
    EXPECT_TRUE(w.ListBox2.empty());
}

TEST_F(WizardFixture, BackgroundsAndColoursDriveThePreviewAndThePages) {
    Open("My Contacts/Friends");
    w.BkgComboBox = "marble";
    w.BkgComboBoxChange();
    EXPECT_EQ(w.BackgroundBmp, webart::BackgroundsDir() + "marble.png");
    EXPECT_EQ(w.BackgroundGif, webart::BackgroundsDir() + "marble.gif");
    EXPECT_EQ(w.PreviewPicture, w.BackgroundBmp);
    for (const std::string& name : webart::Backgrounds()) {
        if (name == webart::kNoBackground) continue;
        EXPECT_TRUE(
            fileio::FileExists(webart::BackgroundsDir() + webart::BackgroundStem(name) + ".gif"))
            << name;
        EXPECT_TRUE(
            fileio::FileExists(webart::BackgroundsDir() + webart::BackgroundStem(name) + ".png"))
            << name;
    }
    w.BkgComboBox = "gone";
    w.BkgComboBoxChange();
    EXPECT_EQ(w.BackgroundGif, "");
    EXPECT_EQ(w.PreviewPicture, "");

    // A picture chosen with "Browse..." is used in the pages, not in the preview.
    const std::string own = out.File("own back.gif");
    WriteText(own, "GIF89a");
    svc.Views.FileNames = {own};
    w.BrowseBkgButtonClick();
    EXPECT_EQ(svc.Views.FileDialogs.back().Filter, "GIF Images|*.gif|JPEG Images|*.jpg;*.jpeg");
    EXPECT_EQ(w.BkgComboBox, "own back.gif");
    EXPECT_EQ(w.BackgroundGif, own);
    EXPECT_EQ(w.PreviewPicture, "");

    w.TextColorCombo = 10;
    w.LinkColorCombo = 4;
    w.TextColorComboChange();
    EXPECT_EQ(w.PreviewTextColor, 0xFF0000u);
    EXPECT_EQ(w.PreviewLinkColor, 0x008000u);

    TTempDir site;
    w.DirectoryListBox2 = site.Path();
    Choose(TExportWizard::etHtml);
    svc.Views.Answers = {id::Yes};
    Finish();
    EXPECT_EQ(w.ModalResult(), mrOk);
    EXPECT_NE(ReadText(site.File("tavimain.htm"))
                  .find("<body background=\"own%20back.gif\" text=Red link=Green>"),
              std::string::npos);
    EXPECT_EQ(ReadText(site.File("own back.gif")), "GIF89a");
    // The offer to open the main page, answered Yes.
    ASSERT_EQ(svc.Shell.Calls.size(), 1u);
    EXPECT_EQ(svc.Shell.Calls[0].File, site.File("Friends.htm"));
}

TEST_F(WizardFixture, AFailedWriteIsReportedAndTheWizardStaysOpen) {
    Open("My Contacts/Work");
    w.DirectoryListBox1 = out.File("missing/folder");
    Finish();
    EXPECT_EQ(w.ModalResult(), mrNone);
    ASSERT_EQ(svc.Views.Boxes.size(), 1u);
    EXPECT_NE(svc.Views.Boxes[0].Text.find(out.File("missing/folder/Work.tvd")), std::string::npos);
    EXPECT_EQ(svc.Views.Boxes[0].Caption, "Publishing Wizard");
}
