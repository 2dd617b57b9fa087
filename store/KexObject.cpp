#include "store/KexObject.h"

#include "exchange/HtmlOut.h"
#include "platform/Clipboard.h"
#include "platform/MainWindow.h"
#include "platform/Services.h"
#include "store/ContactStore.h"
#include "store/FieldText.h"
#include "store/FilterState.h"
#include "store/TextWriter.h"
#include "store/TreeNode.h"
#include "store/WordMatch.h"

#include <algorithm>
#include <cctype>

TKexObject::TKexObject(uint8_t kind, const std::string& title, const std::string& target,
                       const std::string& comment, int32_t objectId)
    : FObjectId(objectId), FKind(kind), FTitle(fieldtext::SafeField(title)),
      FTarget(fieldtext::SafeField(target)), FComment(fieldtext::SafeField(comment)) {}

TKexObject::~TKexObject() {
    if (FDue == 1) SetDue(0);
    // Items go one by one, last first, so that each due item still finds
    // its owner's node while its counts drop.
    while (!FItems.empty())
        FItems.pop_back();
}

namespace {
// The document an item change goes to: the item's node is its owner's node,
// which also serves the root record (it has no node of its own).
TContactStore* DocumentOf(const TKexObject& owner, const TKexObject& item) {
    if (TContactStore* d = item.Document()) return d;
    return owner.Document();
}
} // namespace

TContactStore* TKexObject::Document() const {
    return FNode ? FNode->Owner()->Document() : nullptr;
}

void TKexObject::Changed(uint32_t events) {
    if (TContactStore* doc = Document()) doc->RecordChanged(this, events);
}

void TKexObject::SetTitle(const std::string& value) {
    std::string v = fieldtext::SafeField(value);
    const bool changed = v != FTitle;
    if (FNode && FNode->Data() == this) {
        if (FNode->Text() == FTitle) FNode->SetText(v);
        FTitle = v;
        // Within an update scope the siblings are sorted once, at its end:
        // a thousand new records in one folder cost one sort, not a thousand.
        if (TTreeNode* parent = FNode->Parent()) {
            if (TContactStore* doc = Document())
                doc->SortChildren(parent);
            else
                parent->SortChildren();
        }
    } else {
        FTitle = v;
    }
    if (changed) Changed(reTitle);
}

void TKexObject::SetTarget(const std::string& value) {
    std::string v = fieldtext::SafeField(value);
    if (v == FTarget) return;
    FTarget = std::move(v);
    Changed(reTarget);
}

void TKexObject::SetComment(const std::string& value) {
    std::string v = fieldtext::SafeField(value);
    if (v == FComment) return;
    FComment = std::move(v);
    Changed(reComment);
}

void TKexObject::SetCategories(uint32_t value) {
    if (value == FCategories) return;
    FCategories = value;
    Changed(reCategories);
}

void TKexObject::SetNode(TTreeNode* node) {
    if (FDue == 1) {
        SetDue(0);
        FNode = node;
        SetDue(1);
    } else {
        FNode = node;
    }
}

void TKexObject::SetDue(int value) {
    int d;
    if (FDue == 0 && value == 1)
        d = 1;
    else if (FDue == 1 && value == 0)
        d = -1;
    else
        return;
    for (TTreeNode* n = FNode; n && !n->IsFirstNode(); n = n->Parent())
        if (TKexObject* r = n->Data()) r->SetDueCount(r->GetDueCount() + d);
    FDue = value;
}

void TKexObject::SetDueCount(int value) {
    FDueCount = value;
    if (FNode && FNode->Data() == this) FNode->SetOverlayIndex(value >= 1 ? 1 : -1);
}

void TKexObject::AddItem(std::unique_ptr<TKexObject> item) {
    if (!item) return;
    TContactStore* doc = DocumentOf(*this, *item);
    FItems.push_back(std::move(item));
    if (doc) doc->ItemInserted(this);
}

void TKexObject::DeleteItem(TKexObject* item) {
    auto it =
        std::find_if(FItems.begin(), FItems.end(),
                     [item](const std::unique_ptr<TKexObject>& p) { return p.get() == item; });
    if (it == FItems.end()) return;
    TContactStore* doc = DocumentOf(*this, **it);
    TContactStore::TUpdate scope(doc);
    std::unique_ptr<TKexObject> doomed = RemoveItem(item);
    if (doc && doomed) doc->RecordRemoving(doomed.get());
}

std::unique_ptr<TKexObject> TKexObject::RemoveItem(TKexObject* item) {
    auto find = [this, item] {
        return std::find_if(
            FItems.begin(), FItems.end(),
            [item](const std::unique_ptr<TKexObject>& p) { return p.get() == item; });
    };
    auto it = find();
    if (it == FItems.end()) return nullptr;
    TContactStore* doc = DocumentOf(*this, **it);
    TContactStore::TUpdate scope(doc);
    if (doc) {
        doc->ItemRemoving(this, item);
        it = find(); // the observers were told; look again rather than trust it
        if (it == FItems.end()) return nullptr;
    }
    std::unique_ptr<TKexObject> out = std::move(*it);
    FItems.erase(it);
    return out;
}

TKexObject* TKexObject::GetItem(int index) const {
    if (FItems.empty()) return nullptr;
    if (index <= 0) return FItems.front().get();
    if (index >= ItemCount()) return nullptr;
    return FItems[static_cast<size_t>(index)].get();
}

TKexObject* TKexObject::FindItem(const std::string& title, uint8_t kind) const {
    if (title.empty()) return nullptr;
    for (const auto& item : FItems)
        if (item->GetKind() == kind && item->GetTitle() == title) return item.get();
    if (FNode) {
        for (TTreeNode* c = FNode->GetFirstChild(); c; c = c->GetNextSibling()) {
            TKexObject* r = c->Data();
            if (r && r->GetKind() == kind && r->GetTitle() == title) return r;
        }
    }
    return nullptr;
}

TKexObject* TKexObject::FindItemByWord(const std::string& lowerText) const {
    for (const auto& item : FItems)
        if (WordStartMatches(item->GetTitle(), lowerText)) return item.get();
    return nullptr;
}

void TKexObject::FillListView(TListRows& list, const TFilterState& filter) const {
    for (const auto& item : FItems) {
        if (item->IsFilteredOut(filter)) continue;
        TListRow row;
        row.Caption = item->GetTitle();
        row.Target = item->GetTarget();
        row.Comment = item->GetComment();
        row.ImageIndex = item->GetImageIndex();
        row.Data = item.get();
        list.push_back(std::move(row));
    }
}

bool TKexObject::IsFilteredOut(const TFilterState& filter) const {
    return filter.IsFilteredOut(FCategories);
}

std::string TKexObject::RecordLine(int level) const {
    std::string s;
    s.reserve(FTitle.size() + FTarget.size() + FComment.size() + 32);
    s += '{';
    s += std::to_string(level);
    s += ' ';
    s += std::to_string(FKind);
    s += " }";
    s += FTitle;
    s += fieldtext::kSeparator;
    s += FTarget;
    s += fieldtext::kSeparator;
    s += FComment;
    s += fieldtext::kSeparator;
    s += std::to_string(FObjectId);
    return s;
}

void TKexObject::WriteObject(TTextWriter& f, int level) const {
    std::string text;
    GetSaveText(text, level);
    f.WriteLn(text);
    WriteItems(f, level + 1);
}

void TKexObject::WriteItems(TTextWriter& f, int level) const {
    for (const auto& item : FItems)
        item->WriteObject(f, level);
}

void TKexObject::WriteCsv(TTextWriter& f, const std::vector<std::string>& fields) const {
    if (fields.empty()) return;
    if (fields.back() == std::to_string(FKind)) {
        std::string line;
        for (size_t i = 0; i + 1 < fields.size(); ++i) {
            std::string v;
            GetCsvField(fields[i], v);
            line += v;
        }
        if (!line.empty()) {
            line.pop_back();
            f.WriteLn(line);
        }
        return;
    }
    for (const auto& item : FItems)
        item->WriteCsv(f, fields);
}

void TKexObject::ListFields(TFieldList& /*fields*/) const {}

// --- slots ------------------------------------------------------------------

int TKexObject::GetImageIndex() const {
    return FKind;
}

void TKexObject::ReadClassLine(const std::string& /*line*/) {}

void TKexObject::GetSaveText(std::string& text, int level) const {
    text = RecordLine(level);
    std::string cls;
    if (AppendClassLine(cls)) {
        text += "\r\n";
        text += cls;
    }
}

bool TKexObject::AppendClassLine(std::string& out) const {
    if (!FHasKeptClassLine) return false;
    out += FKeptClassLine;
    return true;
}

void TKexObject::SetupPopup(TItemPopup& menu) const {
    menu.Visible.fill(false);
    menu.Show(peOpen);
}

int TKexObject::GetSelectedIndex() const {
    return FKind == kindFolder ? 10 : FKind;
}

bool TKexObject::EditNew(TTreeNode* created) {
    if (created)
        if (IMainWindow* mw = Svc().MainWindow) mw->EditNodeText(created);
    return true;
}

bool TKexObject::ImportColumns(std::vector<std::string>& /*values*/,
                               const std::vector<std::string>& /*names*/) {
    return false;
}

void TKexObject::GetCsvField(const std::string& /*fieldName*/, std::string& text) const {
    text.clear();
}

void TKexObject::ImportVCard(const TCard& /*card*/) {}

void TKexObject::DefaultAction() {
    if (FNode)
        if (IMainWindow* mw = Svc().MainWindow) mw->SelectNode(FNode);
}

// Operations a class does not support do nothing: the main window only offers
// them where the record's popup shows them.
void TKexObject::EditProperties() {}
void TKexObject::SendMail(const std::string& /*attachment*/) {}
void TKexObject::SendFax(const std::string& /*document*/) {}
void TKexObject::Dial() {}
void TKexObject::Browse() {}
void TKexObject::AdvanceDate() {}
void TKexObject::Launch() {}

void TKexObject::WriteHtmlContent(TTextWriter& f, bool /*withVCards*/) const {
    std::string line =
        "<em><strong>" + htmlout::Escape(FTitle) + "</strong></em> " + htmlout::Escape(FTarget);
    if (!FComment.empty()) line += " - " + htmlout::Escape(FComment);
    line += "<br>";
    f.WriteLn(line);
}

void TKexObject::WriteHtmlIndex(TTextWriter& /*f*/, const std::string& /*pageName*/) const {}

bool TKexObject::InHtmlIndex() const {
    return true;
}

void TKexObject::SaveVCard(const std::string& /*fileName*/) const {}

void TKexObject::GetVCardLine(std::string& line) const {
    line.clear();
}

void TKexObject::CopyToClipboard() const {
    TClipboardData data;
    std::string text;
    GetSaveText(text, 1);
    data.Private = text;
    std::string plain;
    GetClipboardText(plain);
    data.Plain = plain;
    Svc().UseClipboard().SetData(data);
}

void TKexObject::GetClipboardText(std::string& text) const {
    text = FTarget;
}

// --- free functions -----------------------------------------------------------

bool IsUrl(const std::string& text) {
    // https is taken as well: refusing it would silently drop almost every
    // website entered today.
    static const char* const schemes[] = {
        "http:", "https:", "wais:", "news:", "ftp:", "mailto:", "gopher:", "telnet:"};
    if (text.size() <= 7) return false;
    for (const char* s : schemes) {
        std::string_view scheme(s);
        if (fieldtext::SameTextFolded(std::string_view(text).substr(0, scheme.size()), scheme))
            return true;
    }
    return false;
}

bool LooksLikeEmail(const std::string& text) {
    return text.find('@') != std::string::npos;
}

std::string CsvValue(const std::string& value) {
    // Inner quotes are doubled, so a value holding one still makes one column.
    std::string out = "\"";
    for (char c : value) {
        if (c == '"') out += '"';
        out += c;
    }
    out += "\",";
    return out;
}

bool SplitClassLine(const std::string& line, const char* marker, std::vector<std::string>& fields) {
    std::string_view m(marker);
    if (line.size() < m.size() || std::string_view(line).substr(0, m.size()) != m) return false;
    fieldtext::SplitFields(std::string_view(line).substr(m.size()), fields);
    return true;
}
