#include "platform/BrowserLink.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"
#include "platform/AskUser.h"
#include "shell/MainForm.h"
#include "store/ContactStore.h"
#include "store/KexObject.h"
#include "store/NodeKey.h"
#include "store/ObjectFactory.h"
#include "store/TreeNodes.h"

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
    FItems.SelectNew(c.Object);
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
    FItems.SelectNew(c.Object);
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
    const bool quiet =
        senderName == "CutBtn" || senderName == "Cut1" || senderName == "ListPaneCut";
    FClipboard.Delete(!quiet);
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
    TKexObject* r = row >= 0 && row < static_cast<int>(MainItems.size()) ? FItems.RowObject(row)
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
    FocusPane(TPane::MainItems);
    FItems.SelectAll();
}

// --- drag and drop, clipboard ---------------------------------------------------------------

bool TMainForm::FoldersDragOver(TPane source, TTreeNode* target) const {
    return FClipboard.FoldersDragOver(source, target);
}

void TMainForm::FoldersDragDrop(TPane source, TTreeNode* target) {
    FClipboard.FoldersDragDrop(source, target);
}

bool TMainForm::MainItemsDragOver(TPane source, int targetRow) const {
    return FClipboard.ItemsDragOver(source, targetRow);
}

void TMainForm::MainItemsDragDrop(TPane source, int targetRow) {
    FClipboard.ItemsDragDrop(source, targetRow);
}

void TMainForm::EvDropFiles(const std::vector<std::string>& files) {
    FClipboard.DropFiles(files);
}

void TMainForm::CopyBtnClick() {
    FClipboard.Copy();
}

void TMainForm::CutBtnClick() {
    FClipboard.Cut();
}

void TMainForm::PasteBtnClick() {
    FClipboard.Paste();
}

// --- file ----------------------------------------------------------------------------------

void TMainForm::Save1Click() {
    Document.Save();
}

void TMainForm::Revert1Click() {
    if (AskUser("This option will lose all changes made during this session. Are you sure?",
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
        if (!hint.empty()) AskUser(hint, "Get Browser URL", mb::Ok | mb::IconInformation);
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
