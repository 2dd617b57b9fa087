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
#include "store/TreeNodes.h"

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

TMainForm::TMainForm(TContactStore& document)
    : Document(document), Folders(document.Tree()), FItems(document, *this),
      FFind(Folders, FItems, *this, StatusPanels[0]),
      FClipboard(Folders, FItems, FFind.Filter, *this), Selected(FItems.Node),
      MainItems(FItems.Rows), Filter(FFind.Filter), FilterListBox(FFind.FilterListBox),
      FoldersWidth(FFind.FoldersWidth), FilterListWidth(FFind.FilterListWidth),
      FindEditBox(FFind.FindEditBox), SearchTimeEnabled(FFind.SearchTimeEnabled),
      Progress(FFind.Progress) {}

TMainForm::~TMainForm() = default;

void TMainForm::SetView(IMainFormView* view) {
    FView = view;
    FItems.SetView(view);
    FFind.SetView(view);
}

void TMainForm::Create() {
    const ISettings& settings = Svc().UseSettings();
    WinState.Restore(settings);
    const auto names = TCategoryOptions::Read(settings).Names;
    FFind.Reset({names.begin(), names.end()});
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
    FFind.LeftPaneWidth() = s.Split;
}

// --- panes ----------------------------------------------------------------------

void TMainForm::FoldersChange(TTreeNode* node) {
    if (!node) return;
    FItems.Fill(node, Filter);
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
    return TItemList::Compare(a, b);
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
    FItems.SetRowSelected(row, selected);
}

void TMainForm::ClearListSelection() {
    FItems.ClearSelection();
}

// --- IMainWindow ------------------------------------------------------------------

std::vector<std::string> TMainForm::CategoryNames() const {
    return FFind.CategoryNames();
}

std::vector<TKexObject*> TMainForm::SelectedListObjects() const {
    return FItems.SelectedObjects();
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
    return FItems.SelectedCount();
}

int TMainForm::FirstSelectedRow() const {
    return FItems.FirstSelected();
}

TKexObject* TMainForm::SelectedRowObject() const {
    return FItems.SelectedObject();
}

TKexObject* TMainForm::ActionTarget() const {
    if (ActivePane == TPane::Folders) return Selected ? Selected->Data() : nullptr;
    return SelectedRowObject();
}

void TMainForm::SelectRootIfNone() {
    if (!Selected) SelectNode(Folders.GetFirstNode());
}

void TMainForm::FocusPane(TPane pane) {
    ActivePane = pane;
    if (FView) FView->FocusPane(pane);
}
