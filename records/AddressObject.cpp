#include "records/AddressObject.h"

#include "exchange/HtmlOut.h"
#include "records/ColumnValue.h"
#include "records/EditAddressDlg.h"
#include "store/FieldText.h"
#include "store/TextWriter.h"

namespace {
constexpr const char* kMarker = "{Addr}";
constexpr size_t kStoredLines = 3;
} // namespace

TAddressObject::TAddressObject(uint8_t kind, const std::string& title, const std::string& target,
                               const std::string& comment, int32_t objectId,
                               const std::string& classLine)
    : TKexObject(kind, title, target, comment, objectId) {
    ReadClassLine(classLine);
    // A record read without its own line must still write three street lines.
    PadAddressLines();
}

void TAddressObject::AddAddressLine(const std::string& line) {
    FAddressLines.push_back(fieldtext::SafeField(line));
}

void TAddressObject::SetAddressText(const std::string& text) {
    for (const std::string& line : fieldtext::TextLines(text))
        AddAddressLine(line);
    PadAddressLines();
}

void TAddressObject::PadAddressLines() {
    while (FAddressLines.size() < kStoredLines)
        FAddressLines.emplace_back();
}

void TAddressObject::SetCity(const std::string& v) {
    FCity = fieldtext::SafeField(v);
}
void TAddressObject::SetState(const std::string& v) {
    FState = fieldtext::SafeField(v);
}
void TAddressObject::SetPostCode(const std::string& v) {
    FPostCode = fieldtext::SafeField(v);
}
void TAddressObject::SetCountry(const std::string& v) {
    FCountry = fieldtext::SafeField(v);
}

std::string TAddressObject::Line(size_t index) const {
    return index < FAddressLines.size() ? FAddressLines[index] : std::string();
}

std::string TAddressObject::AddressText() const {
    std::string text;
    for (size_t i = 0; i < FAddressLines.size(); ++i) {
        if (i) text += "\r\n";
        text += FAddressLines[i];
    }
    return text;
}

void TAddressObject::ListFields(TFieldList& fields) const {
    fields.emplace_back("AddressLines", FAddressLines);
    fields.emplace_back("City", FCity);
    fields.emplace_back("State", FState);
    fields.emplace_back("PostCode", FPostCode);
    fields.emplace_back("Country", FCountry);
}

void TAddressObject::ReadClassLine(const std::string& line) {
    std::vector<std::string> f;
    if (!SplitClassLine(line, kMarker, f)) return;
    FAddressLines.clear();
    FCity.clear();
    FState.clear();
    FPostCode.clear();
    FCountry.clear();
    SetCategories(0);
    // A line cut short keeps the fields it has; the categories then stay 0.
    for (size_t i = 0; i < kStoredLines; ++i) {
        if (i >= f.size()) return;
        AddAddressLine(f[i]);
    }
    if (f.size() < 4) return;
    SetCity(f[3]);
    if (f.size() < 5) return;
    SetState(f[4]);
    if (f.size() < 6) return;
    SetPostCode(f[5]);
    if (f.size() < 7) return;
    SetCountry(f[6]);
    if (f.size() < 8) return;
    SetCategories(static_cast<uint32_t>(fieldtext::LeadingIntDef(f[7], 0)));
}

bool TAddressObject::AppendClassLine(std::string& out) const {
    out += kMarker;
    for (size_t i = 0; i < kStoredLines; ++i) {
        out += Line(i);
        out += fieldtext::kSeparator;
    }
    for (const std::string* s : {&FCity, &FState, &FPostCode, &FCountry}) {
        out += *s;
        out += fieldtext::kSeparator;
    }
    out += fieldtext::CategoriesText(GetCategories());
    return true;
}

void TAddressObject::SetupPopup(TItemPopup& menu) const {
    TKexObject::SetupPopup(menu);
    menu.Hide(peOpen);
}

bool TAddressObject::EditNew(TTreeNode* /*created*/) {
    return TEditAddressDlg::EditNew(*this);
}

void TAddressObject::EditProperties() {
    TEditAddressDlg::EditProperties(*this);
}

bool TAddressObject::ImportColumns(std::vector<std::string>& values,
                                   const std::vector<std::string>& names) {
    // Street lines are appended after the lines the record really has, not
    // after the empty ones it was padded with.
    while (!FAddressLines.empty() && FAddressLines.back().empty())
        FAddressLines.pop_back();

    std::string v;
    bool hasLine1 = ColumnValue(values, names, "Address Line 1", v);
    if (hasLine1) {
        SetTarget(v);
        AddAddressLine(v);
    }
    SetTitle(ColumnValue(values, names, "Title", v) ? v : std::string("New Address"));
    if (ColumnValue(values, names, "Address Line 2", v)) AddAddressLine(v);
    if (ColumnValue(values, names, "Address Line 3", v)) AddAddressLine(v);
    if (ColumnValue(values, names, "City", v)) SetCity(v);
    if (ColumnValue(values, names, "State/Province", v)) SetState(v);
    if (ColumnValue(values, names, "Postal Code", v)) SetPostCode(v);
    if (ColumnValue(values, names, "Country", v)) SetCountry(v);
    PadAddressLines();
    return hasLine1 && !GetTitle().empty() && !GetTarget().empty();
}

void TAddressObject::GetCsvField(const std::string& fieldName, std::string& text) const {
    if (fieldName == "Title")
        text = CsvValue(GetTitle());
    else if (fieldName == "Address Line 1")
        text = CsvValue(Line(0));
    else if (fieldName == "Address Line 2")
        text = CsvValue(Line(1));
    else if (fieldName == "Address Line 3")
        text = CsvValue(Line(2));
    else if (fieldName == "City")
        text = CsvValue(FCity);
    else if (fieldName == "State/Province")
        text = CsvValue(FState);
    else if (fieldName == "Postal Code")
        text = CsvValue(FPostCode);
    else if (fieldName == "Country")
        text = CsvValue(FCountry);
    else if (fieldName == "Comment")
        text = CsvValue(GetComment());
    else
        text.clear();
}

void TAddressObject::WriteHtmlContent(TTextWriter& f, bool /*withVCards*/) const {
    using htmlout::Escape;
    f.WriteLn("<em><strong>" + Escape(GetTitle()) + "</strong></em><br>");
    if (!GetComment().empty()) f.WriteLn(Escape(GetComment()) + "<br>");
    for (size_t i = 0; i < kStoredLines; ++i)
        if (!Line(i).empty()) f.WriteLn(Escape(Line(i)) + "<br>");
    f.WriteLn(Escape(FCity + ", " + FState + " " + FPostCode) + "<br>");
    if (!FCountry.empty()) f.WriteLn(Escape(FCountry) + "<br>");
}

void TAddressObject::GetVCardLine(std::string& line) const {
    line = "ADR:" + Line(0) + ";" + Line(1) + ";" + Line(2) + ";" + FCity + ";" + FState + ";" +
           FPostCode + ";" + FCountry;
}

void TAddressObject::GetClipboardText(std::string& text) const {
    text.clear();
    for (const std::string& l : FAddressLines)
        if (!l.empty()) text += l + "\r\n";
    text += FCity + ", " + FState + " " + FPostCode + "\r\n";
    text += FCountry + "\r\n";
}
