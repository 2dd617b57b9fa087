#include "records/OrgObject.h"

#include "records/CardItems.h"
#include "records/ColumnValue.h"
#include "records/OrgEditDlg.h"
#include "store/ContainerRules.h"
#include "store/FieldText.h"
#include "store/TextWriter.h"
#include "store/TreeNode.h"

using fieldtext::SafeField;

TOrgObject::TOrgObject(uint8_t kind, const std::string& title, const std::string& target,
                       const std::string& comment, int32_t objectId, const std::string& classLine)
    : TKexObject(kind, title, target, comment, objectId) {
    ReadClassLine(classLine);
}

void TOrgObject::SetPrimaryAddress(const std::string& v) {
    FPrimary.Address = SafeField(v);
}
void TOrgObject::SetPrimaryPhone(const std::string& v) {
    FPrimary.Phone = SafeField(v);
}
void TOrgObject::SetPrimaryFax(const std::string& v) {
    FPrimary.Fax = SafeField(v);
}
void TOrgObject::SetPrimaryEMail(const std::string& v) {
    FPrimary.EMail = SafeField(v);
}
void TOrgObject::SetPrimaryWeb(const std::string& v) {
    FPrimary.Web = SafeField(v);
}

void TOrgObject::SetPrimaryTitles(const TPrimaryTitles& titles) {
    FPrimary = titles;
    primary::MakeSafe(FPrimary);
}

void TOrgObject::FillTitleList(uint8_t kind, std::vector<std::string>& list) const {
    primary::FillTitleList(*this, kind, list);
}

void TOrgObject::ListFields(TFieldList& fields) const {
    fields.push_back({"PrimaryAddress", FPrimary.Address});
    fields.push_back({"PrimaryPhone", FPrimary.Phone});
    fields.push_back({"PrimaryFax", FPrimary.Fax});
    fields.push_back({"PrimaryEMail", FPrimary.EMail});
    fields.push_back({"PrimaryWeb", FPrimary.Web});
}

void TOrgObject::ReadClassLine(const std::string& line) {
    std::vector<std::string> fields;
    if (!SplitClassLine(line, "{Orgn}", fields)) return;
    // A line cut short keeps what it holds; the categories then stay 0.
    SetCategories(0);
    size_t i = 0;
    for (const auto& slot : primary::kSlots) {
        if (i >= fields.size()) return;
        FPrimary.*slot.Field = SafeField(fields[i++]);
    }
    if (i >= fields.size()) return;
    bool ok = false;
    int32_t categories = fieldtext::LeadingInt(fields[i], ok);
    if (ok) SetCategories(static_cast<uint32_t>(categories));
}

bool TOrgObject::AppendClassLine(std::string& out) const {
    out += "{Orgn}";
    for (const auto& slot : primary::kSlots) {
        out += FPrimary.*slot.Field;
        out += fieldtext::kSeparator;
    }
    out += fieldtext::CategoriesText(GetCategories());
    return true;
}

void TOrgObject::SetupPopup(TItemPopup& menu) const {
    TKexObject::SetupPopup(menu);
    primary::SetupPopup(FPrimary, menu);
}

bool TOrgObject::EditNew(TTreeNode* /*created*/) {
    return RunDialog(true);
}

void TOrgObject::EditProperties() {
    RunDialog(false);
}

bool TOrgObject::RunDialog(bool newOrg) {
    TOrgEditDlg dlg;
    dlg.SetOrg(*this);
    dlg.BindCategories(*this);
    if (newOrg)
        dlg.SetDefaultPageTitles();
    else
        dlg.HideNumberFormats();
    if (dlg.ShowModal() != mrOk) return false;

    SetTitle(dlg.Title);
    SetComment(dlg.Comment);
    TPrimaryTitles titles = FPrimary;
    dlg.StorePages(*this, titles, newOrg);
    SetPrimaryTitles(titles);
    if (TTreeNode* node = GetNode()) node->SetText(GetTitle());
    return true;
}

bool TOrgObject::ImportColumns(std::vector<std::string>& values,
                               const std::vector<std::string>& names) {
    std::string v;
    if (ColumnValue(values, names, "Title", v)) SetTitle(v);
    if (ColumnValue(values, names, "Comment", v)) SetComment(v);
    if (GetTitle().empty()) return false;
    primary::BlankComment(values, names);
    primary::ImportPrimaries(*this, values, names, FPrimary);
    return true;
}

void TOrgObject::GetCsvField(const std::string& fieldName, std::string& text) const {
    if (fieldName == "Title")
        text = CsvValue(GetTitle());
    else if (fieldName == "Comment")
        text = CsvValue(GetComment());
    else
        primary::CsvField(*this, FPrimary, fieldName, text);
}

void TOrgObject::SendMail(const std::string& attachment) {
    primary::SendMail(*this, FPrimary, attachment);
}

void TOrgObject::SendFax(const std::string& document) {
    primary::SendFax(*this, FPrimary, document);
}

void TOrgObject::Dial() {
    primary::Dial(*this, FPrimary);
}

void TOrgObject::Browse() {
    primary::Browse(*this, FPrimary);
}

void TOrgObject::WriteHtmlContent(TTextWriter& f, bool withVCards) const {
    const std::string& title = GetTitle();
    f.WriteLn("<p><table width=100%>");
    f.WriteLn("<tr><td valign=top><a name=\"" + title + "\"><font size=4>" + title +
              "</font></a><br>");
    if (!GetComment().empty()) f.WriteLn(GetComment() + "<br>");
    if (withVCards)
        f.WriteLn("<p><font size=1><a href=\"vc" + std::to_string(GetObjectId()) +
                  ".vcf\"><img src=\"vcard.gif\" align=left border=0 width=16 height=16>"
                  "Get vCard</a></font></p>");
    primary::WriteItemHtml(*this, FPrimary, kindAddress, f);
    f.WriteLn("</td><td valign=top>");
    primary::WriteItemHtml(*this, FPrimary, kindPhone, f);
    primary::WriteItemHtml(*this, FPrimary, kindFax, f);
    primary::WriteItemHtml(*this, FPrimary, kindEMail, f);
    f.WriteLn("</td></tr>");
    f.WriteLn("<tr><td valign=top>");
    primary::WriteItemHtml(*this, FPrimary, kindWeb, f);
    f.WriteLn("</td><td valign=top>");
    primary::WriteOtherItemsHtml(*this, FPrimary, f, "");
    f.WriteLn("</td></tr></table>");
    f.WriteLn("<hr>");
}

void TOrgObject::WriteHtmlIndex(TTextWriter& f, const std::string& pageName) const {
    container::WriteIndexLink(
        *this, f, pageName,
        "<img src=\"org.gif\" align=bottom border=0 hspace=5 width=16 height=16>");
}

void TOrgObject::ImportVCard(const TCard& card) {
    const TCardProperty* org = card.FindProperty("ORG");
    SetTitle(org ? org->Value(0) : std::string());
    TPrimaryTitles titles = FPrimary;
    carditems::ImportItems(*this, card, titles);
    SetPrimaryTitles(titles);
}

void TOrgObject::SaveVCard(const std::string& fileName) const {
    carditems::WriteCardFile(VCard(), fileName);
}

TCard TOrgObject::VCard() const {
    TCard card;
    carditems::AddLine(card, "N:" + GetTitle());
    carditems::AddLine(card, "FN:" + GetTitle());
    carditems::AddLine(card, "ORG:" + GetTitle());
    carditems::AddItemLines(card, *this, FPrimary);
    return card;
}
