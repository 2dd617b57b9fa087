#pragma once

#include "store/Options.h" // TWinSetup

#include <string>

class TTreeNode;

// The panes the main window's commands act on.
enum class TPane { Folders, MainItems };

// What the main window presenter asks of its view (the Qt main window, or a
// recording view in tests). The view is passive: it shows the presenter's
// state when told and reports every user action to the presenter.
class IMainFormView {
public:
    virtual ~IMainFormView() = default;

    // The tree's selection moved to node (already stored in the presenter).
    virtual void TreeSelectionChanged(TTreeNode* node) = 0;
    // Makes the node visible and starts editing its label in place.
    virtual void BeginEditNode(TTreeNode* node) = 0;
    // Starts editing the caption of a list row in place.
    virtual void BeginEditRow(int row) = 0;
    // The item list's rows were refilled (rows, images, selection).
    virtual void ListChanged() = 0;
    // Only the selection flags of the rows changed.
    virtual void ListSelectionChanged() = 0;
    virtual void ScrollToRow(int row) = 0;
    virtual void FocusPane(TPane pane) = 0;
    // Status panels, tray tooltip, window caption details changed.
    virtual void StatusChanged() = 0;
    // The category filter was switched on or off (tree or category list shown).
    virtual void FilterModeChanged() = 0;
    // The list's view style changed (menu radio items and buttons follow).
    virtual void ViewStyleChanged() = 0;
    // The progress window of the find: shown, changed or hidden.
    virtual void ProgressChanged() = 0;

    // The current geometry of the window, and applying a setup to it.
    virtual TWinSetup GetSetup() const = 0;
    virtual void ApplySetup(const TWinSetup& setup) = 0;

    // Shows the main window (from the tray, a second copy's hand-over).
    virtual void ShowMainWindow() = 0;

    // The tool list changed: both Tools menus are built again.
    virtual void ToolsChanged() {}
    // The category names in FilterListBox were replaced.
    virtual void CategoryNamesChanged() {}
};
