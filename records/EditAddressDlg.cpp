#include "records/EditAddressDlg.h"

#include "records/AddressObject.h"
#include "store/FieldText.h"

void TEditAddressDlg::Store(TAddressObject& address) const {
    std::vector<std::string> lines = fieldtext::TextLines(Addr);
    address.SetTitle(AddrTitle);
    address.SetTarget(lines.empty() ? std::string() : lines.front());
    address.SetComment(AddrComment);
    address.ClearAddressLines();
    address.SetAddressText(Addr);
    address.SetCity(City);
    address.SetState(State);
    address.SetPostCode(PostCode);
    address.SetCountry(Country);
}

bool TEditAddressDlg::EditNew(TAddressObject& address) {
    TEditAddressDlg dlg;
    dlg.AddrTitle = "New Address";
    dlg.BindCategories(address);
    if (dlg.ShowModal() != mrOk) return false;
    if (dlg.AddrTitle.empty() || dlg.Addr.empty()) return false;
    dlg.Store(address);
    return true;
}

void TEditAddressDlg::EditProperties(TAddressObject& address) {
    TEditAddressDlg dlg;
    dlg.AddrTitle = address.GetTitle();
    dlg.AddrComment = address.GetComment();
    dlg.Addr = address.AddressText();
    dlg.City = address.City();
    dlg.State = address.State();
    dlg.PostCode = address.PostCode();
    dlg.Country = address.Country();
    dlg.BindCategories(address);
    if (dlg.ShowModal() != mrOk || dlg.AddrTitle.empty()) return;
    dlg.Store(address);
}
