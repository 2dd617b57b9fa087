#include "shell/ClipboardCommands.h"

#include "platform/FileIO.h"
#include "platform/MessageBox.h"
#include "platform/AskUser.h"
#include "shell/ItemList.h"
#include "shell/MainFormHost.h"
#include "store/FilterState.h"
#include "store/KexObject.h"
#include "store/ObjectFactory.h"
#include "store/Transfer.h"
#include "store/TreeNodes.h"

namespace {
// The node a tree record owns (so deleting or moving it means the node's);
// nullptr for detail items.
TTreeNode* OwnNode(TKexObject* r) {
    if (!r || !IsTreeKind(r->GetKind())) return nullptr;
    TTreeNode* n = r->GetNode();
    return n && n->Data() == r ? n : nullptr;
}

std::string CsvField(const TKexObject* r, const char* name) {
    std::string text;
    r->GetCsvField(name, text);
    return text;
}
} // namespace

TClipboardCommands::TClipboardCommands(TTreeNodes& tree, TItemList& list,
                                       const TFilterState& filter, IMainFormHost& host)
    : FTree(tree), FList(list), FFilter(filter), FHost(host) {}

// --- clipboard ---------------------------------------------------------------------------

void TClipboardCommands::Copy() {
    const bool inList = FHost.CurrentPane() == TPane::MainItems;
    // A single detail item goes as its own text (a number, an address).
    if (inList && FList.SelectedCount() == 1) {
        TKexObject* r = FList.SelectedObject();
        if (r && r->GetKind() > kindWeb) {
            r->CopyToClipboard();
            return;
        }
    }
    if (!inList) {
        if (FList.Node) transfer::CopyNode(FList.Node, FFilter);
    } else {
        transfer::CopyListSelection(FList.SelectedObjects());
    }
}

void TClipboardCommands::Cut() {
    Copy();
    Delete(false);
}

void TClipboardCommands::Paste() {
    FHost.SelectRootIfNone();
    TTreeNode* target = FList.Node;
    if (!target) return;
    bool pasted;
    try {
        pasted = transfer::Paste(target);
    } catch (...) {
        // What was read before the error stays; show it.
        target->SortChildren();
        FHost.RefreshList();
        throw;
    }
    if (pasted) FHost.RefreshList();
}

void TClipboardCommands::Delete(bool ask) {
    const bool inTree = FHost.CurrentPane() == TPane::Folders;
    TTreeNode* selected = FList.Node;
    std::string name;
    if (inTree) {
        if (!selected || selected->Level() == 0) return;
        name = selected->Text();
    } else {
        const int count = FList.SelectedCount();
        if (count == 0) return;
        name = count > 1 ? "the " + std::to_string(count) + " selected items"
                         : FList.Rows[static_cast<size_t>(FList.FirstSelected())].Caption;
    }
    if (ask && AskUser("Are you sure you want to delete " + name + " and all sub-items?", "Warning",
                       mb::YesNoCancel | mb::IconQuestion) != id::Yes)
        return;

    // Automation may run while the question is open: when the node went or
    // the selection moved meanwhile, what was named is no longer what would
    // go, so nothing goes (removed rows have lost their records already).
    if (FList.Node != selected) return;
    if (inTree) {
        TTreeNode* parent = selected->Parent();
        FTree.Delete(selected);
        FHost.SelectNode(parent);
        return;
    }
    for (TKexObject* r : FList.SelectedObjects()) {
        if (TTreeNode* node = OwnNode(r))
            FTree.Delete(node);
        else
            DeleteListItem(selected, r);
    }
    if (selected) selected->SortChildren();
    FHost.RefreshList();
}

// --- drag and drop ---------------------------------------------------------------------

bool TClipboardCommands::DropsIntoOwnSubtree(TPane source, const TTreeNode* target) const {
    if (!target) return false;
    auto below = [target](const TTreeNode* n) {
        return n && (n == target || target->HasAsAncestor(n));
    };
    if (source == TPane::Folders) return below(FList.Node);
    for (const TListRow& row : FList.Rows)
        if (row.Selected && below(OwnNode(row.Data))) return true;
    return false;
}

bool TClipboardCommands::FoldersDragOver(TPane source, const TTreeNode* target) const {
    return !DropsIntoOwnSubtree(source, target);
}

void TClipboardCommands::FoldersDragDrop(TPane source, TTreeNode* target) {
    if (!target || !FoldersDragOver(source, target)) return;
    TTreeNode* selected = FList.Node;
    if (source == TPane::Folders) {
        if (!selected) return;
        if (MoveNodeTo(selected, target)) target->SortChildren();
        // The moved node stays selected: the tree shows it at its new place
        // and the list and path follow.
        FHost.SelectNode(selected);
        return;
    }
    TKexObject* ownerRecord = selected ? selected->Data() : nullptr;
    {
        TTreeUpdate update(FTree);
        for (TKexObject* r : FList.SelectedObjects()) {
            if (TTreeNode* node = OwnNode(r))
                MoveNodeTo(node, target);
            else
                MoveItemTo(r, ownerRecord, target);
        }
    }
    target->SortChildren();
    FHost.RefreshList();
}

bool TClipboardCommands::ItemsDragOver(TPane source, int targetRow) const {
    if (source == TPane::Folders || FHost.CurrentPane() == TPane::Folders) return false;
    TKexObject* doc = FList.SelectedObject();
    if (!doc || doc->GetKind() != kindDoc) return false;
    TKexObject* target = FList.RowObject(targetRow);
    if (!target) return false;
    return CsvField(target, "E-Mail Address").size() >= 2 ||
           CsvField(target, "Fax Number").size() >= 2;
}

void TClipboardCommands::ItemsDragDrop(TPane source, int targetRow) {
    if (!ItemsDragOver(source, targetRow)) return;
    TKexObject* doc = FList.SelectedObject();
    TKexObject* target = FList.RowObject(targetRow);
    const std::string file = doc->GetTarget();
    // Automation may run while a question is open: a target that left its
    // row meanwhile is sent nothing.
    auto confirmed = [&](const char* field, const std::string& question) {
        return CsvField(target, field).size() > 1 &&
               AskUser(question + target->GetTitle() + "?", "Confirm",
                       mb::YesNoCancel | mb::IconQuestion) == id::Yes &&
               FList.RowObject(targetRow) == target;
    };
    if (confirmed("Fax Number", "Send document via Fax to ")) target->SendFax(file);
    if (FList.RowObject(targetRow) != target) return;
    if (confirmed("E-Mail Address", "Send document as an E-Mail attachment to "))
        target->SendMail(file);
}

void TClipboardCommands::DropFiles(const std::vector<std::string>& files) {
    if (files.empty()) return;
    FHost.SelectRootIfNone();
    TTreeNode* owner = FList.Node;
    if (!owner || !owner->Data()) return;
    const std::string& path = files.front();
    CreateObject(kindDoc, fileio::ExtractFileName(path), path, "", owner, "", 0);
    FHost.RefreshList();
}
