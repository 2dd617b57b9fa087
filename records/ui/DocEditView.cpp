#include "platform/ImageList.h"
#include "platform/ui/QtViewFactory.h"
#include "records/DocEditDlg.h"
#include "records/ui/OKBottomView.h"
#include "records/ui/RecordViews.h"
#include "ui_DocEditDlg.h"

namespace {

// The document dialog: title, file name with "Browse...", comment.
class TDocEditView : public TOKBottomView {
public:
    TDocEditView(TDocEditDlg& dlg, QWidget* parent)
        : TOKBottomView(dlg, new QDialog(DialogParent(parent))) {
        FUi.setupUi(Dialog());
        Fields.Text(FUi.TitleEdit, dlg.TitleEdit);
        Fields.Text(FUi.FilenameEdit, dlg.FilenameEdit);
        Fields.Text(FUi.CommentEdit, dlg.CommentEdit);
        QObject::connect(FUi.BrowseBtn, &QPushButton::clicked, Dialog(),
                         [&dlg] { dlg.BrowseBtnClick(); });
        SetUpCommon(kGenericDocumentImage, "text-x-generic", QStyle::SP_FileIcon);
    }

private:
    Ui::DocEditDlg FUi;
};

} // namespace

void RegisterDocEditView() {
    TQtViewFactory::Register("TDocEditDlg", [](TFormPresenter& p, QWidget* parent) {
        return std::make_unique<TDocEditView>(static_cast<TDocEditDlg&>(p), parent);
    });
}
