// File > Import from the main window: the wizard opens on the selected node,
// the list shows what came in, and the status bar says what was made.
#include "MainFormFixture.h"
#include "exchange/jobs/ImportWizard.h"

namespace {

class MainFormImport : public MainFormFixture {
protected:
    // The wizard's answers: a comma-separated file of first and last names.
    void ScriptCsvImport(const std::string& text) {
        WriteText(svc.File("people.csv"), text);
        svc.Views.On<TImportWizard>("TImportWizard", [this](TImportWizard& w) {
            EXPECT_EQ(w.Label7, "My Contacts/Friends");
            w.ImportType = 5;
            w.ImportTypeChange();
            w.ListBox2 = {"First Name", "Last Name"};
            w.FileListBox2 = svc.File("people.csv");
            return mrOk;
        });
    }
};

TEST_F(MainFormImport, ImportLandsBelowTheSelectedNodeAndTheStatusBarSaysSo) {
    TTreeNode* friends = Node(kindFolder, "Friends");
    Item(kindPhone, "Home", friends, "555 0100");
    form.FoldersChange(friends);
    SelectRows({"Home"});
    ScriptCsvImport("Zoe,Young\nAnn,Smith\n,\n");
    form.ImportBtnClick();
    EXPECT_EQ(form.Selected, friends);
    EXPECT_EQ(form.StatusPanels[0], "2 records created, 1 line skipped");
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Ann Smith", "Home", "Zoe Young"}));
    // The user's row stays selected.
    ASSERT_EQ(form.SelectedRowCount(), 1);
    EXPECT_EQ(form.MainItems[static_cast<size_t>(form.FirstSelectedRow())].Caption, "Home");
    EXPECT_TRUE(svc.Views.Boxes.empty());
}

TEST_F(MainFormImport, AnErrorIsShownWithFileAndLineAndWhatWasMadeStays) {
    TTreeNode* friends = Node(kindFolder, "Friends");
    form.FoldersChange(friends);
    std::string text = "Ann,Smith\nBob,";
    text.push_back('\0');
    ScriptCsvImport(text + "Roe\n");
    form.ImportBtnClick();
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Ann Smith"}));
    ASSERT_EQ(svc.Views.Boxes.size(), 1u);
    EXPECT_EQ(svc.Views.Boxes[0].Caption, "Import");
    EXPECT_EQ(svc.Views.Boxes[0].Text.rfind(svc.File("people.csv") + ":2: ", 0), 0u)
        << svc.Views.Boxes[0].Text;
    EXPECT_EQ(form.StatusPanels[0], "1 record created, 0 lines skipped");

    // Cancel: nothing made, nothing said.
    svc.Views.On("TImportWizard", [](TFormPresenter&) { return mrCancel; });
    form.StatusPanels[0] = "hint";
    form.ImportBtnClick();
    EXPECT_EQ(form.StatusPanels[0], "hint");
}

} // namespace
