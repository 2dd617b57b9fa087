#include "platform/ui/DialogView.h"

#include "platform/ui/CategoryPicture.h"
#include "platform/ui/QtText.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace {

// Keyboard use of what the record dialogs share: F1 presses Help, and Tab
// reaches the category picture (Space opens the picker) just before OK.
void SetUpKeyboard(QDialog* dlg) {
    if (dlg->property("merrowinKeys").toBool()) return;
    dlg->setProperty("merrowinKeys", true);
    if (auto* help = dlg->findChild<QPushButton*>("HelpBtn")) {
        auto* key = new QShortcut(QKeySequence::HelpContents, dlg);
        QObject::connect(key, &QShortcut::activated, help, [help] {
            if (help->isVisible() && help->isEnabled()) help->click();
        });
    }
    auto* cat = dlg->findChild<TCategoryPicture*>("CatSelect");
    auto* ok = dlg->findChild<QPushButton*>("OKBtn");
    if (!cat || !ok) return;
    cat->setFocusPolicy(Qt::TabFocus);
    QWidget* before = ok->previousInFocusChain();
    while (before != ok && before != dlg &&
           (before == cat || !(before->focusPolicy() & Qt::TabFocus)))
        before = before->previousInFocusChain();
    if (before != ok && before != dlg) QWidget::setTabOrder(before, cat);
    QWidget::setTabOrder(cat, ok);
}

} // namespace

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
    SetUpKeyboard(FDialog);
    // The dialog opens on its first field with that field's text selected, so
    // typing replaces a pre-filled title such as "New Address".
    if (QWidget* first = FirstFocus()) first->setFocus(Qt::TabFocusReason);
    for (QWidget* w = FDialog->nextInFocusChain(); w && w != FDialog && !FirstFocus();
         w = w->nextInFocusChain()) {
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
