#pragma once

class TTreeNode;

// Told of every change of a TTreeNodes tree (the Qt item model listens).
// A parent of nullptr stands for the top level. Between UpdateBegun and
// UpdateEnded nothing else is told: everything may have changed.
class ITreeObserver {
public:
    virtual ~ITreeObserver() = default;
    virtual void UpdateBegun() {}
    virtual void UpdateEnded() {}
    virtual void NodeInserting(TTreeNode* /*parent*/, int /*index*/) {}
    virtual void NodeInserted(TTreeNode* /*node*/) {}
    virtual void NodeRemoving(TTreeNode* /*node*/) {}
    virtual void NodeRemoved(TTreeNode* /*parent*/, int /*index*/) {}
    virtual void NodeMoving(TTreeNode* /*node*/, TTreeNode* /*newParent*/, int /*newIndex*/) {}
    virtual void NodeMoved(TTreeNode* /*node*/) {}
    virtual void ChildrenSorting(TTreeNode* /*parent*/) {}
    virtual void ChildrenSorted(TTreeNode* /*parent*/) {}
    // The node's text or one of its images changed.
    virtual void NodeChanged(TTreeNode* /*node*/) {}
};
