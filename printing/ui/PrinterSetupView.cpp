#include "platform/Services.h"
#include "platform/ui/DialogView.h"
#include "platform/ui/QtViewFactory.h"
#include "printing/PrinterSetupDlg.h"
#include "printing/ui/PrinterSettingsQt.h"
#include "printing/ui/PrintingViews.h"
#include "records/ui/OKBottomView.h"
#include "report/ui/QtReportPrinter.h"

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPushButton>

namespace {

// Qt's print dialog on the printer that reports print on: the printer, and
// under "Properties" its paper and orientation. OK sets them for the next
// print.
class TPrinterSetupView : public TDialogView {
public:
    TPrinterSetupView(TPrinterSetupDlg& dialog, QPrinter& printer, QWidget* parent)
        : TDialogView(dialog, new QPrintDialog(&printer, DialogParent(parent))), P(dialog),
          FPrinter(printer) {
        auto* d = static_cast<QPrintDialog*>(Dialog());
        d->setOption(QAbstractPrintDialog::PrintSelection, false);
        d->setOption(QAbstractPrintDialog::PrintPageRange, false);
        d->setOption(QAbstractPrintDialog::PrintCurrentPage, false);
        // The dialog chooses a printer here; nothing prints yet.
        if (auto* box = d->findChild<QDialogButtonBox*>())
            if (QPushButton* ok = box->button(QDialogButtonBox::Ok)) ok->setText(QObject::tr("OK"));
    }

protected:
    void Fill() override {}
    void Store() override { P.Printer = printersettings::Of(FPrinter); }

private:
    TPrinterSetupDlg& P;
    QPrinter& FPrinter;
};

} // namespace

void RegisterPrinterSetupView() {
    TQtViewFactory::Register(
        "TPrinterSetupDlg", [](TFormPresenter& p, QWidget* parent) -> std::unique_ptr<IFormView> {
            auto* printer = dynamic_cast<TQtReportPrinter*>(Svc().Printer);
            if (!printer) return nullptr;
            return std::make_unique<TPrinterSetupView>(dynamic_cast<TPrinterSetupDlg&>(p),
                                                       printer->Printer(), parent);
        });
}
