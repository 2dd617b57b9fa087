#pragma once

#include "store/RecordObserver.h"
#include "store/TreeNodes.h"

#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class TKexObject;
class TTreeNode;

// The document: the contact tree with its root "My Contacts", the data file
// it was read from and is saved to, and whether that read was complete. The
// records tell it of their changes; it tells its observers, batched per
// update scope, and sorts a renamed record's siblings once per scope.
//
// The desktop window, the command line, the tests, benchmarks and fuzzers
// all hold one; nothing else wires a tree to a file.
class TContactStore {
public:
    // An empty tree: the root and nothing below it. The data file is
    // "tavi.dat" in the program's folder until SetFileName names another.
    TContactStore();
    ~TContactStore();
    TContactStore(const TContactStore&) = delete;
    TContactStore& operator=(const TContactStore&) = delete;

    TTreeNodes& Tree() { return FTree; }
    const TTreeNodes& Tree() const { return FTree; }
    TTreeNode* Root() const { return FRoot; }

    // --- the data file ---------------------------------------------------------
    // The data file's path; "tavi.dat" in the program's folder by default.
    std::string FileName() const;
    void SetFileName(const std::string& path) { FFileName = path; }
    // Where an incomplete load's file is kept: "tavi.bak" beside the data file.
    std::string BackupFileName() const;
    // The last load stopped on an error: the file on disk holds records the
    // tree lacks, so the next save first keeps it as "tavi.bak".
    bool Incomplete() const { return FIncomplete; }

    // Reads the data file below the root (see LoadDataFile). A missing file
    // reads nothing; an unreadable or damaged one raises EInOutError, and
    // what was read stays.
    void Load();
    // Writes the whole tree safely (see SaveDataFile). After an incomplete
    // load the file on disk is first copied to "tavi.bak"; while it cannot be
    // read, nothing is written. Raises EInOutError.
    void Save();
    // Drops every record below the root, and the root's own items (the file
    // holds them too), and reads the data file again. A file that cannot be
    // read raises before anything is dropped.
    void Revert();

    // --- update scope ------------------------------------------------------------
    // Inside a scope, changes are collected and siblings of renamed records
    // are marked; the outermost end sorts each marked parent once and then
    // tells the observers. Outside a scope every change is a scope of its own.
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    bool Updating() const { return FUpdateCount > 0; }

    // A scope for the lifetime of the object; a null document is no scope.
    class TUpdate {
    public:
        explicit TUpdate(TContactStore* document) : FDocument(document) {
            if (FDocument) FDocument->BeginUpdate();
        }
        explicit TUpdate(TContactStore& document) : TUpdate(&document) {}
        ~TUpdate() {
            if (FDocument) FDocument->EndUpdate();
        }
        TUpdate(const TUpdate&) = delete;
        TUpdate& operator=(const TUpdate&) = delete;

    private:
        TContactStore* FDocument;
    };

    // Sorts the node's children now, or once when the update scope ends.
    void SortChildren(TTreeNode* parent);

    void AddObserver(IRecordObserver* observer);
    void RemoveObserver(IRecordObserver* observer);

    // --- told by the records and the tree ------------------------------------------
    // A removal is told within an update scope that the caller holds until
    // the record or item is gone, so that observers re-read after it.
    void RecordChanged(TKexObject* record, uint32_t events);
    void ItemInserted(TKexObject* owner);
    void ItemRemoving(TKexObject* owner, TKexObject* item);
    // The record and everything in its detail items are about to go.
    void RecordRemoving(TKexObject* record);
    // The node and everything below it are about to go.
    void NodeRemoving(TTreeNode* node);

private:
    // Reads the data file's text below the root (nothing when there is no
    // file); a damaged text leaves the load incomplete.
    void Read(const std::optional<std::string>& text);
    // Tells the observers what the ended scope did.
    void Deliver();
    bool Watched() const { return !FObservers.empty(); }

    TTreeNodes FTree;
    TTreeNode* FRoot = nullptr;
    std::string FFileName;
    bool FIncomplete = false;

    int FUpdateCount = 0;
    // Parents to sort at the end of the scope, in the order first marked.
    std::vector<TTreeNode*> FSortOrder;
    std::unordered_set<TTreeNode*> FSortPending;
    // Changed records in the order of their first change, with their events.
    std::vector<TKexObject*> FChangeOrder;
    std::unordered_map<TKexObject*, uint32_t> FChanges;
    bool FRemoved = false;
    std::vector<IRecordObserver*> FObservers;
};
