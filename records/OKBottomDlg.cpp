#include "records/OKBottomDlg.h"

TOKBottomDlg::TOKBottomDlg() {
    Caption = "Dialog";
    HelpContext = kHelpContext;
}

void TOKBottomDlg::BindCategories(TKexObject& record) {
    OnCatSelect = [&record](const TScreenPoint& p) { record.EditCategories(p); };
}
