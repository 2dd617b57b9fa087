#include "platform/ui/QtViewFactory.h"
#include "records/FolderEditDlg.h"
#include "records/TeamEditDlg.h"
#include "records/ui/OKBottomView.h"
#include "records/ui/RecordViews.h"
#include "ui_TeamEditDlg.h"

namespace {

// The team dialog: title and comment, limited as the folder's.
class TTeamEditView : public TOKBottomView {
public:
    TTeamEditView(TTeamEditDlg& dlg, QWidget* parent)
        : TOKBottomView(dlg, new QDialog(DialogParent(parent))) {
        FUi.setupUi(Dialog());
        Fields.Text(FUi.TeamTitle, dlg.TeamTitle, TFolderEditDlg::kTitleMax);
        Fields.Text(FUi.TeamComment, dlg.TeamComment, TFolderEditDlg::kCommentMax);
        SetUpCommon(kindTeam, "system-users", QStyle::SP_DirLinkIcon);
    }

private:
    Ui::TeamEditDlg FUi;
};

} // namespace

void RegisterTeamEditView() {
    TQtViewFactory::Register("TTeamEditDlg", [](TFormPresenter& p, QWidget* parent) {
        return std::make_unique<TTeamEditView>(static_cast<TTeamEditDlg&>(p), parent);
    });
}
