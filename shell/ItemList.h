#pragma once

#include "store/ListRow.h"
#include "store/RecordObserver.h"
#include "store/TreeObserver.h"

#include <string>
#include <vector>

class IMainFormView;
class IMainFormHost;
class TContactStore;
class TKexObject;
class TTreeNode;
struct TFilterState;

// The main window's item list: the rows shown for the tree's selected node,
// their order and their selection. It follows the document so that the user
// keeps their place: a row whose record goes loses it at once, the node
// shown falls back to its parent when it is removed, and a scope that
// touched what the list shows ends in a refill with the same rows selected.
class TItemList : public ITreeObserver, public IRecordObserver {
public:
    // The document must outlive the list; host fills the list again.
    TItemList(TContactStore& document, IMainFormHost& host);
    ~TItemList() override;
    TItemList(const TItemList&) = delete;
    TItemList& operator=(const TItemList&) = delete;

    void SetView(IMainFormView* view) { FView = view; }

    TTreeNode* Node = nullptr; // the node shown: the tree's selected node
    TListRows Rows;            // sorted by Compare

    // Fills the rows for node: its child nodes and its record's items, less
    // what the filter hides. A refill of the node already shown keeps the
    // rows of the records that were selected selected.
    void Fill(TTreeNode* node, const TFilterState& filter);
    // The row order: folders first, then titles without regard to case.
    static int Compare(const TListRow& a, const TListRow& b);

    // --- selection ---------------------------------------------------------
    // The selection as the view changed it (no notice back).
    void SetRowSelected(int row, bool selected);
    void ClearSelection();
    void SelectAll();
    int SelectedCount() const;
    int FirstSelected() const; // -1 when none
    TKexObject* SelectedObject() const;
    // The records of the selected rows, in list order.
    std::vector<TKexObject*> SelectedObjects() const;
    // The record shown in a row; nullptr for a row out of range or without one.
    TKexObject* RowObject(int row) const;
    // The row showing the record, else the first row captioned text; -1: none.
    int Find(const TKexObject* record, const std::string& caption) const;
    // The row becomes the only selected one.
    void SelectOnly(int row);
    // The row is no longer selected.
    void Deselect(int row);
    // The row of a record just made becomes the only selected one, in view
    // (a filter may hide it: then nothing changes).
    void SelectNew(const TKexObject* record);
    // Scrolls the row into view.
    void ScrollTo(int row);

    // --- following the tree and the document -----------------------------------
    void NodeRemoving(TTreeNode* node) override;
    void RecordRemoving(TKexObject* record) override { Forget(record); }
    void ItemRemoving(TKexObject* /*owner*/, TKexObject* item) override { Forget(item); }
    void RecordsChanged(const TRecordChanges& changes) override;

private:
    // The record is the shown node's own (its items and title show) or one
    // of the rows: a child node's record or an item of the node.
    bool Shows(const TKexObject* record) const;
    void Forget(const TKexObject* record);
    void SelectionChanged();

    TContactStore& FDocument;
    IMainFormHost& FHost;
    IMainFormView* FView = nullptr;
    bool FStale = false; // rows lost their records: refill at the scope's end
};
