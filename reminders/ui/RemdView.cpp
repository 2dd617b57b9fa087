#include "platform/ui/QtViewFactory.h"
#include "records/ui/OKBottomView.h"
#include "reminders/RemdDlg.h"
#include "reminders/ui/ReminderViews.h"
#include "ui_RemdDlg.h"

namespace {

// The reminder dialog: title, the rule in words with the buttons that change
// it at once, and comment.
class TRemdView : public TOKBottomView {
public:
    TRemdView(TRemdDlg& dlg, QWidget* parent)
        : TOKBottomView(dlg, new QDialog(DialogParent(parent))) {
        FUi.setupUi(Dialog());
        // Tab follows the rows: the date buttons come before the comment.
        QWidget::setTabOrder(FUi.SetDateBtn, FUi.AdvanceBtn);
        QWidget::setTabOrder(FUi.AdvanceBtn, FUi.RemdComment);
        Fields.Text(FUi.TitleEdit, dlg.TitleEdit);
        Fields.Label(FUi.TargetDateLabel, dlg.TargetDateLabel);
        Fields.Text(FUi.RemdComment, dlg.RemdComment);
        QObject::connect(FUi.SetDateBtn, &QPushButton::clicked, Dialog(),
                         [&dlg] { dlg.SetDateBtnClick(); });
        QObject::connect(FUi.AdvanceBtn, &QPushButton::clicked, Dialog(),
                         [&dlg] { dlg.AdvanceBtnClick(); });
        SetUpCommon(kindReminder, "appointment-soon", QStyle::SP_BrowserReload);
    }

private:
    Ui::RemdDlg FUi;
};

} // namespace

void RegisterRemdView() {
    TQtViewFactory::Register("TRemdDlg", [](TFormPresenter& p, QWidget* parent) {
        return std::make_unique<TRemdView>(static_cast<TRemdDlg&>(p), parent);
    });
}
