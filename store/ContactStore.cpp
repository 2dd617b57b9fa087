#include "store/ContactStore.h"

#include "platform/FileIO.h"
#include "platform/Services.h"
#include "store/DataFile.h"
#include "store/KexObject.h"
#include "store/ObjectFactory.h"
#include "store/TreeNode.h"

#include <algorithm>
#include <optional>

TContactStore::TContactStore() : FTree(this) {
    FRoot = CreateRoot(FTree);
}

TContactStore::~TContactStore() {
    // The records go while the document still stands: they tell it so.
    FObservers.clear();
    FTree.Clear();
}

std::string TContactStore::FileName() const {
    return FFileName.empty() ? Svc().ProgramFile(kDataFileName) : FFileName;
}

std::string TContactStore::BackupFileName() const {
    return fileio::JoinPath(fileio::ExtractFilePath(FileName()), kBackupFileName);
}

void TContactStore::Load() {
    std::optional<std::string> text;
    try {
        text = fileio::ReadFileIfExists(FileName());
    } catch (...) {
        FIncomplete = true;
        throw;
    }
    TUpdate scope(this);
    Read(text);
}

void TContactStore::Read(const std::optional<std::string>& text) {
    try {
        if (text) LoadDataText(FRoot, *text, fileio::ExtractFileName(FileName()));
    } catch (...) {
        FIncomplete = true;
        throw;
    }
    FIncomplete = false;
}

void TContactStore::Save() {
    const std::string path = FileName();
    if (FIncomplete) {
        // The file on disk holds records the tree could not read: keep it,
        // and write nothing while it cannot be read to keep.
        if (auto old = fileio::ReadFileIfExists(path))
            fileio::WriteFileReplacing(BackupFileName(), *old);
    }
    SaveDataFile(FTree, path);
    FIncomplete = false;
}

void TContactStore::Revert() {
    // Read before anything goes: a file that cannot be read any more leaves
    // the session's records where they are.
    const std::optional<std::string> text = fileio::ReadFileIfExists(FileName());
    TUpdate scope(this);
    TTreeUpdate bulk(FTree);
    FRoot->DeleteChildren();
    if (TKexObject* r = FRoot->Data())
        while (r->HasItems())
            r->DeleteItem(r->GetItem(0));
    Read(text);
}

// --- update scope ---------------------------------------------------------------

void TContactStore::EndUpdate() {
    if (FUpdateCount == 0) return;
    if (FUpdateCount > 1) {
        --FUpdateCount;
        return;
    }
    // Sorted while the scope still holds, so that the observers read the
    // final order and a sort marks nothing new.
    while (!FSortOrder.empty()) {
        std::vector<TTreeNode*> order;
        order.swap(FSortOrder);
        for (TTreeNode* parent : order)
            if (FSortPending.erase(parent)) parent->SortChildren();
    }
    FUpdateCount = 0;
    Deliver();
}

void TContactStore::Deliver() {
    TRecordChanges changes;
    changes.Removed = FRemoved;
    FRemoved = false;
    changes.Records.reserve(FChanges.size());
    for (TKexObject* r : FChangeOrder) {
        auto it = FChanges.find(r);
        if (it == FChanges.end()) continue; // removed since, or already listed
        changes.Records.push_back({r, it->second});
        FChanges.erase(it);
    }
    FChangeOrder.clear();
    FChanges.clear();
    if (changes.Empty()) return;
    // An observer may add or remove observers while it is told.
    const std::vector<IRecordObserver*> observers = FObservers;
    for (IRecordObserver* o : observers)
        if (std::find(FObservers.begin(), FObservers.end(), o) != FObservers.end())
            o->RecordsChanged(changes);
}

void TContactStore::SortChildren(TTreeNode* parent) {
    if (!parent) return;
    if (FUpdateCount == 0) {
        parent->SortChildren();
        return;
    }
    if (FSortPending.insert(parent).second) FSortOrder.push_back(parent);
}

void TContactStore::AddObserver(IRecordObserver* observer) {
    if (observer && std::find(FObservers.begin(), FObservers.end(), observer) == FObservers.end())
        FObservers.push_back(observer);
}

void TContactStore::RemoveObserver(IRecordObserver* observer) {
    FObservers.erase(std::remove(FObservers.begin(), FObservers.end(), observer), FObservers.end());
}

// --- told by the records and the tree ----------------------------------------------

void TContactStore::RecordChanged(TKexObject* record, uint32_t events) {
    // Nobody listens: nothing to collect (the command line, a bulk import).
    if (!record || events == 0 || !Watched()) return;
    auto [it, fresh] = FChanges.try_emplace(record, 0u);
    if (fresh) FChangeOrder.push_back(record);
    it->second |= events;
    if (FUpdateCount == 0) Deliver();
}

void TContactStore::ItemInserted(TKexObject* owner) {
    RecordChanged(owner, reItemInserted);
}

void TContactStore::ItemRemoving(TKexObject* owner, TKexObject* item) {
    if (!Watched()) return;
    FRemoved = true;
    for (IRecordObserver* o : std::vector<IRecordObserver*>(FObservers))
        o->ItemRemoving(owner, item);
}

void TContactStore::RecordRemoving(TKexObject* record) {
    if (!record) return;
    for (const auto& item : record->Items())
        RecordRemoving(item.get());
    if (!FChanges.empty()) FChanges.erase(record);
    if (!Watched()) return;
    FRemoved = true;
    for (IRecordObserver* o : std::vector<IRecordObserver*>(FObservers))
        o->RecordRemoving(record);
}

void TContactStore::NodeRemoving(TTreeNode* node) {
    if (!node || (!Watched() && FChanges.empty() && FSortPending.empty())) return;
    std::vector<TTreeNode*> stack{node};
    while (!stack.empty()) {
        TTreeNode* n = stack.back();
        stack.pop_back();
        FSortPending.erase(n);
        if (TKexObject* r = n->Data()) RecordRemoving(r);
        for (TTreeNode* c = n->GetFirstChild(); c; c = c->GetNextSibling())
            stack.push_back(c);
    }
}
