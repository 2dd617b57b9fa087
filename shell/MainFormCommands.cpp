#include "platform/BrowserLink.h"
#include "platform/FileIO.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"
#include "platform/ViewFactory.h"
#include "shell/MainForm.h"
#include "store/ContactStore.h"
#include "store/DataFile.h"
#include "store/KexObject.h"
#include "store/NodeKey.h"
#include "store/ObjectFactory.h"
#include "store/Transfer.h"
#include "store/TreeNodes.h"

namespace {
// A question through the view factory; without one nothing can be confirmed.
int Ask(const std::string& text, const std::string& caption, int type) {
    IViewFactory* views = Svc().Views;
    return views ? views->MessageBox(text, caption, type) : id::Cancel;
}

// True for a tree record that its node owns (so deleting means deleting the node).
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

// --- new records ------------------------------------------------------------------

void TMainForm::NewTreeRecord(uint8_t kind, const std::string& title) {
    SelectRootIfNone();
    if (!Selected) return;
    TTreeNode* parent = Selected;
    TCreated c = CreateObject(kind, title, "", "", parent, "", 0);
    bool ok = c.Object->EditNew(c.Node);
    if (kind == kindFolder || kind == kindTeam) {
        // The record keeps its default title; the label editor is open on it.
        RefreshList();
        return;
    }
    if (!ok) {
        Folders.Delete(c.Node);
        RefreshList();
        return;
    }
    if (kind == kindWeb) c.Node->SetText(c.Object->GetTitle());
    parent->SortChildren();
    RefreshList();
    SelectNewRow(c.Object);
}

void TMainForm::NewDetailRecord(uint8_t kind, const std::string& title,
                                const std::string& classLine) {
    SelectRootIfNone();
    if (!Selected || !Selected->Data()) return;
    TTreeNode* owner = Selected;
    TCreated c = CreateObject(kind, title, "", "", owner, classLine, 0);
    if (!c.Object->EditNew(nullptr)) {
        DeleteListItem(owner, c.Object);
        RefreshList();
        return;
    }
    RefreshList();
    SelectNewRow(c.Object);
}

void TMainForm::SelectNewRow(const TKexObject* record) {
    // What was just made is what the user acts on next: it becomes the
    // list's only selected row, in view.
    // A filter may hide it.
    int row = -1;
    for (size_t i = 0; i < MainItems.size() && row < 0; ++i)
        if (MainItems[i].Data == record) row = static_cast<int>(i);
    if (row < 0) return;
    SelectOnlyRow(row);
    if (FView) FView->ScrollToRow(row);
}

void TMainForm::OnNewFolder() {
    NewTreeRecord(kindFolder, "New Folder");
}
void TMainForm::OnNewOrg() {
    NewTreeRecord(kindOrg, "New Organization");
}
void TMainForm::OnNewTeam() {
    NewTreeRecord(kindTeam, "New Team");
}
void TMainForm::OnNewPerson() {
    NewTreeRecord(kindPerson, "New Person");
}
void TMainForm::OnNewWebsite() {
    NewTreeRecord(kindWeb, "New Website");
}
void TMainForm::OnNewAddr() {
    NewDetailRecord(kindAddress, "New Address");
}
void TMainForm::OnNewPhone() {
    NewDetailRecord(kindPhone, "New Phone");
}
void TMainForm::OnNewEMail() {
    NewDetailRecord(kindEMail, "New E-Mail");
}
void TMainForm::OnNewFax() {
    NewDetailRecord(kindFax, "New Fax");
}
void TMainForm::NewDateBtnClick() {
    NewDetailRecord(kindReminder, "New Reminder");
}
void TMainForm::DocItemClick() {
    NewDetailRecord(kindDoc, "New Document");
}

// --- delete, rename, properties ------------------------------------------------------

void TMainForm::DeleteBtnClick(const std::string& senderName) {
    std::string name;
    if (ActivePane == TPane::Folders) {
        if (!Selected || Selected->Level() == 0) return;
        name = Selected->Text();
    } else {
        int count = SelectedRowCount();
        if (count == 0) return;
        name = count > 1 ? "the " + std::to_string(count) + " selected items"
                         : MainItems[static_cast<size_t>(FirstSelectedRow())].Caption;
    }
    bool quiet = senderName == "CutBtn" || senderName == "Cut1" || senderName == "ListPaneCut";
    if (!quiet && Ask("Are you sure you want to delete " + name + " and all sub-items?", "Warning",
                      mb::YesNoCancel | mb::IconQuestion) != id::Yes)
        return;

    if (ActivePane == TPane::Folders) {
        TTreeNode* parent = Selected->Parent();
        Folders.Delete(Selected);
        SelectNode(parent);
        return;
    }
    TTreeNode* owner = Selected;
    for (TKexObject* r : SelectedListObjects()) {
        if (TTreeNode* node = OwnNode(r))
            Folders.Delete(node);
        else
            DeleteListItem(owner, r);
    }
    if (owner) owner->SortChildren();
    RefreshList();
}

void TMainForm::ListPaneRenameClick() {
    if (!FView) return;
    if (ActivePane == TPane::MainItems) {
        int row = FirstSelectedRow();
        if (row >= 0) FView->BeginEditRow(row);
    } else if (Selected && FoldersEditing(Selected)) {
        FView->BeginEditNode(Selected);
    }
}

bool TMainForm::FoldersEditing(TTreeNode* node) const {
    return node && !node->IsFirstNode();
}

void TMainForm::FoldersEdited(TTreeNode* node, const std::string& text) {
    if (!FoldersEditing(node)) return;
    TKexObject* r = node->Data();
    if (!r) return;
    r->SetTitle(text);
    // The label shows what was typed even where it differed from the title.
    if (node->Text() != r->GetTitle()) {
        node->SetText(r->GetTitle());
        if (node->Parent()) node->Parent()->SortChildren();
    }
    RefreshList();
}

void TMainForm::MainItemsEdited(int row, const std::string& text) {
    if (row < 0 || row >= static_cast<int>(MainItems.size())) return;
    TKexObject* r = MainItems[static_cast<size_t>(row)].Data;
    if (!r) return;
    r->SetTitle(text);
    RefreshFolderTitles();
    RefreshList();
}

void TMainForm::ListPanePropsClick() {
    TKexObject* r = nullptr;
    if (ActivePane == TPane::Folders) {
        if (Selected && Selected->Level() > 0) r = Selected->Data();
    } else {
        r = SelectedRowObject();
    }
    if (!r) return;
    r->EditProperties();
    RefreshFolderTitles();
    RefreshList();
}

// --- item actions ------------------------------------------------------------------

void TMainForm::MainItemsDblClick(int row) {
    // The double-clicked row acts, even where other rows are selected too.
    TKexObject* r = row >= 0 && row < static_cast<int>(MainItems.size())
                        ? MainItems[static_cast<size_t>(row)].Data
                        : SelectedRowObject();
    if (!r) return;
    TTreeNode* before = Selected;
    r->DefaultAction();
    // A container's default action selected another node (and refilled).
    if (Selected == before) RefreshList();
}

void TMainForm::ListPaneMailClick() {
    if (TKexObject* r = ActionTarget()) r->SendMail("");
}

void TMainForm::ListPaneFaxClick() {
    if (TKexObject* r = ActionTarget()) r->SendFax("");
}

void TMainForm::ListPaneDialClick() {
    if (TKexObject* r = ActionTarget()) r->Dial();
}

void TMainForm::ListPaneBrowseClick() {
    if (TKexObject* r = ActionTarget()) r->Browse();
}

void TMainForm::ListPaneAdvanceClick() {
    if (TKexObject* r = ActionTarget()) {
        r->AdvanceDate();
        RefreshList();
    }
}

void TMainForm::ListPaneLaunchClick() {
    if (TKexObject* r = ActionTarget()) r->Launch();
}

void TMainForm::SelectAll1Click() {
    ActivePane = TPane::MainItems;
    if (FView) FView->FocusPane(TPane::MainItems);
    for (auto& row : MainItems)
        row.Selected = true;
    if (FView) FView->ListSelectionChanged();
}

// --- drag and drop ---------------------------------------------------------------------

bool TMainForm::DropsIntoOwnSubtree(TPane source, const TTreeNode* target) const {
    if (!target) return false;
    auto below = [target](const TTreeNode* n) {
        return n && (n == target || target->HasAsAncestor(n));
    };
    if (source == TPane::Folders) return below(Selected);
    for (const auto& row : MainItems)
        if (row.Selected && below(OwnNode(row.Data))) return true;
    return false;
}

bool TMainForm::FoldersDragOver(TPane source, TTreeNode* target) const {
    return !DropsIntoOwnSubtree(source, target);
}

void TMainForm::FoldersDragDrop(TPane source, TTreeNode* target) {
    if (!target || !FoldersDragOver(source, target)) return;
    if (source == TPane::Folders) {
        if (!Selected) return;
        if (MoveNodeTo(Selected, target)) target->SortChildren();
        // The moved node stays selected: the tree shows it at its new place
        // and the list and path follow.
        SelectNode(Selected);
        return;
    }
    TTreeNode* owner = Selected;
    TKexObject* ownerRecord = owner ? owner->Data() : nullptr;
    {
        TTreeUpdate update(Folders);
        for (TKexObject* r : SelectedListObjects()) {
            if (TTreeNode* node = OwnNode(r))
                MoveNodeTo(node, target);
            else
                MoveItemTo(r, ownerRecord, target);
        }
    }
    target->SortChildren();
    RefreshList();
}

bool TMainForm::MainItemsDragOver(TPane source, int targetRow) const {
    if (source == TPane::Folders || ActivePane == TPane::Folders) return false;
    TKexObject* doc = SelectedRowObject();
    if (!doc || doc->GetKind() != kindDoc) return false;
    if (targetRow < 0 || targetRow >= static_cast<int>(MainItems.size())) return false;
    TKexObject* target = MainItems[static_cast<size_t>(targetRow)].Data;
    if (!target) return false;
    return CsvField(target, "E-Mail Address").size() >= 2 ||
           CsvField(target, "Fax Number").size() >= 2;
}

void TMainForm::MainItemsDragDrop(TPane source, int targetRow) {
    if (!MainItemsDragOver(source, targetRow)) return;
    TKexObject* doc = SelectedRowObject();
    TKexObject* target = MainItems[static_cast<size_t>(targetRow)].Data;
    const std::string file = doc->GetTarget();
    const int confirm = mb::YesNoCancel | mb::IconQuestion;
    if (CsvField(target, "Fax Number").size() > 1 &&
        Ask("Send document via Fax to " + target->GetTitle() + "?", "Confirm", confirm) == id::Yes)
        target->SendFax(file);
    if (CsvField(target, "E-Mail Address").size() > 1 &&
        Ask("Send document as an E-Mail attachment to " + target->GetTitle() + "?", "Confirm",
            confirm) == id::Yes)
        target->SendMail(file);
}

void TMainForm::EvDropFiles(const std::vector<std::string>& files) {
    if (files.empty()) return;
    SelectRootIfNone();
    if (!Selected || !Selected->Data()) return;
    const std::string& path = files.front();
    CreateObject(kindDoc, fileio::ExtractFileName(path), path, "", Selected, "", 0);
    RefreshList();
}

// --- clipboard ---------------------------------------------------------------------------

void TMainForm::CopyBtnClick() {
    if (ActivePane == TPane::MainItems && SelectedRowCount() == 1) {
        TKexObject* r = SelectedRowObject();
        if (r && r->GetKind() > kindWeb) {
            r->CopyToClipboard();
            return;
        }
    }
    if (ActivePane == TPane::Folders) {
        if (Selected) transfer::CopyNode(Selected, Filter);
    } else {
        transfer::CopyListSelection(SelectedListObjects());
    }
}

void TMainForm::CutBtnClick() {
    CopyBtnClick();
    DeleteBtnClick("CutBtn");
}

void TMainForm::PasteBtnClick() {
    SelectRootIfNone();
    if (!Selected) return;
    bool pasted;
    try {
        pasted = transfer::Paste(Selected);
    } catch (...) {
        // What was read before the error stays; show it.
        Selected->SortChildren();
        RefreshList();
        throw;
    }
    if (pasted) RefreshList();
}

// --- file ----------------------------------------------------------------------------------

void TMainForm::Save1Click() {
    Document.Save();
}

void TMainForm::Revert1Click() {
    if (Ask("This option will lose all changes made during this session. Are you sure?",
            "Revert to Saved", mb::OkCancel | mb::IconQuestion) != id::Ok)
        return;
    TTreeNode* root = Folders.GetFirstNode();
    if (!root) return;
    // Every node is made anew; the user stays at the same record when the
    // file still has it, else at its nearest ancestor that it has.
    const TNodeKey place(Selected ? Selected : root);
    Selected = root;
    MainItems.clear();
    auto finish = [&] {
        Folders.SortAll();
        TTreeNode* again = place.FindNearest(Folders);
        SelectNode(again ? again : root);
    };
    try {
        Document.Revert();
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

void TMainForm::GetUrlBtnClick() {
    SelectRootIfNone();
    if (!Selected) return;
    IBrowserLink& browser = Svc().UseBrowser();
    browser.SetAutoLoad(false);
    std::string address, title;
    browser.GetURL(address, title);
    if (address.empty()) {
        // Rather than nothing without a word: how a page can be read.
        std::string hint = browser.CaptureHint();
        if (!hint.empty()) Ask(hint, "Get Browser URL", mb::Ok | mb::IconInformation);
        return;
    }
    // A page without a title would leave a node without a label.
    CreateObject(kindWeb, title.empty() ? address : title, address, "", Selected, "", 0);
    Selected->SortChildren();
    RefreshList();
}

void TMainForm::ToggleMainWindowClick() {
    if (!FView) return;
    WinState.Toggle(*FView);
    FollowSetup();
}
