// "Print Reports" and "Printer Setup" driven through scripted views: what
// the window fills in, what it prints where, and how it keeps the return
// address and the printer.
#include "printing/ReportForm.h"

#include "PrintingFixture.h"
#include "platform/Errors.h"
#include "platform/IniFile.h"
#include "platform/MessageBox.h"
#include "printing/FontDialog.h"
#include "printing/PrinterSetupDlg.h"
#include "printing/ReturnAddress.h"
#include "shell/MainFormFixture.h"
#include "support/RecordingPrinter.h"

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

const TPostal kLeeds{{"12 High St"}, "Leeds", "West Yorks", "LS1", "UK"};

class ReportForm : public PrintingFixture {
protected:
    ReportForm() { svc.Services.Printer = &printer; }

    // A form as the main window makes it at its first print.
    TReportForm& Form() {
        form.FormCreate();
        return form;
    }
    std::string RetAddr() const { return svc.File("ret_addr.dat"); }

    TRecordingPrinter printer;
    TFilterState filter;
    TReportForm form{tree, filter};
};

TEST_F(ReportForm, ChoosingAvery5160FillsItsValuesPaddedToThreeDigits) {
    TReportForm& f = Form();
    EXPECT_EQ(f.TopEdit, "058"); // the first stock is chosen at the start
    f.LabelList = 1;
    f.LabelListClick();
    EXPECT_EQ(
        (Strings{f.TopEdit, f.SideEdit, f.HeightEdit, f.WidthEdit, f.HPitchEdit, f.VPitchEdit}),
        (Strings{"050", "019", "100", "263", "275", "100"}));
    EXPECT_EQ(f.NumAcross, 3);
}

TEST_F(ReportForm, EditedLabelValuesAndTheStartLabelPlaceTheFirstLabel) {
    Person(nullptr, "Ann", "Adams", &kLeeds);
    TReportForm& f = Form();
    f.Setup(root, nullptr, "");
    f.RptTypeCombo = TReportForm::rtLabels;
    f.LabelList = 1;
    f.LabelListClick();
    f.TopEdit = "100"; // the user moved the sheet's first row down
    f.StartLabel = 5;  // second row, middle label
    f.PreviewBtnClick();
    ASSERT_EQ(printer.Jobs.size(), 1u);
    const TDrawText* first = printer.Jobs[0].Pages.at(0).Texts().at(0);
    EXPECT_EQ(first->Text, "Ann Adams");
    EXPECT_EQ(first->Clip.Left, 19 + 275 + TLabelForm::kTextInset);
    EXPECT_EQ(first->Clip.Top, 100 + 100 + TLabelForm::kTextInset);
}

TEST_F(ReportForm, SetupShowsThePathAndBuildsTheDeliveryAddress) {
    TTreeNode* friends = Folder("Friends");
    TPersonObject& ann = Person(friends, "Ann", "Adams", &kLeeds);
    TReportForm& f = Form();
    f.Title2 = "typed before";
    f.Setup(ann.GetNode(), ann.FindItem("Home", kindAddress), "Ann Adams");
    EXPECT_EQ(f.NodeId, "My Contacts/Friends/Adams, Ann");
    EXPECT_EQ(f.Title2, f.NodeId);
    EXPECT_EQ(f.Delivery, "Ann Adams\r\n12 High St\r\nLeeds, West Yorks\r\nLS1 UK");
    f.Setup(friends, nullptr, "");
    EXPECT_EQ(f.Delivery, "");
}

TEST_F(ReportForm, TheEnvelopePrintsTheMemosWithTheirFonts) {
    TReportForm& f = Form();
    f.Setup(root, nullptr, "");
    f.RptTypeCombo = TReportForm::rtEnvelope;
    f.EnvSize = 4; // DL
    f.Delivery = "Ann Adams\r\n12 High St";
    f.Return = "Me\r\nHere";
    f.DeliveryFont.Size = 14;
    f.PrintBtnClick();
    ASSERT_EQ(printer.Jobs.size(), 1u);
    EXPECT_EQ(printer.Jobs[0].Call, TRecordingPrinter::TCall::Print);
    Strings texts;
    for (const TDrawText* t : printer.Jobs[0].Pages.at(0).Texts())
        texts.push_back(t->Text + "@" + std::to_string(static_cast<int>(t->Font.Size)));
    EXPECT_EQ(texts, (Strings{"Me@10", "Here@10", "Ann Adams@14", "12 High St@14"}));
    EXPECT_TRUE(svc.Views.Boxes.empty());

    f.OmitRetAddr = true;
    f.PrintBtnClick();
    ASSERT_EQ(printer.Jobs.size(), 2u);
    EXPECT_EQ(printer.Jobs[1].Pages.at(0).Texts().at(0)->Text, "Ann Adams");
}

TEST_F(ReportForm, PrinterFailuresAreShownAndNothingCountsAsPrinted) {
    Person(nullptr, "Ann", "Adams", &kLeeds);
    TReportForm& f = Form();
    f.Setup(root, nullptr, "");
    printer.Result = TPrintResult::Failed("The report was not printed on Office: Unauthorized");
    f.PrintBtnClick();
    ASSERT_EQ(svc.Views.Boxes.size(), 1u);
    EXPECT_EQ(svc.Views.Boxes[0].Text, "The report was not printed on Office: Unauthorized");
    EXPECT_EQ(svc.Views.Boxes[0].Caption, "Print Reports");

    svc.Services.Printer = nullptr;
    f.PreviewBtnClick();
    ASSERT_EQ(svc.Views.Boxes.size(), 2u);
    EXPECT_EQ(svc.Views.Boxes[1].Text, "No printer is available.");

    svc.Services.Printer = &printer;
    f.RptTypeCombo = TReportForm::rtLabels;
    f.HeightEdit = "000";
    f.PreviewBtnClick();
    EXPECT_EQ(printer.Jobs.size(), 1u); // only the refused print above
    ASSERT_EQ(svc.Views.Boxes.size(), 3u);
    EXPECT_EQ(svc.Views.Boxes[2].Text, "The labels need a height and a width.");
}

TEST_F(ReportForm, ANodeRemovedWhileTheWindowIsOpenIsNotPrinted) {
    TTreeNode* friends = Folder("Friends");
    TTreeNode* ann = Person(friends, "Ann", "Adams", &kLeeds).GetNode();
    TReportForm& f = Form();
    struct Case {
        TTreeNode* Printed;
        TTreeNode* Removed;
        bool InBulk;
    };
    for (const Case& c : {Case{ann, ann, false}, Case{Folder("Club"), nullptr, true},
                          Case{Person(friends, "Bob", "Brown").GetNode(), friends, false}}) {
        f.Setup(c.Printed, nullptr, "");
        if (c.InBulk) tree.BeginUpdate();
        tree.Delete(c.Removed ? c.Removed : c.Printed);
        if (c.InBulk) tree.EndUpdate();
        svc.Views.Boxes.clear();
        f.PreviewBtnClick();
        EXPECT_TRUE(printer.Jobs.empty());
        ASSERT_EQ(svc.Views.Boxes.size(), 1u);
        EXPECT_EQ(svc.Views.Boxes[0].Text, "There is nothing to print.");
    }
}

TEST_F(ReportForm, FontsAreChosenWithTheFontDialog) {
    TReportForm& f = Form();
    EXPECT_EQ(f.LabelText.Family, "Arial");
    svc.Views.On<TFontDialog>("TFontDialog", [](TFontDialog& d) {
        EXPECT_EQ(d.Font.Family, "Arial");
        d.Font.Family = "DejaVu Serif";
        d.Font.Size = 11;
        return mrOk;
    });
    f.Button5Click();
    EXPECT_EQ(f.LabelText.Family, "DejaVu Serif");
    EXPECT_EQ(f.LabelText.Size, 11);
    svc.Views.On<TFontDialog>("TFontDialog", [](TFontDialog& d) {
        d.Font.Family = "Cancelled";
        return mrCancel;
    });
    f.Button3Click();
    EXPECT_EQ(f.ListText.Family, "Arial");
}

// --- the return address file --------------------------------------------------

TEST_F(ReportForm, TheReturnAddressIsReadAndKeptWithCrLfLines) {
    form.FormCreate(); // without the file the address is empty
    EXPECT_EQ(form.Return, "");
    EXPECT_FALSE(fs::exists(RetAddr()));

    WriteText(RetAddr(), "Jo \xE9tienne\r\n1 Rue Haute\r\n"); // Windows-1252, kept as bytes
    TReportForm& f = Form();
    EXPECT_EQ(f.Return, "Jo \xE9tienne\r\n1 Rue Haute");
    f.FormClose(); // "Save Return Address" is off: the file is left alone
    EXPECT_EQ(ReadText(RetAddr()), "Jo \xE9tienne\r\n1 Rue Haute\r\n");

    f.Return += "\r\nLyon";
    f.SaveRetAddr = true;
    f.FormClose();
    EXPECT_EQ(ReadText(RetAddr()), "Jo \xE9tienne\r\n1 Rue Haute\r\nLyon\r\n");
    EXPECT_TRUE(svc.Views.Boxes.empty());

    TReportForm again(tree, filter);
    again.FormCreate();
    EXPECT_EQ(again.Return, f.Return);
}

TEST_F(ReportForm, AReturnAddressThatIsNoReadableFileIsReported) {
    for (auto make : {+[](const std::string& p) { fs::create_directory(p); },
                      +[](const std::string& p) { fs::create_symlink("/dev/zero", p); }}) {
        svc.Views.Boxes.clear();
        make(RetAddr());
        TReportForm f(tree, filter);
        f.FormCreate();
        EXPECT_EQ(f.Return, "");
        ASSERT_EQ(svc.Views.Boxes.size(), 1u);
        EXPECT_NE(svc.Views.Boxes[0].Text.find("The return address could not be read."),
                  std::string::npos);
        fs::remove(RetAddr());
    }
}

TEST_F(ReportForm, AFailedSaveOfTheReturnAddressIsReportedAndTheAddressStays) {
    TReportForm& f = Form();
    fs::create_symlink("/dev/full", RetAddr());
    f.Return = "Me\r\nHere";
    f.SaveRetAddr = true;
    f.FormClose();
    ASSERT_EQ(svc.Views.Boxes.size(), 1u);
    EXPECT_NE(svc.Views.Boxes[0].Text.find("could not be saved"), std::string::npos);
    EXPECT_NE(svc.Views.Boxes[0].Text.find("Disk full"), std::string::npos);
    EXPECT_EQ(f.Return, "Me\r\nHere"); // still there to try again
}

TEST_F(ReportForm, SavingThroughALinkReplacesTheFileItNames) {
    fs::create_directory(svc.File("dotfiles"));
    WriteText(svc.File("dotfiles/ret_addr.dat"), "Old\r\n");
    fs::create_symlink("dotfiles/ret_addr.dat", RetAddr());
    TReportForm& f = Form();
    EXPECT_EQ(f.Return, "Old");
    f.Return = "New\r\nLines";
    f.SaveRetAddr = true;
    f.FormClose();
    EXPECT_TRUE(fs::is_symlink(RetAddr()));
    EXPECT_EQ(ReadText(svc.File("dotfiles/ret_addr.dat")), "New\r\nLines\r\n");
}

// --- from the main window ------------------------------------------------------

class PrintCommand : public MainFormFixture {
protected:
    PrintCommand() { svc.Services.Printer = &printer; }

    // Runs the Print command; the script sees the window as it opens.
    void Print(std::function<void(TReportForm&)> script) {
        svc.Views.On<TReportForm>("TReportForm", [script](TReportForm& f) {
            script(f);
            return mrCancel;
        });
        form.PrintBtnClick();
    }

    TRecordingPrinter printer;
};

TEST_F(PrintCommand, ASelectedPersonGivesTheEnvelopeItsAddress) {
    TTreeNode* friends = Node(kindFolder, "Friends");
    TTreeNode* ann = Node(kindPerson, "Adams, Ann", friends);
    ann->Data()->SetTarget("Ann Adams");
    auto& home = dynamic_cast<TAddressObject&>(*Item(kindAddress, "Home", ann));
    home.ClearAddressLines();
    home.SetAddressText("12 High St");
    dynamic_cast<TPersonObject*>(ann->Data())->SetPrimaryAddress("Home");
    form.FoldersChange(ann);
    form.SetActivePane(TPane::Folders);
    Print([](TReportForm& f) {
        EXPECT_EQ(f.NodeId, "My Contacts/Friends/Adams, Ann");
        EXPECT_EQ(f.Delivery, "Ann Adams\r\n12 High St\r\n, \r\n ");
        f.Title1 = "Changed";
    });
    ASSERT_EQ(svc.Views.Shown, (Strings{"TReportForm"}));

    // From the list: the envelope goes to the selected address; the report
    // still covers the selected node.
    SelectRows({"Home"});
    Print([](TReportForm& f) {
        EXPECT_EQ(f.NodeId, "My Contacts/Friends/Adams, Ann");
        EXPECT_EQ(f.Delivery, "Home\r\n12 High St\r\n, \r\n ");
        EXPECT_EQ(f.Title1, "Changed"); // the window keeps its settings for the run
    });
    form.ClearListSelection();
    Print([](TReportForm& f) { EXPECT_EQ(f.Delivery, "Ann Adams\r\n12 High St\r\n, \r\n "); });
}

TEST_F(PrintCommand, ReportsLeaveOutWhatTheMainWindowsFilterHides) {
    TTreeNode* a = Node(kindPerson, "Adams, Ann");
    TTreeNode* b = Node(kindPerson, "Brown, Bob");
    a->Data()->SetCategories(1);
    b->Data()->SetCategories(2);
    form.FilterBtn1Click(1, true);
    form.Filter.CategoryMask = 1;
    form.FoldersChange(root);
    Print([](TReportForm& f) {
        f.RptTypeCombo = TReportForm::rtSimple;
        f.PreviewBtnClick();
    });
    ASSERT_EQ(printer.Jobs.size(), 1u);
    Strings titles;
    for (const TDrawText* t : printer.Jobs[0].Pages.at(0).Texts())
        titles.push_back(t->Text);
    EXPECT_NE(std::find(titles.begin(), titles.end(), "Adams, Ann"), titles.end());
    EXPECT_EQ(std::find(titles.begin(), titles.end(), "Brown, Bob"), titles.end());
}

// --- printer setup --------------------------------------------------------------

TEST_F(PrintCommand, PrinterSetupKeepsTheChoiceInTheSettings) {
    svc.Views.On<TPrinterSetupDlg>("TPrinterSetupDlg", [](TPrinterSetupDlg& d) {
        d.Printer = {"Office", "A4", 827, 1169, true};
        return mrOk;
    });
    form.PrinterSetupItemClick();
    EXPECT_EQ(TPrinterSettings::Load(svc.Settings),
              (TPrinterSettings{"Office", "A4", 827, 1169, true}));
    EXPECT_EQ(svc.Settings.ReadString("Printer", "Orientation", ""), "Landscape");

    svc.Views.On<TPrinterSetupDlg>("TPrinterSetupDlg", [](TPrinterSetupDlg& d) {
        EXPECT_EQ(d.Printer.PrinterName, "Office"); // opens on what was kept
        d.Printer.PrinterName = "Other";
        return mrCancel;
    });
    form.PrinterSetupItemClick();
    EXPECT_EQ(TPrinterSettings::Load(svc.Settings).PrinterName, "Office");
}

TEST_F(PrintCommand, TheOrientationChosenInPrinterSetupIsUsedByTheNextReport) {
    form.FoldersChange(root);
    Print([](TReportForm& f) {
        EXPECT_TRUE(f.Portrait1);
        f.Portrait2 = false; // the book is landscape
    });
    svc.Views.On<TPrinterSetupDlg>("TPrinterSetupDlg", [](TPrinterSetupDlg& d) {
        d.Printer.Landscape = true;
        return mrOk;
    });
    form.PrinterSetupItemClick();
    Print([](TReportForm& f) { EXPECT_FALSE(f.Portrait1 || f.Portrait2 || f.Portrait3); });

    // A setup that leaves the orientation alone leaves the pages' choice alone.
    Print([](TReportForm& f) { f.Portrait3 = true; });
    svc.Views.On<TPrinterSetupDlg>("TPrinterSetupDlg", [](TPrinterSetupDlg& d) {
        d.Printer.PrinterName = "Office";
        return mrOk;
    });
    form.PrinterSetupItemClick();
    Print([](TReportForm& f) { EXPECT_TRUE(f.Portrait3); });
}

TEST_F(PrintCommand, ASettingsFileThatCannotBeWrittenIsReported) {
    TIniFile unwritable(svc.File("gone/kex.ini")); // its folder does not exist
    svc.Services.Settings = &unwritable;
    svc.Views.On<TPrinterSetupDlg>("TPrinterSetupDlg", [](TPrinterSetupDlg& d) {
        d.Printer.PrinterName = "Office";
        return mrOk;
    });
    form.PrinterSetupItemClick();
    ASSERT_EQ(svc.Views.Boxes.size(), 1u);
    EXPECT_NE(svc.Views.Boxes[0].Text.find("could not be kept"), std::string::npos);
    EXPECT_EQ(svc.Views.Boxes[0].Caption, "Printer Setup");
    svc.Services.Settings = &svc.Settings;
}

} // namespace
