#include "platform/ui/QtViewFactory.h"
#include "records/EMailEditDlg.h"
#include "records/ui/OKBottomView.h"
#include "records/ui/RecordViews.h"
#include "ui_EMailEditDlg.h"

namespace {

// The e-mail dialog: title, address and comment.
class TEMailEditView : public TOKBottomView {
public:
    using D = TEMailEditDlg;
    TEMailEditView(D& dlg, QWidget* parent)
        : TOKBottomView(dlg, new QDialog(DialogParent(parent))) {
        FUi.setupUi(Dialog());
        Fields.Text(FUi.EMailTitle, dlg.EMailTitle, D::kTitleMax);
        Fields.Text(FUi.EMailAddr, dlg.EMailAddr, D::kAddrMax);
        Fields.Text(FUi.EMailComment, dlg.EMailComment, D::kCommentMax);
        SetUpCommon(kindEMail, "mail-message", QStyle::SP_MessageBoxInformation);
    }

private:
    Ui::EMailEditDlg FUi;
};

} // namespace

void RegisterEMailEditView() {
    TQtViewFactory::Register("TEMailEditDlg", [](TFormPresenter& p, QWidget* parent) {
        return std::make_unique<TEMailEditView>(static_cast<TEMailEditDlg&>(p), parent);
    });
}
