#include "shell/ItemList.h"

#include "shell/MainFormHost.h"
#include "shell/MainFormView.h"
#include "store/ContactStore.h"
#include "store/FilterState.h"
#include "store/KexObject.h"
#include "store/TreeCompare.h"
#include "store/TreeNodes.h"

#include <algorithm>

TItemList::TItemList(TContactStore& document, IMainFormHost& host)
    : FDocument(document), FHost(host) {
    FDocument.Tree().AddObserver(this);
    FDocument.AddObserver(this);
}

TItemList::~TItemList() {
    FDocument.RemoveObserver(this);
    FDocument.Tree().RemoveObserver(this);
}

void TItemList::Fill(TTreeNode* node, const TFilterState& filter) {
    if (!node) return;
    // The pointers are only compared: some of the records may be gone.
    std::vector<TKexObject*> keep;
    if (node == Node) keep = SelectedObjects();
    std::sort(keep.begin(), keep.end());
    Node = node;
    Rows.clear();
    for (TTreeNode* child = node->GetFirstChild(); child; child = child->GetNextSibling()) {
        TKexObject* r = child->Data();
        if (r && r->IsFilteredOut(filter)) continue;
        TListRow row;
        row.Caption = child->Text();
        row.Data = r;
        row.StateIndex = child->StateIndex();
        if (r) {
            row.Target = r->GetTarget();
            row.Comment = r->GetComment();
            row.ImageIndex = r->GetImageIndex();
        }
        Rows.push_back(std::move(row));
    }
    if (TKexObject* r = node->Data()) r->FillListView(Rows, filter);
    for (TListRow& row : Rows)
        row.Selected = row.Data && std::binary_search(keep.begin(), keep.end(), row.Data);
    std::stable_sort(Rows.begin(), Rows.end(),
                     [](const TListRow& a, const TListRow& b) { return Compare(a, b) < 0; });
}

int TItemList::Compare(const TListRow& a, const TListRow& b) {
    return CompareObjects(a.Data, b.Data);
}

// --- selection ------------------------------------------------------------------

void TItemList::SetRowSelected(int row, bool selected) {
    if (row < 0 || row >= static_cast<int>(Rows.size())) return;
    Rows[static_cast<size_t>(row)].Selected = selected;
}

void TItemList::ClearSelection() {
    for (TListRow& row : Rows)
        row.Selected = false;
}

void TItemList::SelectAll() {
    for (TListRow& row : Rows)
        row.Selected = true;
    SelectionChanged();
}

int TItemList::SelectedCount() const {
    return static_cast<int>(
        std::count_if(Rows.begin(), Rows.end(), [](const TListRow& r) { return r.Selected; }));
}

int TItemList::FirstSelected() const {
    for (size_t i = 0; i < Rows.size(); ++i)
        if (Rows[i].Selected) return static_cast<int>(i);
    return -1;
}

TKexObject* TItemList::SelectedObject() const {
    return RowObject(FirstSelected());
}

std::vector<TKexObject*> TItemList::SelectedObjects() const {
    std::vector<TKexObject*> out;
    for (const TListRow& row : Rows)
        if (row.Selected && row.Data) out.push_back(row.Data);
    return out;
}

TKexObject* TItemList::RowObject(int row) const {
    if (row < 0 || row >= static_cast<int>(Rows.size())) return nullptr;
    return Rows[static_cast<size_t>(row)].Data;
}

int TItemList::Find(const TKexObject* record, const std::string& caption) const {
    for (size_t i = 0; i < Rows.size(); ++i)
        if (record && Rows[i].Data == record) return static_cast<int>(i);
    for (size_t i = 0; i < Rows.size(); ++i)
        if (Rows[i].Caption == caption) return static_cast<int>(i);
    return -1;
}

void TItemList::SelectOnly(int row) {
    ClearSelection();
    SetRowSelected(row, true);
    SelectionChanged();
}

void TItemList::Deselect(int row) {
    SetRowSelected(row, false);
    SelectionChanged();
}

void TItemList::SelectNew(const TKexObject* record) {
    // What was just made is what the user acts on next.
    if (!record) return;
    int row = -1;
    for (size_t i = 0; i < Rows.size() && row < 0; ++i)
        if (Rows[i].Data == record) row = static_cast<int>(i);
    if (row < 0) return;
    SelectOnly(row);
    ScrollTo(row);
}

void TItemList::ScrollTo(int row) {
    if (FView) FView->ScrollToRow(row);
}

void TItemList::SelectionChanged() {
    if (FView) FView->ListSelectionChanged();
}

// --- following the tree and the document -------------------------------------------

void TItemList::NodeRemoving(TTreeNode* node) {
    // Anyone may remove nodes (commands, automation): the selection falls
    // back to the removed node's parent, and rows that may show removed
    // records are dropped.
    bool listShowsIt = Node && node->Parent() == Node;
    if (Node && (Node == node || Node->HasAsAncestor(node))) {
        Node = node->Parent();
        listShowsIt = true;
    }
    if (listShowsIt && !Rows.empty()) {
        Rows.clear();
        if (FView) FView->ListChanged();
    }
}

void TItemList::RecordsChanged(const TRecordChanges& changes) {
    bool refill = FStale;
    FStale = false;
    for (const TRecordChange& c : changes.Records)
        refill = refill || Shows(c.Record);
    if (refill) FHost.RefreshList();
}

bool TItemList::Shows(const TKexObject* r) const {
    if (!Node || !r) return false;
    if (Node->Data() == r) return true;
    const TTreeNode* n = r->GetNode();
    if (!n) return false;
    return n->Data() == r ? n->Parent() == Node : n == Node;
}

void TItemList::Forget(const TKexObject* record) {
    for (TListRow& row : Rows) {
        if (row.Data != record) continue;
        row.Data = nullptr;
        row.Selected = false;
        FStale = true;
    }
}
