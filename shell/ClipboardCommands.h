#pragma once

#include "shell/MainFormView.h" // TPane

#include <string>
#include <vector>

class IMainFormHost;
class TItemList;
class TTreeNode;
class TTreeNodes;
struct TFilterState;

// The main window's commands that take records out of their place or put
// them in one: copy, cut, paste and delete through the clipboard's transfer
// text, and drag and drop between the panes and from a file manager. They act
// on the active pane's selection: the tree's selected node, or the list's
// selected rows.
class TClipboardCommands {
public:
    // filter: what a copied node leaves out.
    TClipboardCommands(TTreeNodes& tree, TItemList& list, const TFilterState& filter,
                       IMainFormHost& host);
    TClipboardCommands(const TClipboardCommands&) = delete;
    TClipboardCommands& operator=(const TClipboardCommands&) = delete;

    void Copy();
    // Copies, then deletes without asking.
    void Cut();
    // Pastes the clipboard's records below the selected node.
    void Paste();
    // Deletes the selection with everything below it; ask: the user is asked
    // first and only "Yes" goes on.
    void Delete(bool ask);

    // Drag and drop inside the window. source: the pane the drag started in.
    bool FoldersDragOver(TPane source, const TTreeNode* target) const;
    void FoldersDragDrop(TPane source, TTreeNode* target);
    // Only a document dragged onto an item that mails or faxes.
    bool ItemsDragOver(TPane source, int targetRow) const;
    void ItemsDragDrop(TPane source, int targetRow);
    // Files dropped from a file manager onto the list (only the first is taken).
    void DropFiles(const std::vector<std::string>& files);

    // True when dropping the dragged tree records on target would put a node
    // below itself.
    bool DropsIntoOwnSubtree(TPane source, const TTreeNode* target) const;

private:
    TTreeNodes& FTree;
    TItemList& FList;
    const TFilterState& FFilter;
    IMainFormHost& FHost;
};
