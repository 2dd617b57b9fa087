#include "records/OKBottomDlg.h"

#include "records/CategoryPopup.h"

TOKBottomDlg::TOKBottomDlg() {
    Caption = "Dialog";
    HelpContext = kHelpContext;
}

void TOKBottomDlg::BindCategories(TKexObject& record) {
    OnCatSelect = [&record](const TScreenPoint& p) { TCategoryPopup::EditCategories(record, p); };
}
