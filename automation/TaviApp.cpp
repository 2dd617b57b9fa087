#include "automation/TaviApp.h"

#include "platform/Clipboard.h"
#include "platform/Services.h"
#include "shell/MainForm.h"
#include "store/ContactStore.h"
#include "store/KexObject.h"
#include "store/ObjectFactory.h"
#include "store/TreeNode.h"
#include "store/TreeNodes.h"

#include <vector>

namespace {
// Readers never fail towards the client: any failure is the empty answer.
template <typename T, typename F>
T Swallowed(F&& f, T empty) {
    try {
        return f();
    } catch (...) {
        return empty;
    }
}
} // namespace

TTaviApp::TTaviApp(TMainForm& form) : FForm(form), FDocument(form.Document) {
    FDocument.AddObserver(this);
    TTreeNode* first = FDocument.Tree().GetFirstNode();
    MoveTo(first, first ? first->Data() : nullptr);
}

TTaviApp::~TTaviApp() {
    FDocument.RemoveObserver(this);
}

void TTaviApp::ItemRemoving(TKexObject* /*owner*/, TKexObject* item) {
    // A moved item lives on elsewhere, but no longer below the current node.
    if (item == FRecord) FRecord = nullptr;
}

void TTaviApp::RecordRemoving(TKexObject* record) {
    if (record == FRecord) FRecord = nullptr;
    if (FNode && FNode->Data() == record) {
        FNode = nullptr;
        FRecord = nullptr;
    }
}

TKexObject& TTaviApp::Record() const {
    if (!FRecord || !FNode) throw EAutomationError(kRecordDeletedMessage);
    return *FRecord;
}

TTreeNode& TTaviApp::Node() const {
    if (!FRecord || !FNode) throw EAutomationError(kRecordDeletedMessage);
    return *FNode;
}

void TTaviApp::MoveTo(TTreeNode* node, TKexObject* record) {
    FNode = node;
    FRecord = node ? record : nullptr;
}

// --- methods ----------------------------------------------------------------------

void TTaviApp::Insert(int32_t kind, const std::string& title, const std::string& target,
                      const std::string& comment, const std::string& classLine) {
    TTreeNode& node = Node();
    if (kind < 0 || kind > 255)
        throw EAutomationError("There is no record kind " + std::to_string(kind));
    TContactStore::TUpdate scope(FDocument);
    // A record of the root's kind is linked nowhere and goes at once.
    CreateObject(static_cast<uint8_t>(kind), title, target, comment, &node, classLine, 0);
}

void TTaviApp::CopyClipboard() {
    std::string text;
    Record().GetClipboardText(text);
    TClipboardData data;
    data.Plain = text;
    Svc().UseClipboard().SetData(data);
}

void TTaviApp::DoDefaultAction() {
    // As the window's double click: an action may open a dialog, and what the
    // user changes there is shown as it happens.
    Record().DefaultAction();
}

// --- the current record's fields --------------------------------------------------

int32_t TTaviApp::taviID() const {
    return Swallowed<int32_t>([&] { return Record().GetObjectId(); }, 0);
}

int32_t TTaviApp::taviClass() const {
    return Swallowed<int32_t>([&] { return Record().GetKind() & 127; }, 0);
}

std::string TTaviApp::taviTitle() const {
    return Swallowed<std::string>([&] { return Record().GetTitle(); }, {});
}

void TTaviApp::SetTaviTitle(const std::string& value) {
    TKexObject& r = Record();
    {
        TContactStore::TUpdate scope(FDocument);
        r.SetTitle(value);
    }
    FForm.RefreshFolderTitles();
}

std::string TTaviApp::taviTarget() const {
    return Swallowed<std::string>([&] { return Record().GetTarget(); }, {});
}

void TTaviApp::SetTaviTarget(const std::string& value) {
    TKexObject& r = Record();
    TContactStore::TUpdate scope(FDocument);
    r.SetTarget(value);
}

std::string TTaviApp::taviComment() const {
    return Swallowed<std::string>([&] { return Record().GetComment(); }, {});
}

void TTaviApp::SetTaviComment(const std::string& value) {
    TKexObject& r = Record();
    TContactStore::TUpdate scope(FDocument);
    r.SetComment(value);
}

std::string TTaviApp::taviField(const std::string& name) const {
    std::string text;
    Record().GetCsvField(name, text);
    return text;
}

void TTaviApp::SetTaviField(const std::string& name, const std::string& value) {
    TKexObject& r = Record();
    std::vector<std::string> values{value};
    const std::vector<std::string> names{name};
    TContactStore::TUpdate scope(FDocument);
    r.ImportColumns(values, names);
}

// --- walking the tree ---------------------------------------------------------------

int32_t TTaviApp::ItemCount() const {
    return Swallowed<int32_t>([&] { return FDocument.Tree().Count(); }, 0);
}

bool TTaviApp::Items(int32_t index) {
    return Swallowed<bool>(
        [&] {
            TTreeNode* n = FDocument.Tree().Item(index);
            if (!n || !n->Data()) return false;
            MoveTo(n, n->Data());
            return true;
        },
        false);
}

int32_t TTaviApp::CurrentItemIndex() const {
    return Swallowed<int32_t>([&] { return Node().AbsoluteIndex(); }, 0);
}

int32_t TTaviApp::NextSiblingIndex() const {
    return Swallowed<int32_t>(
        [&] {
            TTreeNode& n = Node();
            if (TTreeNode* s = n.GetNextSibling()) return s->AbsoluteIndex();
            if (TTreeNode* c = n.GetLastChild()) return c->AbsoluteIndex();
            return -1;
        },
        0);
}

int32_t TTaviApp::ChildCount() const {
    return Swallowed<int32_t>(
        [&] {
            TKexObject& r = Record();
            TTreeNode& n = Node();
            if (&r == n.Data()) return n.Count() + r.ItemCount();
            return r.ItemCount();
        },
        0);
}

bool TTaviApp::Child(int32_t index) {
    return Swallowed<bool>(
        [&] {
            TTreeNode& n = Node();
            if (index < 0) return false;
            if (index < n.Count()) {
                TTreeNode* c = n.Child(index);
                if (!c || !c->Data()) return false;
                FRecord = c->Data();
                return true;
            }
            TKexObject* owner = n.Data();
            const size_t item = static_cast<size_t>(index - n.Count());
            if (!owner || item >= owner->Items().size()) return false;
            FRecord = owner->Items()[item].get();
            return true;
        },
        false);
}

// --- following the main window ------------------------------------------------------

int32_t TTaviApp::SelectCount() const {
    const std::string pane = FForm.ActivePaneName();
    if (pane == "Folders") return 1;
    if (pane == "MainItems") return FForm.SelectedRowCount();
    return 0;
}

bool TTaviApp::UserSelected(int32_t index) {
    if (FForm.ActivePaneName() != "Folders" && FForm.SelectedRowCount() > 0) {
        int32_t seen = 0;
        for (const TListRow& row : FForm.MainItems) {
            if (!row.Selected) continue;
            if (seen++ < index) continue;
            if (index < 0 || !row.Data) return false;
            TTreeNode* node = row.Data->GetNode() ? row.Data->GetNode() : FForm.Selected;
            if (!node) return false;
            MoveTo(node, row.Data);
            return true;
        }
        // Past the last selected row: the cursor stays.
        return false;
    }
    TTreeNode* n = FForm.Selected;
    if (!n || !n->Data()) return false;
    MoveTo(n, n->Data());
    return true;
}

bool TTaviApp::NextItemWithTitle(const std::string& title) {
    FForm.Locate(title);
    return UserSelected(0);
}

bool TTaviApp::ItemWithId(int32_t id) {
    bool found = false;
    for (TTreeNode* n : FDocument.Tree().InOrder()) {
        TKexObject* r = n->Data();
        if (!r) continue;
        if (r->GetObjectId() == id) {
            MoveTo(n, r);
            return true;
        }
        for (const auto& item : r->Items())
            if (item->GetObjectId() == id) {
                MoveTo(n, item.get());
                found = true;
                break;
            }
    }
    return found;
}
