#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TTreeNode;
class TTreeNodes;

// Names a tree node by the records on its path from the top, so that it can be
// found again after the tree changed in bulk (a load, a paste, a revert that
// rebuilt every node) without following a pointer that may dangle. The
// pointers kept are only compared, never followed.
class TNodeKey {
public:
    TNodeKey() = default;
    explicit TNodeKey(const TTreeNode* node);

    bool Empty() const { return FSteps.empty(); }
    // The node the key names, or nullptr when it is gone.
    TTreeNode* Find(const TTreeNodes& tree) const;
    // The node, else its deepest ancestor that is still there; nullptr only
    // when even the top node is gone.
    TTreeNode* FindNearest(const TTreeNodes& tree) const;

private:
    struct TStep {
        const TTreeNode* Node; // compared only
        bool HasRecord;
        int32_t Id;       // the record's identifier, when it has a record
        std::string Text; // the label, for a node without a record
    };
    // One step down: the child that matches the step (the same node first,
    // then the first with the same record identifier), or nullptr.
    static TTreeNode* Match(const TTreeNodes& tree, const TTreeNode* parent, const TStep& step);
    // How many steps from the top resolve, and the node the last of them reached.
    TTreeNode* Walk(const TTreeNodes& tree, size_t& resolved) const;

    std::vector<TStep> FSteps; // from the top node down
};
