// "Print Reports" with its real widgets on the offscreen platform: the pages
// follow the report type, the controls write what the user changes and
// nothing else, and the buttons reach the printer and the font dialog.
#include "printing/ui/ReportFormView.h"

#include "../PrintingFixture.h"
#include "platform/ui/QtViewFactory.h"
#include "printing/PrinterSetupDlg.h"
#include "printing/ReportForm.h"
#include "printing/ui/PrinterSettingsQt.h"
#include "records/ui/MaskEdit.h"
#include "support/RecordingPrinter.h"
#include "support/ui/ModalDriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTest>

namespace {

template <typename W>
W* Child(QWidget* d, const char* name) {
    W* w = d->findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
}

void Click(QWidget* d, const char* button) {
    QTest::mouseClick(Child<QPushButton>(d, button), Qt::LeftButton);
}

void TypeInto(QWidget* w, const char* text) {
    w->setFocus();
    QTest::keyClicks(w, text);
}

class ReportFormView : public PrintingFixture {
protected:
    ReportFormView() {
        svc.Services.Views = &views;
        svc.Services.Printer = &printer;
        form.FormCreate();
        form.Setup(root, nullptr, "");
    }

    // Opens the window, runs act in it, and closes it with Close.
    void Open(std::function<void(QWidget*)> act) {
        OnNextModal([act](QWidget* d) {
            act(d);
            if (d->isVisible()) Click(d, "CloseBtn");
        });
        form.Execute();
    }

    TModalWatchdog watchdog;
    TQtViewFactory views;
    TRecordingPrinter printer;
    TFilterState none;
    TReportForm form{tree, none};
};

TEST_F(ReportFormView, ThePageFollowsTheReportType) {
    Open([](QWidget* d) {
        EXPECT_EQ(d->windowTitle(), "Print Reports");
        EXPECT_EQ(Child<QLabel>(d, "NodeId")->text(), "My Contacts");
        auto* pages = Child<QStackedWidget>(d, "Pages");
        auto* type = Child<QComboBox>(d, "RptTypeCombo");
        ASSERT_EQ(type->count(), 5);
        const char* sheets[] = {"PeopleReportSheet", "EnvelopeSheet", "AddressBookSheet",
                                "LabelSheet", "TabSheet1"};
        for (int i = 0; i < 5; ++i) {
            type->setCurrentIndex(i);
            EXPECT_EQ(pages->currentWidget()->objectName(), sheets[i]);
        }
    });
    EXPECT_EQ(form.RptTypeCombo, TReportForm::rtSimple);
}

TEST_F(ReportFormView, ALabelStockFillsTheEditsAndTypedValuesAreKeptWithoutThePoint) {
    Open([this](QWidget* d) {
        Child<QComboBox>(d, "RptTypeCombo")->setCurrentIndex(TReportForm::rtLabels);
        auto* list = Child<QListWidget>(d, "LabelList");
        ASSERT_EQ(list->count(), 25);
        EXPECT_EQ(list->item(1)->text(), "Avery 5160-Address");
        list->setCurrentRow(1);
        QStringList shown;
        for (const char* e :
             {"TopEdit", "SideEdit", "HeightEdit", "WidthEdit", "HPitchEdit", "VPitchEdit"})
            shown << Child<TMaskEdit>(d, e)->text();
        EXPECT_EQ(shown, (QStringList{"0.50", "0.19", "1.00", "2.63", "2.75", "1.00"}));
        EXPECT_EQ(Child<QSpinBox>(d, "NumAcross")->value(), 3);
        EXPECT_EQ(Child<QSpinBox>(d, "StartLabel")->maximum(), 30);

        auto* top = Child<TMaskEdit>(d, "TopEdit");
        top->selectAll();
        TypeInto(top, "075");
        EXPECT_EQ(top->text(), "0.75");
        EXPECT_EQ(form.TopEdit, "075");
        Child<QSpinBox>(d, "StartLabel")->setValue(7);

        // Another font: the list keeps its place, the edit what was typed.
        list->scrollToBottom();
        const int scrolled = list->verticalScrollBar()->value();
        OnNextModal([](QWidget* fonts) {
            auto* dialog = qobject_cast<QFontDialog*>(fonts);
            ASSERT_NE(dialog, nullptr);
            dialog->setCurrentFont(QFont("Liberation Serif", 12));
            dialog->accept();
        });
        Click(d, "Button5");
        EXPECT_EQ(Child<QLabel>(d, "LabelText")->text(), "Liberation Serif, 12 pt");
        EXPECT_EQ(list->currentRow(), 1);
        EXPECT_EQ(list->verticalScrollBar()->value(), scrolled);
        EXPECT_EQ(top->text(), "0.75");
    });
    EXPECT_EQ(form.LabelList, 1);
    EXPECT_EQ(form.StartLabel, 7);
    EXPECT_EQ(form.LabelText.Family, "Liberation Serif");
    EXPECT_EQ(form.LabelText.Size, 12);
    EXPECT_EQ(form.LabelSheet().TopMargin, 75);
}

TEST_F(ReportFormView, FieldsTheUserDoesNotTouchKeepTheirBytes) {
    form.Return = "Jo \xE9tienne\r\n1 Rue Haute"; // Windows-1252 from an older file
    form.Delivery = "M\xFCller\r\nBerlin";
    form.Title1 = "Liste f\xFCr Vereine";
    Open([](QWidget* d) {
        Child<QComboBox>(d, "RptTypeCombo")->setCurrentIndex(TReportForm::rtEnvelope);
        EXPECT_EQ(Child<QPlainTextEdit>(d, "Return")->toPlainText(), "Jo étienne\n1 Rue Haute");
        Child<QComboBox>(d, "EnvSize")->setCurrentIndex(2);
        Child<QCheckBox>(d, "OmitRetAddr")->setChecked(true);
    });
    EXPECT_EQ(form.Return, "Jo \xE9tienne\r\n1 Rue Haute");
    EXPECT_EQ(form.Delivery, "M\xFCller\r\nBerlin");
    EXPECT_EQ(form.Title1, "Liste f\xFCr Vereine");
    EXPECT_EQ(form.EnvSize, 2);
    EXPECT_TRUE(form.OmitRetAddr);
}

TEST_F(ReportFormView, TypedSettingsReachTheReportAndPreviewShowsIt) {
    Person(nullptr, "Ann", "Adams", nullptr);
    Open([](QWidget* d) {
        auto* left = Child<TMaskEdit>(d, "LeftMargin1");
        EXPECT_EQ(left->text(), "0.0");
        left->selectAll();
        TypeInto(left, "15");
        auto* title = Child<QLineEdit>(d, "Title1");
        title->selectAll();
        TypeInto(title, "Members");
        QTest::mouseClick(Child<QRadioButton>(d, "Landscape1"), Qt::LeftButton);
        auto* gutter = Child<QDoubleSpinBox>(d, "Gutter");
        EXPECT_EQ(gutter->text(), "0.10 in");
        gutter->setValue(0.25);
        Click(d, "PreviewBtn");
    });
    EXPECT_EQ(form.Gutter, 25);
    EXPECT_EQ(form.LeftMargin1, "15");
    EXPECT_EQ(form.Title1, "Members");
    EXPECT_FALSE(form.Portrait1);
    ASSERT_EQ(printer.Jobs.size(), 1u);
    EXPECT_EQ(printer.Jobs[0].Call, TRecordingPrinter::TCall::Preview);
    EXPECT_EQ(printer.Jobs[0].Title, "Members");
    const TReportPage& page = printer.Jobs[0].Pages.at(0);
    EXPECT_GT(page.Width, page.Height);
    EXPECT_EQ(page.Texts().at(0)->Text, "Members");
    EXPECT_EQ(page.Texts().at(0)->X, kPrintableInset + 150);
}

TEST_F(ReportFormView, ClosingSavesTheReturnAddressTheUserTyped) {
    Open([](QWidget* d) {
        Child<QComboBox>(d, "RptTypeCombo")->setCurrentIndex(TReportForm::rtEnvelope);
        TypeInto(Child<QPlainTextEdit>(d, "Return"), "Sam Sender");
        QTest::keyClick(Child<QPlainTextEdit>(d, "Return"), Qt::Key_Return);
        QTest::keyClicks(Child<QPlainTextEdit>(d, "Return"), "1 Return Rd");
        QTest::mouseClick(Child<QCheckBox>(d, "SaveRetAddr"), Qt::LeftButton);
        QTest::keyClick(d, Qt::Key_Escape); // closed as any window is
    });
    EXPECT_EQ(ReadText(svc.File("ret_addr.dat")), "Sam Sender\r\n1 Return Rd\r\n");
}

TEST(PrinterSettings, ThePaperAndOrientationGoToThePrinterAndBack) {
    struct Row {
        TPrinterSettings Stored;
        QPageSize::PageSizeId Paper;
        TPrinterSettings Read;
    } rows[] = {
        {{"", "A4", 0, 0, true}, QPageSize::A4, {"", "A4", 827, 1169, true}},
        {{"", "Letter", 850, 1100, false}, QPageSize::Letter, {"", "Letter", 850, 1100, false}},
        // A paper without a key is found by its size.
        {{"", "", 583, 827, false}, QPageSize::A5, {"", "A5", 583, 827, false}},
        // A printer no longer installed is not chosen.
        {{"Gone Printer", "Legal", 0, 0, false}, QPageSize::Legal, {"", "Legal", 850, 1400, false}},
    };
    for (const Row& r : rows) {
        QPrinter printer(QPrinter::HighResolution);
        printersettings::Apply(printer, r.Stored);
        EXPECT_EQ(printer.pageLayout().pageSize().id(), r.Paper) << r.Stored.PaperName;
        TPrinterSettings read = printersettings::Of(printer);
        read.PrinterName.clear(); // the machine's own default printer, if it has one
        EXPECT_EQ(read, r.Read) << r.Stored.PaperName;
        EXPECT_NE(printer.printerName(), "Gone Printer");
    }
}

} // namespace
