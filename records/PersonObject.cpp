#include "records/PersonObject.h"

#include "records/CardItems.h"
#include "records/ColumnValue.h"
#include "records/EditPersDlg.h"
#include "store/ContainerRules.h"
#include "store/FieldText.h"
#include "store/TextWriter.h"
#include "store/TreeNode.h"

using fieldtext::SafeField;

TPersonObject::TPersonObject(uint8_t kind, const std::string& title, const std::string& target,
                             const std::string& comment, int32_t objectId,
                             const std::string& classLine)
    : TKexObject(kind, title, target, comment, objectId) {
    ReadClassLine(classLine);
}

void TPersonObject::SetSalutation(const std::string& v) {
    FSalutation = SafeField(v);
}
void TPersonObject::SetFirstName(const std::string& v) {
    FFirstName = SafeField(v);
}
void TPersonObject::SetMiddleName(const std::string& v) {
    FMiddleName = SafeField(v);
}
void TPersonObject::SetLastName(const std::string& v) {
    FLastName = SafeField(v);
}
void TPersonObject::SetPrimaryAddress(const std::string& v) {
    FPrimary.Address = SafeField(v);
}
void TPersonObject::SetPrimaryPhone(const std::string& v) {
    FPrimary.Phone = SafeField(v);
}
void TPersonObject::SetPrimaryFax(const std::string& v) {
    FPrimary.Fax = SafeField(v);
}
void TPersonObject::SetPrimaryEMail(const std::string& v) {
    FPrimary.EMail = SafeField(v);
}
void TPersonObject::SetPrimaryWeb(const std::string& v) {
    FPrimary.Web = SafeField(v);
}

void TPersonObject::SetPrimaryTitles(const TPrimaryTitles& titles) {
    FPrimary = titles;
    primary::MakeSafe(FPrimary);
}

void TPersonObject::FillTitleList(uint8_t kind, std::vector<std::string>& list) const {
    primary::FillTitleList(*this, kind, list);
}

void TPersonObject::ListFields(TFieldList& fields) const {
    fields.push_back({"Salutation", FSalutation});
    fields.push_back({"FirstName", FFirstName});
    fields.push_back({"MiddleName", FMiddleName});
    fields.push_back({"LastName", FLastName});
    fields.push_back({"PrimaryAddress", FPrimary.Address});
    fields.push_back({"PrimaryPhone", FPrimary.Phone});
    fields.push_back({"PrimaryFax", FPrimary.Fax});
    fields.push_back({"PrimaryEMail", FPrimary.EMail});
    fields.push_back({"PrimaryWeb", FPrimary.Web});
}

void TPersonObject::ReadClassLine(const std::string& line) {
    std::vector<std::string> fields;
    if (!SplitClassLine(line, "{Pers}", fields)) return;
    void (TPersonObject::*const setters[])(const std::string&) = {
        &TPersonObject::SetSalutation,     &TPersonObject::SetFirstName,
        &TPersonObject::SetMiddleName,     &TPersonObject::SetLastName,
        &TPersonObject::SetPrimaryAddress, &TPersonObject::SetPrimaryPhone,
        &TPersonObject::SetPrimaryFax,     &TPersonObject::SetPrimaryEMail,
        &TPersonObject::SetPrimaryWeb,
    };
    // A line cut short keeps what it holds; the categories then stay 0.
    SetCategories(0);
    size_t i = 0;
    for (auto setter : setters) {
        if (i >= fields.size()) return;
        (this->*setter)(fields[i++]);
    }
    if (i >= fields.size()) return;
    bool ok = false;
    int32_t categories = fieldtext::LeadingInt(fields[i], ok);
    if (ok) SetCategories(static_cast<uint32_t>(categories));
}

bool TPersonObject::AppendClassLine(std::string& out) const {
    out += "{Pers}";
    for (const std::string* f :
         {&FSalutation, &FFirstName, &FMiddleName, &FLastName, &FPrimary.Address, &FPrimary.Phone,
          &FPrimary.Fax, &FPrimary.EMail, &FPrimary.Web}) {
        out += *f;
        out += fieldtext::kSeparator;
    }
    out += fieldtext::CategoriesText(GetCategories());
    return true;
}

void TPersonObject::SetupPopup(TItemPopup& menu) const {
    TKexObject::SetupPopup(menu);
    primary::SetupPopup(FPrimary, menu);
}

bool TPersonObject::EditNew(TTreeNode* /*created*/) {
    return RunDialog(true);
}

void TPersonObject::EditProperties() {
    RunDialog(false);
}

bool TPersonObject::RunDialog(bool newPerson) {
    TEditPersDlg dlg;
    dlg.SetPerson(*this);
    dlg.BindCategories(*this);
    if (newPerson)
        dlg.SetDefaultPageTitles();
    else
        dlg.HideNumberFormats();
    if (dlg.ShowModal() != mrOk) return false;

    const std::string composedBefore = FSalutation + " " + FFirstName + " " + FLastName;
    SetSalutation(dlg.Salutation);
    SetFirstName(dlg.FName);
    SetMiddleName(dlg.MName);
    SetLastName(dlg.LName);
    SetTitle(dlg.Title);
    // The blanks stay even when a part is empty; the middle name is left out.
    // A target made elsewhere (an import) stays until the names change.
    const std::string composed = FSalutation + " " + FFirstName + " " + FLastName;
    if (newPerson || composed != composedBefore) SetTarget(composed);
    SetComment(dlg.Comment);
    TPrimaryTitles titles = FPrimary;
    dlg.StorePages(*this, titles, newPerson);
    SetPrimaryTitles(titles);
    if (TTreeNode* node = GetNode()) node->SetText(GetTitle());
    return true;
}

bool TPersonObject::ImportColumns(std::vector<std::string>& values,
                                  const std::vector<std::string>& names) {
    std::string v;
    if (ColumnValue(values, names, "Title", v)) SetTitle(v);
    if (ColumnValue(values, names, "Salutation", v)) SetSalutation(v);
    if (ColumnValue(values, names, "First Name", v)) SetFirstName(v);
    if (ColumnValue(values, names, "Middle Name", v)) SetMiddleName(v);
    if (ColumnValue(values, names, "Last Name", v)) SetLastName(v);
    if (ColumnValue(values, names, "Comment", v)) SetComment(v);
    SetTarget(FFirstName + " " + FLastName);
    // Without a first or a last name the target is the lone blank: no person.
    if (GetTarget().size() < 2) return false;
    if (GetTitle().empty()) SetTitle(GetTarget());
    primary::BlankComment(values, names);
    primary::ImportPrimaries(*this, values, names, FPrimary);
    return true;
}

void TPersonObject::GetCsvField(const std::string& fieldName, std::string& text) const {
    const std::string* own = nullptr;
    if (fieldName == "Title")
        own = &GetTitle();
    else if (fieldName == "Salutation")
        own = &FSalutation;
    else if (fieldName == "First Name")
        own = &FFirstName;
    else if (fieldName == "Middle Name")
        own = &FMiddleName;
    else if (fieldName == "Last Name")
        own = &FLastName;
    else if (fieldName == "Comment")
        own = &GetComment();
    if (own)
        text = CsvValue(*own);
    else
        primary::CsvField(*this, FPrimary, fieldName, text);
}

void TPersonObject::SendMail(const std::string& attachment) {
    primary::SendMail(*this, FPrimary, attachment);
}

void TPersonObject::SendFax(const std::string& document) {
    primary::SendFax(*this, FPrimary, document);
}

void TPersonObject::Dial() {
    primary::Dial(*this, FPrimary);
}

void TPersonObject::Browse() {
    primary::Browse(*this, FPrimary);
}

void TPersonObject::WriteHtmlContent(TTextWriter& f, bool withVCards) const {
    const std::string& title = GetTitle();
    f.WriteLn("<p><table width=100%>");
    f.WriteLn("<tr><td valign=top><a name=\"" + title + "\"><font size=4>" + title +
              "</font></a><br>");
    if (!GetComment().empty()) f.WriteLn(GetComment() + "<br>");
    if (withVCards)
        f.WriteLn("<p><font size=2><a href=\"vc" + std::to_string(GetObjectId()) +
                  ".vcf\"><img src=\"vcard.gif\" align=left border=0 width=16 height=16>"
                  "Get vCard</a></font></p>");
    f.WriteLn(FSalutation + " " + FFirstName + " " + FMiddleName + " " + FLastName + "<br>");
    primary::WriteItemHtml(*this, FPrimary, kindAddress, f);
    f.WriteLn("</td><td valign=top>");
    primary::WriteItemHtml(*this, FPrimary, kindPhone, f);
    primary::WriteItemHtml(*this, FPrimary, kindFax, f);
    primary::WriteItemHtml(*this, FPrimary, kindEMail, f);
    f.WriteLn("</td></tr>");
    f.WriteLn("<tr><td valign=top>");
    primary::WriteItemHtml(*this, FPrimary, kindWeb, f);
    f.WriteLn("</td><td valign=top>");
    primary::WriteOtherItemsHtml(*this, FPrimary, f, "<p>");
    f.WriteLn("</td></tr></table>");
    f.WriteLn("<hr>");
}

void TPersonObject::WriteHtmlIndex(TTextWriter& f, const std::string& pageName) const {
    container::WriteIndexLink(
        *this, f, pageName,
        "<img src=\"person.gif\" align=bottom border=0 hspace=5 width=16 height=16>");
}

void TPersonObject::ImportVCard(const TCard& card) {
    if (const TCardProperty* n = card.FindProperty("N")) {
        SetLastName(n->Value(0));
        SetFirstName(n->Value(1));
        SetMiddleName(n->Value(2));
        SetSalutation(n->Value(3));
    }
    if (const TCardProperty* title = card.FindProperty("TITLE"))
        SetTitle(title->Value(0));
    else if (const TCardProperty* fn = card.FindProperty("FN"))
        SetTitle(fn->Value(0));
    else
        SetTitle(FFirstName + " " + FLastName);
    SetTarget(FSalutation + " " + FFirstName + " " + FLastName);
    if (GetComment().empty()) SetComment(carditems::NoteText(card));
    TPrimaryTitles titles = FPrimary;
    carditems::ImportItems(*this, card, titles);
    SetPrimaryTitles(titles);
    carditems::ImportBirthday(*this, card);
}

void TPersonObject::SaveVCard(const std::string& fileName) const {
    carditems::WriteCardFile(VCard(), fileName);
}

TCard TPersonObject::VCard() const {
    TCard card;
    carditems::AddLine(card,
                       "N:" + FLastName + ";" + FFirstName + ";" + FMiddleName + ";" + FSalutation);
    carditems::AddLine(card, "FN:" + GetTarget());
    carditems::AddLine(card, "TITLE:" + GetTitle());
    carditems::AddItemLines(card, *this, FPrimary);
    carditems::AddBirthday(card, *this);
    carditems::AddNote(card, GetComment());
    return card;
}
