#include "platform/ui/DialogView.h"

#include "platform/ui/QtText.h"

TDialogView::TDialogView(TFormPresenter& presenter, QDialog* dialog)
    : FPresenter(presenter), FDialog(dialog) {}

TDialogView::~TDialogView() { delete FDialog.data(); }

TModalResult TDialogView::ShowModal() {
    if (!FDialog) return mrCancel;
    if (!FPresenter.Caption.empty()) FDialog->setWindowTitle(FromStored(FPresenter.Caption));
    Refresh();
    ApplyPosition();
    int r = FDialog->exec();
    if (FClosing != mrNone) return FClosing;
    if (r == QDialog::Accepted) {
        Store();
        return mrOk;
    }
    return mrCancel;
}

void TDialogView::Refresh() {
    FFilling = true;
    Fill();
    FFilling = false;
}

void TDialogView::Close(TModalResult result) {
    FClosing = result;
    if (!FDialog) return;
    if (result == mrOk || result == mrYes) Store();
    FDialog->done(result == mrOk || result == mrYes ? QDialog::Accepted : QDialog::Rejected);
}

void TDialogView::ApplyPosition() {
    if (FPresenter.HasPosition && FDialog) FDialog->move(FPresenter.Left, FPresenter.Top);
}
