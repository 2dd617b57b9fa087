#include "printing/Addressee.h"
#include "printing/PrinterSetupDlg.h"
#include "printing/ReportForm.h"
#include "shell/MainForm.h"
#include "store/TreeNode.h"

void TMainForm::PrintBtnClick() {
    if (!Selected) return;
    // The envelope goes to the record the item actions would act on; the
    // reports cover the selected node.
    TKexObject* record = ActivePane == TPane::Folders ? nullptr : SelectedRowObject();
    if (!record) record = Selected->Data();
    const TAddressee to = EnvelopeAddressee(record);
    if (!FReportForm) {
        FReportForm = std::make_unique<TReportForm>(Folders, Filter);
        FReportForm->FormCreate();
    }
    FReportForm->Setup(Selected, to.Address, to.Name);
    FReportForm->Execute();
}

void TMainForm::PrinterSetupItemClick() {
    TPrinterSetupDlg dialog;
    if (dialog.Execute() && FReportForm && dialog.OrientationChanged())
        FReportForm->UsePrinterOrientation(dialog.Printer.Landscape);
}
