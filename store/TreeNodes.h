#pragma once

#include "store/TreeNode.h"

#include <memory>
#include <string>
#include <vector>

class ITreeObserver;
class TContactStore;

// The contact tree: the store, as a tree control's node collection. Keeps the
// pre-order positions cached (rebuilt after a structural change) so that
// walking by position is linear, and tells its observers of every change.
class TTreeNodes {
public:
    // document: the document that owns the tree and hears of its records
    // going (none for a bare tree).
    explicit TTreeNodes(TContactStore* document = nullptr);
    ~TTreeNodes();
    TTreeNodes(const TTreeNodes&) = delete;
    TTreeNodes& operator=(const TTreeNodes&) = delete;

    // Adds a node as the last child of parent (nullptr: the top level).
    TTreeNode* AddChildObject(TTreeNode* parent, const std::string& text,
                              std::unique_ptr<TKexObject> data);
    // Destroys the node with everything below it: records first (so due
    // counts drop while the ancestors still stand), then the nodes.
    void Delete(TTreeNode* node);
    void Clear();

    int Count() const;
    // The node at a pre-order position, or nullptr.
    TTreeNode* Item(int absoluteIndex) const;
    TTreeNode* GetFirstNode() const { return FTop.empty() ? nullptr : FTop.front().get(); }
    int TopCount() const { return static_cast<int>(FTop.size()); }
    TTreeNode* TopItem(int index) const;
    // Every node in pre-order.
    const std::vector<TTreeNode*>& InOrder() const;

    // Sorts the children of every node (and the top level) with the tree's
    // comparison.
    void SortAll();

    void BeginUpdate();
    void EndUpdate();
    bool Updating() const { return FUpdateCount > 0; }

    void AddObserver(ITreeObserver* observer);
    void RemoveObserver(ITreeObserver* observer);

    TContactStore* Document() const { return FDocument; }

private:
    friend class TTreeNode;
    std::vector<std::unique_ptr<TTreeNode>>& SiblingsOf(const TTreeNode* node);
    std::vector<std::unique_ptr<TTreeNode>>& ChildrenOf(TTreeNode* parent);
    static void Reindex(std::vector<std::unique_ptr<TTreeNode>>& siblings, size_t from = 0);
    void Invalidate() { FOrderValid = false; }
    void EnsureOrder() const;
    void SortSiblings(TTreeNode* parent);

    template <typename F>
    void Notify(F&& f) {
        if (FUpdateCount > 0) return;
        for (auto* o : FObservers)
            f(o);
    }

    TContactStore* FDocument;
    std::vector<std::unique_ptr<TTreeNode>> FTop;
    mutable std::vector<TTreeNode*> FOrder;
    mutable bool FOrderValid = true;
    int FUpdateCount = 0;
    std::vector<ITreeObserver*> FObservers;
};

// Keeps the tree's bulk-update bracket balanced whatever the work inside raises.
class TTreeUpdate {
public:
    explicit TTreeUpdate(TTreeNodes& tree) : FTree(tree) { FTree.BeginUpdate(); }
    ~TTreeUpdate() { FTree.EndUpdate(); }
    TTreeUpdate(const TTreeUpdate&) = delete;
    TTreeUpdate& operator=(const TTreeUpdate&) = delete;

private:
    TTreeNodes& FTree;
};
