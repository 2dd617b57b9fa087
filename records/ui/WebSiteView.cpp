#include "platform/ui/QtViewFactory.h"
#include "records/WebSiteDlg.h"
#include "records/ui/OKBottomView.h"
#include "records/ui/RecordViews.h"
#include "ui_WebSiteDlg.h"

namespace {

// The website dialog: title, the address with the usual schemes to pick
// from, and comment.
class TWebSiteView : public TOKBottomView {
public:
    using D = TWebSiteDlg;
    TWebSiteView(D& dlg, QWidget* parent) : TOKBottomView(dlg, new QDialog(DialogParent(parent))) {
        FUi.setupUi(Dialog());
        Fields.Text(FUi.WebTitle, dlg.WebTitle, D::kTitleMax);
        Fields.Combo(FUi.Web, dlg.Web, dlg.WebItems);
        Fields.Text(FUi.WebComment, dlg.WebComment, D::kCommentMax);
        SetUpCommon(kindWeb, "text-html", QStyle::SP_DriveNetIcon);
    }

private:
    Ui::WebSiteDlg FUi;
};

} // namespace

void RegisterWebSiteView() {
    TQtViewFactory::Register("TWebSiteDlg", [](TFormPresenter& p, QWidget* parent) {
        return std::make_unique<TWebSiteView>(static_cast<TWebSiteDlg&>(p), parent);
    });
}
