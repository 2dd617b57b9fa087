#include "platform/ui/DialogView.h"

#include "platform/ui/QtText.h"

#include <QComboBox>
#include <QLineEdit>

TDialogView::TDialogView(TFormPresenter& presenter, QDialog* dialog)
    : FPresenter(presenter), FDialog(dialog) {}

TDialogView::~TDialogView() {
    delete FDialog.data();
}

TModalResult TDialogView::ShowModal() {
    if (!FDialog) return mrCancel;
    if (!FPresenter.Caption.empty()) FDialog->setWindowTitle(FromStored(FPresenter.Caption));
    Refresh();
    ApplyPosition();
    // The dialog opens on its first field with that field's text selected, so
    // typing replaces a pre-filled title such as "New Address".
    for (QWidget* w = FDialog->nextInFocusChain(); w && w != FDialog; w = w->nextInFocusChain()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled() || !w->isVisibleTo(FDialog))
            continue;
        w->setFocus(Qt::TabFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            edit->selectAll();
        else if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->lineEdit())
            combo->lineEdit()->selectAll();
        break;
    }
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
