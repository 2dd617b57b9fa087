#include "store/TreeNodes.h"

#include "store/ContactStore.h"
#include "store/KexObject.h"
#include "store/TreeCompare.h"
#include "store/TreeObserver.h"

#include <algorithm>

TTreeNodes::TTreeNodes(TContactStore* document) : FDocument(document) {}

TTreeNodes::~TTreeNodes() {
    FObservers.clear();
    Clear();
}

std::vector<std::unique_ptr<TTreeNode>>& TTreeNodes::ChildrenOf(TTreeNode* parent) {
    return parent ? parent->FChildren : FTop;
}

std::vector<std::unique_ptr<TTreeNode>>& TTreeNodes::SiblingsOf(const TTreeNode* node) {
    return node->FParent ? node->FParent->FChildren : FTop;
}

void TTreeNodes::Reindex(std::vector<std::unique_ptr<TTreeNode>>& siblings, size_t from) {
    for (size_t i = from; i < siblings.size(); ++i)
        siblings[i]->FIndex = static_cast<int>(i);
}

TTreeNode* TTreeNodes::AddChildObject(TTreeNode* parent, const std::string& text,
                                      std::unique_ptr<TKexObject> data) {
    auto& siblings = ChildrenOf(parent);
    int index = static_cast<int>(siblings.size());
    Notify([&](ITreeObserver* o) { o->NodeInserting(parent, index); });
    siblings.push_back(
        std::unique_ptr<TTreeNode>(new TTreeNode(this, parent, text, std::move(data))));
    TTreeNode* node = siblings.back().get();
    node->FIndex = index;
    Invalidate();
    Notify([&](ITreeObserver* o) { o->NodeInserted(node); });
    return node;
}

void TTreeNodes::Delete(TTreeNode* node) {
    if (!node || node->FOwner != this) return;
    // The document's observers re-read when everything below is gone.
    TContactStore::TUpdate scope(FDocument);
    if (FDocument) FDocument->NodeRemoving(node);
    // Records first, deepest nodes first, while every ancestor still stands.
    std::vector<TTreeNode*> order{node};
    for (size_t i = 0; i < order.size(); ++i)
        for (auto& c : order[i]->FChildren)
            order.push_back(c.get());
    for (auto it = order.rbegin(); it != order.rend(); ++it)
        (*it)->FData.reset();

    TTreeNode* parent = node->FParent;
    int index = node->FIndex;
    Notify([&](ITreeObserver* o) { o->NodeRemoving(node); });
    auto& siblings = SiblingsOf(node);
    std::unique_ptr<TTreeNode> doomed = std::move(siblings[static_cast<size_t>(index)]);
    siblings.erase(siblings.begin() + index);
    Reindex(siblings, static_cast<size_t>(index));
    Invalidate();
    // Free the nodes without recursion: a damaged file may nest deeply.
    std::vector<std::unique_ptr<TTreeNode>> stack;
    stack.push_back(std::move(doomed));
    while (!stack.empty()) {
        std::unique_ptr<TTreeNode> n = std::move(stack.back());
        stack.pop_back();
        for (auto& c : n->FChildren)
            stack.push_back(std::move(c));
        n->FChildren.clear();
    }
    Notify([&](ITreeObserver* o) { o->NodeRemoved(parent, index); });
}

void TTreeNodes::Clear() {
    while (!FTop.empty())
        Delete(FTop.back().get());
}

void TTreeNodes::EnsureOrder() const {
    if (FOrderValid) return;
    FOrder.clear();
    std::vector<TTreeNode*> stack;
    for (auto it = FTop.rbegin(); it != FTop.rend(); ++it)
        stack.push_back(it->get());
    while (!stack.empty()) {
        TTreeNode* n = stack.back();
        stack.pop_back();
        n->FAbsoluteIndex = static_cast<int>(FOrder.size());
        FOrder.push_back(n);
        for (auto it = n->FChildren.rbegin(); it != n->FChildren.rend(); ++it)
            stack.push_back(it->get());
    }
    FOrderValid = true;
}

int TTreeNodes::Count() const {
    EnsureOrder();
    return static_cast<int>(FOrder.size());
}

TTreeNode* TTreeNodes::Item(int absoluteIndex) const {
    EnsureOrder();
    if (absoluteIndex < 0 || absoluteIndex >= static_cast<int>(FOrder.size())) return nullptr;
    return FOrder[static_cast<size_t>(absoluteIndex)];
}

TTreeNode* TTreeNodes::TopItem(int index) const {
    if (index < 0 || index >= TopCount()) return nullptr;
    return FTop[static_cast<size_t>(index)].get();
}

const std::vector<TTreeNode*>& TTreeNodes::InOrder() const {
    EnsureOrder();
    return FOrder;
}

void TTreeNodes::SortSiblings(TTreeNode* parent) {
    auto& siblings = ChildrenOf(parent);
    if (siblings.size() < 2) return;
    Notify([&](ITreeObserver* o) { o->ChildrenSorting(parent); });
    std::stable_sort(siblings.begin(), siblings.end(),
                     [](const std::unique_ptr<TTreeNode>& a, const std::unique_ptr<TTreeNode>& b) {
                         return FoldersCompare(a.get(), b.get()) < 0;
                     });
    Reindex(siblings);
    Invalidate();
    Notify([&](ITreeObserver* o) { o->ChildrenSorted(parent); });
}

void TTreeNodes::SortAll() {
    BeginUpdate();
    SortSiblings(nullptr);
    std::vector<TTreeNode*> stack;
    for (auto& t : FTop)
        stack.push_back(t.get());
    while (!stack.empty()) {
        TTreeNode* n = stack.back();
        stack.pop_back();
        SortSiblings(n);
        for (auto& c : n->FChildren)
            stack.push_back(c.get());
    }
    EndUpdate();
}

void TTreeNodes::BeginUpdate() {
    if (FUpdateCount++ == 0)
        for (auto* o : FObservers)
            o->UpdateBegun();
}

void TTreeNodes::EndUpdate() {
    if (FUpdateCount == 0) return;
    if (--FUpdateCount == 0)
        for (auto* o : FObservers)
            o->UpdateEnded();
}

void TTreeNodes::AddObserver(ITreeObserver* observer) {
    if (std::find(FObservers.begin(), FObservers.end(), observer) == FObservers.end())
        FObservers.push_back(observer);
}

void TTreeNodes::RemoveObserver(ITreeObserver* observer) {
    FObservers.erase(std::remove(FObservers.begin(), FObservers.end(), observer), FObservers.end());
}
