#pragma once

#include <memory>
#include <string>
#include <vector>

class TKexObject;
class TTreeNodes;

// One node of the contact tree, as a tree control's node: its label, images,
// the record it owns, its parent and children. Nodes are made and destroyed
// only through their TTreeNodes.
class TTreeNode {
public:
    ~TTreeNode();
    TTreeNode(const TTreeNode&) = delete;
    TTreeNode& operator=(const TTreeNode&) = delete;

    TTreeNodes* Owner() const { return FOwner; }

    const std::string& Text() const { return FText; }
    void SetText(const std::string& text);

    int ImageIndex() const { return FImageIndex; }
    int SelectedIndex() const { return FSelectedIndex; }
    int StateIndex() const { return FStateIndex; }
    int OverlayIndex() const { return FOverlayIndex; }
    void SetImageIndex(int index);
    void SetSelectedIndex(int index);
    void SetStateIndex(int index);
    void SetOverlayIndex(int index);

    // The record this node owns; nullptr for a node without one.
    TKexObject* Data() const { return FData.get(); }

    TTreeNode* Parent() const { return FParent; }
    int Count() const { return static_cast<int>(FChildren.size()); }
    bool HasChildren() const { return !FChildren.empty(); }
    TTreeNode* Child(int index) const;
    TTreeNode* GetFirstChild() const {
        return FChildren.empty() ? nullptr : FChildren.front().get();
    }
    TTreeNode* GetLastChild() const { return FChildren.empty() ? nullptr : FChildren.back().get(); }
    TTreeNode* GetNextSibling() const;
    TTreeNode* GetPrevSibling() const;
    // Follows the last child until a node has none; the node itself when childless.
    TTreeNode* DeepestLastDescendant() const;

    // Position among its siblings.
    int Index() const { return FIndex; }
    // Number of ancestors (the root has 0).
    int Level() const { return FLevel; }
    // Position in the tree's pre-order.
    int AbsoluteIndex() const;
    // The tree's first node (absolute position 0).
    bool IsFirstNode() const;
    // True when ancestor is this node's parent, grandparent, ...
    bool HasAsAncestor(const TTreeNode* ancestor) const;

    // Makes this node the last child of newParent (nullptr: top level), with
    // everything below it. Refused (false) when newParent is this node or one of
    // its descendants.
    bool MoveTo(TTreeNode* newParent);
    // Sorts the direct children with the tree's comparison (stable).
    void SortChildren();
    void DeleteChildren();
    void Delete();

private:
    friend class TTreeNodes;
    TTreeNode(TTreeNodes* owner, TTreeNode* parent, std::string text,
              std::unique_ptr<TKexObject> data);
    void Changed();

    TTreeNodes* FOwner;
    TTreeNode* FParent;
    std::string FText;
    int FImageIndex = -1;
    int FSelectedIndex = -1;
    int FStateIndex = -1;
    int FOverlayIndex = -1;
    std::unique_ptr<TKexObject> FData;
    std::vector<std::unique_ptr<TTreeNode>> FChildren;
    int FIndex = 0;
    int FLevel = 0;
    mutable int FAbsoluteIndex = 0;
};
