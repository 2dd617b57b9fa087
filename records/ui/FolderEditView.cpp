#include "platform/ui/QtViewFactory.h"
#include "records/FolderEditDlg.h"
#include "records/ui/OKBottomView.h"
#include "records/ui/RecordViews.h"
#include "ui_FolderEditDlg.h"

namespace {

// The folder dialog: title and comment.
class TFolderEditView : public TOKBottomView {
public:
    TFolderEditView(TFolderEditDlg& dlg, QWidget* parent)
        : TOKBottomView(dlg, new QDialog(DialogParent(parent))) {
        FUi.setupUi(Dialog());
        Fields.Text(FUi.FolderTitle, dlg.FolderTitle, TFolderEditDlg::kTitleMax);
        Fields.Text(FUi.FolderComment, dlg.FolderComment, TFolderEditDlg::kCommentMax);
        SetUpCommon(kindFolder, "folder", QStyle::SP_DirIcon);
    }

private:
    Ui::FolderEditDlg FUi;
};

} // namespace

void RegisterFolderEditView() {
    TQtViewFactory::Register("TFolderEditDlg", [](TFormPresenter& p, QWidget* parent) {
        return std::make_unique<TFolderEditView>(static_cast<TFolderEditDlg&>(p), parent);
    });
}
