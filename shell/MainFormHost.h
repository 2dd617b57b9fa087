#pragma once

#include "shell/MainFormView.h" // TPane

class TTreeNode;

// What the parts of the main window ask of the window itself: the panes'
// shared state (the active pane) and moving the tree's selection, which the
// tree view and the status line follow. The main window presenter implements
// it; the parts get it by reference so they stay testable alone.
class IMainFormHost {
public:
    virtual ~IMainFormHost() = default;
    // Selects the node in the tree; the item list is filled for it.
    virtual void SelectNode(TTreeNode* node) = 0;
    // Fills the item list again for the selected node.
    virtual void RefreshList() = 0;
    // Selects the tree's root when nothing is selected (after a revert).
    virtual void SelectRootIfNone() = 0;
    virtual TPane CurrentPane() const = 0;
    // The pane becomes the active one and takes the keyboard focus.
    virtual void FocusPane(TPane pane) = 0;
};
