#include "records/FaxEditDlg.h"

#include "records/EditMask.h"
#include "records/FaxObject.h"
#include "records/PhoneFormats.h"

void TFaxEditDlg::FaxFmtChange() {
    ChooseFormat(FaxFmt, FaxNumMask, FaxNum);
    Changed();
}

void TFaxEditDlg::FaxNumUnfit(const std::string& text) {
    KeepAsTyped(FaxFmt, FaxNumMask, FaxNum, text);
    Changed();
}

void TFaxEditDlg::SetFaxNumMask(const std::string& mask) {
    FaxNum = TEditMask(mask).Refit(TEditMask(FaxNumMask), FaxNum);
    FaxNumMask = mask;
}

std::string TFaxEditDlg::NumberText() const {
    return TEditMask(FaxNumMask).Fit(FaxNum);
}

bool TFaxEditDlg::HasNumber() const {
    return TEditMask(FaxNumMask).HasEnteredCharacter(FaxNum);
}

void TFaxEditDlg::Store(TFaxObject& fax) const {
    fax.SetTitle(FaxTitle);
    fax.SetTarget(NumberText());
    fax.SetComment(FaxComment);
}

bool TFaxEditDlg::EditNew(TFaxObject& fax) {
    TFaxEditDlg dlg;
    dlg.FaxTitle = "New Fax";
    dlg.FaxFmt = DefaultPhoneFormat();
    dlg.SetFaxNumMask(PhoneFormatMask(dlg.FaxFmt));
    dlg.FaxFmtVisible = true;
    dlg.BindCategories(fax);
    if (dlg.ShowModal() != mrOk) return false;
    if (dlg.FaxTitle.empty() || !dlg.HasNumber()) return false;
    dlg.Store(fax);
    return true;
}

void TFaxEditDlg::EditProperties(TFaxObject& fax) {
    TFaxEditDlg dlg;
    dlg.FaxFmtVisible = false;
    dlg.FaxTitle = fax.GetTitle();
    dlg.FaxNum = fax.GetTarget();
    dlg.FaxComment = fax.GetComment();
    dlg.BindCategories(fax);
    if (dlg.ShowModal() != mrOk || dlg.FaxTitle.empty()) return;
    dlg.Store(fax);
}
