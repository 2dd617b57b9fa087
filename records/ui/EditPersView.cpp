#include "records/ui/EditPersView.h"

#include "platform/ui/CategoryPicture.h"
#include "platform/ui/QtViewFactory.h"
#include "records/EditPersDlg.h"
#include "records/ui/RecordPicture.h"
#include "ui_EditPersDlg.h"

#include <QEvent>
#include <QFocusEvent>
#include <functional>

namespace {
// Runs a callback when the focus moves from the widget to another control of
// the dialog (not when the window itself loses the focus).
class TExitFilter : public QObject {
public:
    TExitFilter(QObject* parent, std::function<void()> onExit)
        : QObject(parent), FOnExit(std::move(onExit)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::FocusOut) {
            Qt::FocusReason r = static_cast<QFocusEvent*>(e)->reason();
            if (r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason) FOnExit();
        }
        return QObject::eventFilter(watched, e);
    }

private:
    std::function<void()> FOnExit;
};
} // namespace

TEditPersView::TEditPersView(TEditPersDlg& presenter, QWidget* parent)
    : TPrimaryPagesView(presenter, parent), P(presenter), U(std::make_unique<Ui::EditPersDlg>()) {
    U->setupUi(Dialog());
    U->Image1->setPixmap(RecordPicture(QStringLiteral("person"), 32));
    Bind({U->Title, U->Comment, U->Image1, U->CatSelect, U->Pages, U->OKBtn, U->CancelBtn,
          U->HelpBtn},
         {U->Title, U->Salutation, U->FName, U->MName, U->LName, U->Comment});

    Fields.Combo(U->Salutation, P.Salutation, P.SalutationItems);
    Fields.Text(U->FName, P.FName);
    Fields.Text(U->MName, P.MName);
    Fields.Text(U->LName, P.LName);
    U->Title->installEventFilter(new TExitFilter(U->Title, [this] { P.TitleExit(); }));
}

TEditPersView::~TEditPersView() = default;

void TEditPersView::FormatChanged(const std::string& sender) {
    P.OnPhoneFmtChg(sender);
}

void RegisterEditPersView() {
    TQtViewFactory::Register("TEditPersDlg", [](TFormPresenter& p, QWidget* parent) {
        return std::make_unique<TEditPersView>(dynamic_cast<TEditPersDlg&>(p), parent);
    });
}
