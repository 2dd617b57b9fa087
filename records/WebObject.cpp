#include "records/WebObject.h"

#include "exchange/HtmlOut.h"
#include "platform/BrowserLink.h"
#include "platform/Services.h"
#include "records/ColumnValue.h"
#include "records/WebSiteDlg.h"
#include "store/ContainerRules.h"
#include "store/FieldText.h"
#include "store/TextWriter.h"
#include "store/TreeNode.h"

namespace {
constexpr const char* kMarker = "{Webs}";
constexpr const char* kAddressColumn = "Website";

// The value of the named column of an imported row; false when the row has
// no such column.

bool IsWebNode(const TTreeNode* node) {
    return node && node->Data() && node->Data()->GetKind() == kindWeb;
}
} // namespace

TWebObject::TWebObject(uint8_t kind, const std::string& title, const std::string& target,
                       const std::string& comment, int32_t objectId, const std::string& classLine)
    : TKexObject(kind, title, target, comment, objectId) {
    ReadClassLine(classLine);
}

void TWebObject::ReadClassLine(const std::string& line) {
    if (line.compare(0, 6, kMarker) != 0) return;
    SetCategories(container::ReadCategories(line, kMarker));
}

bool TWebObject::AppendClassLine(std::string& out) const {
    container::AppendCategoriesLine(out, kMarker, GetCategories());
    return true;
}

void TWebObject::SetupPopup(TItemPopup& menu) const {
    TKexObject::SetupPopup(menu);
    menu.Show(peBrowse);
}

bool TWebObject::EditNew(TTreeNode* /*created*/) {
    return TWebSiteDlg::EditNew(*this);
}

void TWebObject::EditProperties() {
    TWebSiteDlg::EditRecord(*this);
}

bool TWebObject::ImportColumns(std::vector<std::string>& values,
                               const std::vector<std::string>& names) {
    std::string url;
    if (!ColumnValue(values, names, kAddressColumn, url)) return false;
    SetTarget(url);
    std::string title;
    if (!ColumnValue(values, names, "Title", title) && IsUrl(url)) title = url;
    SetTitle(title);
    std::string comment;
    if (ColumnValue(values, names, "Comment", comment)) SetComment(comment);
    return !GetTitle().empty() && !GetTarget().empty();
}

void TWebObject::GetCsvField(const std::string& fieldName, std::string& text) const {
    if (fieldName == "Title")
        text = CsvValue(GetTitle());
    else if (fieldName == kAddressColumn)
        text = CsvValue(GetTarget());
    else if (fieldName == "Comment")
        text = CsvValue(GetComment());
    else
        text.clear();
}

void TWebObject::DefaultAction() {
    Browse();
}

void TWebObject::Browse() {
    IBrowserLink& browser = Svc().UseBrowser();
    browser.SetAutoLoad(true);
    std::string reply;
    browser.OpenURL(GetTarget(), reply);
}

void TWebObject::WriteHtmlContent(TTextWriter& f, bool /*withVCards*/) const {
    // Websites below a website are published as one indented block: the
    // first of them opens it, the last closes it.
    const TTreeNode* node = GetNode();
    const TTreeNode* parent = node ? node->Parent() : nullptr;
    const bool nested = IsWebNode(parent);
    if (nested && parent->GetFirstChild() == node) f.WriteLn("<blockquote>");
    // An address a browser would run (a "javascript:" one) is shown, not linked.
    using htmlout::Escape;
    // A website in the index needs the anchor its index entry points to.
    std::string line = InHtmlIndex() ? "<a name=\"" + container::HtmlAnchor(*this) + "\"></a>" : "";
    line += htmlout::IsSafeLink(GetTarget())
                ? "<a href=\"" + Escape(GetTarget()) + "\">" + Escape(GetTitle()) + "</a>"
                : Escape(GetTitle()) + " (" + Escape(GetTarget()) + ")";
    line += GetComment().empty() ? "<br>" : " - " + Escape(GetComment()) + "<br>";
    f.WriteLn(line);
    if (nested && parent->GetLastChild() == node) f.WriteLn("</blockquote>");
}

void TWebObject::WriteHtmlIndex(TTextWriter& f, const std::string& pageName) const {
    if (!InHtmlIndex()) return;
    container::WriteIndexLink(
        *this, f, pageName,
        "<img src=\"web.gif\" align=bottom border=0 hspace=5 width=16 height=16>");
}

bool TWebObject::InHtmlIndex() const {
    return GetNode() && GetNode()->HasChildren();
}

void TWebObject::GetVCardLine(std::string& line) const {
    line = "URL:" + GetTarget();
}
