#include "records/PhoneEditDlg.h"

#include "records/EditMask.h"
#include "records/PhoneFormats.h"
#include "records/PhoneObject.h"

TPhoneEditDlg::TPhoneEditDlg() {
    Caption = "Phone";
    FormCreate();
}

void TPhoneEditDlg::FormCreate() {
    SetPhoneNumMask("");
    PhoneFmtVisible = false;
}

void TPhoneEditDlg::PhoneFmtChange() {
    ChooseFormat(PhoneFmt, PhoneNumMask, PhoneNum);
    Changed();
}

void TPhoneEditDlg::PhoneNumUnfit(const std::string& text) {
    KeepAsTyped(PhoneFmt, PhoneNumMask, PhoneNum, text);
    Changed();
}

void TPhoneEditDlg::SetPhoneNumMask(const std::string& mask) {
    PhoneNum = TEditMask(mask).Refit(TEditMask(PhoneNumMask), PhoneNum);
    PhoneNumMask = mask;
}

std::string TPhoneEditDlg::NumberText() const {
    return TEditMask(PhoneNumMask).Fit(PhoneNum);
}

bool TPhoneEditDlg::HasNumber() const {
    return TEditMask(PhoneNumMask).HasEnteredCharacter(PhoneNum);
}

void TPhoneEditDlg::Store(TPhoneObject& phone) const {
    phone.SetTitle(PhoneTitle);
    phone.SetTarget(NumberText());
    phone.SetComment(PhoneComment);
    phone.SetExtension(Extension);
}

bool TPhoneEditDlg::EditNew(TPhoneObject& phone) {
    TPhoneEditDlg dlg;
    dlg.PhoneTitle = "New Phone";
    dlg.PhoneFmt = DefaultPhoneFormat();
    dlg.SetPhoneNumMask(PhoneFormatMask(dlg.PhoneFmt));
    dlg.PhoneFmtVisible = true;
    dlg.BindCategories(phone);
    if (dlg.ShowModal() != mrOk) return false;
    if (dlg.PhoneTitle.empty() || !dlg.HasNumber()) return false;
    dlg.Store(phone);
    return true;
}

void TPhoneEditDlg::EditProperties(TPhoneObject& phone) {
    TPhoneEditDlg dlg;
    dlg.PhoneTitle = phone.GetTitle();
    dlg.PhoneNum = phone.GetTarget();
    dlg.Extension = phone.Extension();
    dlg.PhoneComment = phone.GetComment();
    dlg.BindCategories(phone);
    if (dlg.ShowModal() != mrOk) return;
    if (dlg.PhoneTitle.empty() || !dlg.HasNumber()) return;
    dlg.Store(phone);
}
