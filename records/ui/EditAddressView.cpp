#include "platform/ui/QtViewFactory.h"
#include "records/EditAddressDlg.h"
#include "records/ui/OKBottomView.h"
#include "records/ui/RecordViews.h"
#include "ui_EditAddressDlg.h"

namespace {

// The address dialog: title, street lines, city, state, postal code,
// country and comment.
class TEditAddressView : public TOKBottomView {
public:
    using D = TEditAddressDlg;
    TEditAddressView(D& dlg, QWidget* parent)
        : TOKBottomView(dlg, new QDialog(DialogParent(parent))) {
        FUi.setupUi(Dialog());
        Fields.Text(FUi.AddrTitle, dlg.AddrTitle, D::kTitleMax);
        Fields.Lines(FUi.Addr, dlg.Addr, D::kAddrMax);
        Fields.Text(FUi.City, dlg.City, D::kCityMax);
        Fields.Text(FUi.State, dlg.State, D::kStateMax);
        Fields.Text(FUi.PostCode, dlg.PostCode, D::kPostCodeMax);
        Fields.Text(FUi.Country, dlg.Country, D::kCountryMax);
        Fields.Text(FUi.AddrComment, dlg.AddrComment, D::kCommentMax);
        SetUpCommon(kindAddress, "x-office-address-book", QStyle::SP_FileDialogInfoView);
    }

private:
    Ui::EditAddressDlg FUi;
};

} // namespace

void RegisterEditAddressView() {
    TQtViewFactory::Register("TEditAddressDlg", [](TFormPresenter& p, QWidget* parent) {
        return std::make_unique<TEditAddressView>(static_cast<TEditAddressDlg&>(p), parent);
    });
}
