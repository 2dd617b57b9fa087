#include "shell/MainForm.h"

#include "platform/ImageList.h"
#include "platform/Services.h"
#include "platform/Settings.h"
#include "platform/TextCodec.h"
#include "printing/ReportForm.h" // destroyed with the form
#include "store/ContactStore.h"
#include "store/KexObject.h"
#include "store/ObjectFactory.h"
#include "store/Options.h"
#include "store/TreeCompare.h"
#include "store/TreeNodes.h"
#include "store/TreeObserver.h"

#include <algorithm>

namespace {
// A node's path for the screen: each label made UTF-8 on its own, so labels
// read from old Windows-1252 files show beside new ones.
std::string DisplayPath(const TTreeNode* node) {
    std::string path = textcodec::ToDisplayUtf8(node->Text());
    for (const TTreeNode* p = node->Parent(); p; p = p->Parent())
        path = textcodec::ToDisplayUtf8(p->Text()) + "/" + path;
    return path;
}
} // namespace

// Keeps the form's selected node valid when nodes are removed by anyone
// (commands, automation): the selection falls back to the removed node's
// parent, and rows that may show removed records are dropped. Follows the
// document too: a row whose record goes loses it at once, and the list is
// read again when an update scope that touched what it shows ends.
class TMainForm::TSelectionGuard : public ITreeObserver, public IRecordObserver {
public:
    explicit TSelectionGuard(TMainForm& form) : FForm(form) {}

    void RecordRemoving(TKexObject* record) override { Forget(record); }
    void ItemRemoving(TKexObject* /*owner*/, TKexObject* item) override { Forget(item); }

    void RecordsChanged(const TRecordChanges& changes) override {
        bool refill = FStale;
        FStale = false;
        for (const TRecordChange& c : changes.Records)
            refill = refill || Shows(c.Record);
        if (refill) FForm.RefreshList();
    }

    void NodeRemoving(TTreeNode* node) override {
        TTreeNode*& sel = FForm.Selected;
        bool listShowsIt = sel && node->Parent() == sel;
        if (sel && (sel == node || sel->HasAsAncestor(node))) {
            sel = node->Parent();
            listShowsIt = true;
        }
        if (listShowsIt && !FForm.MainItems.empty()) {
            FForm.MainItems.clear();
            if (FForm.FView) FForm.FView->ListChanged();
        }
    }

private:
    // The record is the selected node's own (its items and title show) or
    // one of the list's rows: a child node's record or an item of the node.
    bool Shows(const TKexObject* r) const {
        const TTreeNode* sel = FForm.Selected;
        if (!sel || !r) return false;
        if (sel->Data() == r) return true;
        const TTreeNode* n = r->GetNode();
        if (!n) return false;
        return n->Data() == r ? n->Parent() == sel : n == sel;
    }

    void Forget(const TKexObject* record) {
        for (auto& row : FForm.MainItems) {
            if (row.Data != record) continue;
            row.Data = nullptr;
            row.Selected = false;
            FStale = true;
        }
    }

    TMainForm& FForm;
    bool FStale = false; // rows lost their records: refill at the scope's end
};

TMainForm::TMainForm(TContactStore& document)
    : Document(document), Folders(document.Tree()),
      FGuard(std::make_unique<TSelectionGuard>(*this)) {
    Folders.AddObserver(FGuard.get());
    Document.AddObserver(FGuard.get());
}

TMainForm::~TMainForm() {
    Document.RemoveObserver(FGuard.get());
    Folders.RemoveObserver(FGuard.get());
}

void TMainForm::Create() {
    const ISettings& settings = Svc().UseSettings();
    WinState.Restore(settings);
    FilterListBox.clear();
    for (const std::string& name : TCategoryOptions::Read(settings).Names)
        FilterListBox.push_back({name, false});
    Filter = TFilterState{};
    FoldersWidth = WinState.Current().Split;
    // Before the data: tool items take their icons from the tools.
    Tools.Load(settings);

    TTreeNode* root = Document.Root();

    // A damaged data file still leaves a usable window behind the error: what
    // was read stays, sorted and shown, before the error reaches the caller.
    auto finish = [&] {
        // The file need not be in tree order (written by another program or
        // an import): show it sorted as everything else is.
        Folders.SortAll();
        SelectNode(root);
        ActivePane = TPane::Folders;
        if (FView) {
            WinState.Apply(*FView);
            FollowSetup();
        }
    };
    try {
        Document.Load();
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

void TMainForm::Destroy(bool saveData) {
    if (saveData) Document.Save();
    if (FView) WinState.Get(*FView);
    ISettings& settings = Svc().UseSettings();
    TSettingsBatch batch(settings);
    WinState.Save(settings);
    Tools.Save(settings);
    batch.Commit();
}

void TMainForm::FollowSetup() {
    const TWinSetup& s = WinState.Current();
    if (s.Style >= 1 && s.Style <= 4) ViewStyle = s.Style;
    if (Filter.FilterMode())
        FilterListWidth = s.Split;
    else
        FoldersWidth = s.Split;
}

// --- panes ----------------------------------------------------------------------

void TMainForm::FoldersChange(TTreeNode* node) {
    if (!node) return;
    // A refill of the node already shown keeps the rows of the records that
    // were selected selected (the pointers are only compared: some may be gone).
    std::vector<TKexObject*> keep;
    if (node == Selected) keep = SelectedListObjects();
    std::sort(keep.begin(), keep.end());
    Selected = node;
    MainItems.clear();
    for (TTreeNode* child = node->GetFirstChild(); child; child = child->GetNextSibling()) {
        TKexObject* r = child->Data();
        if (r && r->IsFilteredOut(Filter)) continue;
        TListRow row;
        row.Caption = child->Text();
        row.Data = r;
        row.StateIndex = child->StateIndex();
        if (r) {
            row.Target = r->GetTarget();
            row.Comment = r->GetComment();
            row.ImageIndex = r->GetImageIndex();
        }
        MainItems.push_back(std::move(row));
    }
    if (TKexObject* r = node->Data()) r->FillListView(MainItems, Filter);
    for (TListRow& row : MainItems)
        row.Selected = row.Data && std::binary_search(keep.begin(), keep.end(), row.Data);
    std::stable_sort(MainItems.begin(), MainItems.end(), [](const TListRow& a, const TListRow& b) {
        return MainItemsCompare(a, b) < 0;
    });
    UpdateStatus();
    if (FView) FView->ListChanged();
}

void TMainForm::UpdateStatus() {
    StatusPanels[1] = std::to_string(MainItems.size()) + " item(s)";
    StatusPanels[2] = Selected ? Selected->Text() : std::string();
    TrayToolTip = Selected ? textcodec::CutText("[" + DisplayPath(Selected) + "]", kToolTipMax)
                           : std::string();
    if (FView) FView->StatusChanged();
}

int TMainForm::MainItemsCompare(const TListRow& a, const TListRow& b) {
    return CompareObjects(a.Data, b.Data);
}

void TMainForm::SetActivePane(TPane pane) {
    ActivePane = pane;
}

std::string TMainForm::ActivePaneName() const {
    return ActivePane == TPane::Folders ? "Folders" : "MainItems";
}

void TMainForm::RefreshFolderTitles() {
    if (!Selected) return;
    if (TKexObject* r = Selected->Data()) Selected->SetText(r->GetTitle());
    for (TTreeNode* c = Selected->GetFirstChild(); c; c = c->GetNextSibling())
        if (TKexObject* r = c->Data()) c->SetText(r->GetTitle());
}

void TMainForm::CmViewShowFormat(int tag) {
    if (tag < 1 || tag > 4) return;
    ViewStyle = tag;
    if (FView) FView->ViewStyleChanged();
}

void TMainForm::BnViewShowFormat(int tag) {
    CmViewShowFormat(tag);
}

bool TMainForm::FoldersRightClick(TTreeNode* underCursor) {
    if (!underCursor) return false;
    SelectNode(underCursor);
    return true;
}

bool TMainForm::MainItemsRightClick() const {
    return SelectedRowCount() > 0;
}

TItemPopup TMainForm::ListPopupPopup() const {
    TItemPopup popup;
    TKexObject* target = nullptr;
    if (ActivePane == TPane::MainItems) target = SelectedRowObject();
    if (!target && Selected) target = Selected->Data();
    if (target) target->SetupPopup(popup);
    return popup;
}

void TMainForm::ListPaneOpenClick() {
    if (ActivePane == TPane::Folders) return;
    TKexObject* r = SelectedRowObject();
    if (!r || !IsTreeKind(r->GetKind())) return;
    TTreeNode* node = r->GetNode();
    if (node && node->Data() == r) SelectNode(node);
}

void TMainForm::UpOneBtnClick() {
    if (Selected && Selected->Level() > 0) SelectNode(Selected->Parent());
}

void TMainForm::SetRowSelected(int row, bool selected) {
    if (row < 0 || row >= static_cast<int>(MainItems.size())) return;
    MainItems[static_cast<size_t>(row)].Selected = selected;
}

void TMainForm::ClearListSelection() {
    for (auto& row : MainItems)
        row.Selected = false;
}

void TMainForm::SelectOnlyRow(int row) {
    ClearListSelection();
    SetRowSelected(row, true);
    if (FView) FView->ListSelectionChanged();
}

int TMainForm::FindRow(const TKexObject* record, const std::string& caption) const {
    for (size_t i = 0; i < MainItems.size(); ++i)
        if (record && MainItems[i].Data == record) return static_cast<int>(i);
    for (size_t i = 0; i < MainItems.size(); ++i)
        if (MainItems[i].Caption == caption) return static_cast<int>(i);
    return -1;
}

// --- IMainWindow ------------------------------------------------------------------

std::vector<std::string> TMainForm::CategoryNames() const {
    std::vector<std::string> names;
    names.reserve(FilterListBox.size());
    for (const auto& e : FilterListBox)
        names.push_back(e.Name);
    return names;
}

std::vector<TKexObject*> TMainForm::SelectedListObjects() const {
    std::vector<TKexObject*> out;
    for (const auto& row : MainItems)
        if (row.Selected && row.Data) out.push_back(row.Data);
    return out;
}

void TMainForm::EditNodeText(TTreeNode* node) {
    if (node && FoldersEditing(node) && FView) FView->BeginEditNode(node);
}

void TMainForm::SelectNode(TTreeNode* node) {
    if (!node) return;
    Selected = node;
    if (FView) FView->TreeSelectionChanged(node);
    FoldersChange(node);
}

void TMainForm::RefreshList() {
    if (Selected) FoldersChange(Selected);
}

int TMainForm::ToolImageIndex(const std::string& fileName) const {
    const TToolItem* tool = Tools.Find(fileName);
    return tool ? tool->ImageIndex() : kGenericDocumentImage;
}

// --- helpers --------------------------------------------------------------------

int TMainForm::SelectedRowCount() const {
    return static_cast<int>(std::count_if(MainItems.begin(), MainItems.end(),
                                          [](const TListRow& r) { return r.Selected; }));
}

int TMainForm::FirstSelectedRow() const {
    for (size_t i = 0; i < MainItems.size(); ++i)
        if (MainItems[i].Selected) return static_cast<int>(i);
    return -1;
}

TKexObject* TMainForm::SelectedRowObject() const {
    int row = FirstSelectedRow();
    return row < 0 ? nullptr : MainItems[static_cast<size_t>(row)].Data;
}

TKexObject* TMainForm::ActionTarget() const {
    if (ActivePane == TPane::Folders) return Selected ? Selected->Data() : nullptr;
    return SelectedRowObject();
}

void TMainForm::SelectRootIfNone() {
    if (!Selected) SelectNode(Folders.GetFirstNode());
}
