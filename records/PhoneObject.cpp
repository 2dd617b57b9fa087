#include "records/PhoneObject.h"

#include "platform/Services.h"
#include "platform/Telephony.h"
#include "records/ColumnValue.h"
#include "records/PhoneEditDlg.h"
#include "store/FieldText.h"

namespace {
constexpr const char* kMarker = "{Phon}";
} // namespace

TPhoneObject::TPhoneObject(uint8_t kind, const std::string& title, const std::string& target,
                           const std::string& comment, int32_t objectId,
                           const std::string& classLine)
    : TKexObject(kind, title, target, comment, objectId) {
    ReadClassLine(classLine);
}

void TPhoneObject::SetExtension(const std::string& v) {
    FExtension = fieldtext::SafeField(v);
}

void TPhoneObject::ListFields(TFieldList& fields) const {
    fields.emplace_back("Extension", FExtension);
}

void TPhoneObject::ReadClassLine(const std::string& line) {
    std::vector<std::string> f;
    if (!SplitClassLine(line, kMarker, f)) return;
    SetExtension(f[0]);
    SetCategories(f.size() > 1 ? static_cast<uint32_t>(fieldtext::LeadingIntDef(f[1], 0)) : 0);
}

bool TPhoneObject::AppendClassLine(std::string& out) const {
    out += kMarker;
    out += FExtension;
    out += fieldtext::kSeparator;
    out += fieldtext::CategoriesText(GetCategories());
    return true;
}

void TPhoneObject::SetupPopup(TItemPopup& menu) const {
    TKexObject::SetupPopup(menu);
    menu.Hide(peOpen);
    menu.Show(peDial);
}

bool TPhoneObject::EditNew(TTreeNode* /*created*/) {
    return TPhoneEditDlg::EditNew(*this);
}

void TPhoneObject::EditProperties() {
    TPhoneEditDlg::EditProperties(*this);
}

bool TPhoneObject::ImportColumns(std::vector<std::string>& values,
                                 const std::vector<std::string>& names) {
    std::string v;
    bool hasTitle = ColumnValue(values, names, "Title", v);
    if (hasTitle) SetTitle(v);
    bool hasNumber = ColumnValue(values, names, "Phone Number", v);
    if (hasNumber) SetTarget(v);
    if (ColumnValue(values, names, "Comment", v)) SetComment(v);
    if (ColumnValue(values, names, "Extension", v)) SetExtension(v);
    return hasTitle && hasNumber && !GetTitle().empty() && !GetTarget().empty();
}

void TPhoneObject::GetCsvField(const std::string& fieldName, std::string& text) const {
    if (fieldName == "Title")
        text = CsvValue(GetTitle());
    else if (fieldName == "Phone Number")
        text = CsvValue(GetTarget());
    else if (fieldName == "Comment")
        text = CsvValue(GetComment());
    else if (fieldName == "Extension")
        text = CsvValue(FExtension);
    else
        text.clear();
}

void TPhoneObject::DefaultAction() {
    Dial();
}

void TPhoneObject::Dial() {
    // The dialer's answer is not looked at: a failed dial is not reported.
    Svc().UseTelephony().RequestMakeCall(GetTarget(), "Tessalin", GetTitle(), GetComment());
}

void TPhoneObject::GetVCardLine(std::string& line) const {
    line = "TEL:" + GetTarget();
}
