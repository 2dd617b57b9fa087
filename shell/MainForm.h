#pragma once

#include "platform/MainWindow.h"
#include "shell/ClipboardCommands.h"
#include "shell/FindAndFilter.h"
#include "shell/ItemList.h"
#include "shell/MainFormHost.h"
#include "shell/MainFormView.h"
#include "shell/MainWinState.h"
#include "shell/ProgressForm.h"
#include "shell/TipList.h"
#include "shell/ToolItems.h"
#include "store/ItemPopup.h"
#include "store/ListRow.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TContactStore;
class TTreeNodes;
class TTreeNode;
class TKexObject;
class TReportForm;

// The main window "Merrowin:" as a presenter: the folder tree and the item
// list, every command of the menus, toolbars and popup, drag and drop, find
// and the category filters. It implements what records ask of the main window.
// Every handler of the window is here under its own name; the item list, the
// find and filter, and the clipboard and drag-and-drop commands do their work
// in parts of their own (TItemList, TFindAndFilter, TClipboardCommands).
class TMainForm : public IMainWindow, private IMainFormHost {
public:
    // The window shows the document's tree; the document must outlive the
    // form.
    explicit TMainForm(TContactStore& document);
    ~TMainForm() override;
    TMainForm(const TMainForm&) = delete;
    TMainForm& operator=(const TMainForm&) = delete;

    void SetView(IMainFormView* view);

    // The creation steps of the main window: window state, category names,
    // filter reset, the document's data file (raises EInOutError when it is
    // damaged), selection of the root.
    void Create();
    // At the end of the run: saves the data file (unless told not to) and the
    // window state.
    void Destroy(bool saveData);

    // --- state shown by the view ------------------------------------------
    TContactStore& Document;
    TTreeNodes& Folders; // the document's tree
    TPane ActivePane = TPane::Folders;
    std::string StatusPanels[3]; // hint, "N item(s)", selected node's title
    std::string TrayToolTip;     // "[" path "]", at most 62 characters
    int ViewStyle = 1;           // 1 large icons, 2 small icons, 3 list, 4 details
    TTipBar TipBar;
    TMainWinState WinState;
    TToolItems Tools; // the configured tools, from creation to destruction

private:
    // The parts doing the work; the handlers below forward to them. Declared
    // before the references into them.
    TItemList FItems;
    TFindAndFilter FFind;
    TClipboardCommands FClipboard;

public:
    // The parts' state, where the view and the automation read it.
    TTreeNode*& Selected; // the tree's selected node, shown in the item list
    TListRows& MainItems; // the item list, sorted
    TFilterState& Filter;
    using TFilterEntry = TFindAndFilter::TFilterEntry;
    std::vector<TFilterEntry>& FilterListBox; // 32 categories
    int& FoldersWidth;                        // tree pane width
    int& FilterListWidth;                     // category list width while a filter is on
    // The width of the left pane as shown: the category list's while a filter
    // is on, else the tree's.
    int& LeftPaneWidth() { return FFind.LeftPaneWidth(); }
    std::string& FindEditBox;
    bool& SearchTimeEnabled; // the one-second find timer runs
    TProgressForm& Progress;

    static constexpr int kToolTipMax = 62;

    // --- panes (tree and list) ---------------------------------------------
    void FoldersChange(TTreeNode* node); // selection of a node: fills the list
    static int MainItemsCompare(const TListRow& a, const TListRow& b);
    void SetActivePane(TPane pane);
    std::string ActivePaneName() const override;
    void RefreshFolderTitles();
    void CmViewShowFormat(int tag); // View menu radio item
    void BnViewShowFormat(int tag); // view toolbar button
    // A right press on the tree: selects the node under the cursor; true when
    // the popup may open (a node was under it).
    bool FoldersRightClick(TTreeNode* underCursor);
    // A right press on the list: true when the popup may open (a row is selected).
    bool MainItemsRightClick() const;
    // The popup's first seven entries for the current target.
    TItemPopup ListPopupPopup() const;
    void ListPaneOpenClick();
    void UpOneBtnClick();
    // The list's selection as the view changed it.
    void SetRowSelected(int row, bool selected);
    void ClearListSelection();

    // --- commands -------------------------------------------------------------
    void OnNewFolder();
    void OnNewOrg();
    void OnNewTeam();
    void OnNewPerson();
    void OnNewWebsite();
    void OnNewAddr();
    void OnNewPhone();
    void OnNewEMail();
    void OnNewFax();
    void NewDateBtnClick();
    void DocItemClick();

    // senderName: "CutBtn", "Cut1" or "ListPaneCut" delete without asking.
    void DeleteBtnClick(const std::string& senderName);
    void ListPaneRenameClick();
    bool FoldersEditing(TTreeNode* node) const;
    void FoldersEdited(TTreeNode* node, const std::string& text);
    void MainItemsEdited(int row, const std::string& text);
    void ListPanePropsClick();
    // row: the double-clicked row; -1 for the first selected one.
    void MainItemsDblClick(int row = -1);
    void ListPaneMailClick();
    void ListPaneFaxClick();
    void ListPaneDialClick();
    void ListPaneBrowseClick();
    void ListPaneAdvanceClick();
    void ListPaneLaunchClick();
    void SelectAll1Click();

    // Drag and drop inside the window. source: the pane the drag started in.
    bool FoldersDragOver(TPane source, TTreeNode* target) const;
    void FoldersDragDrop(TPane source, TTreeNode* target);
    bool MainItemsDragOver(TPane source, int targetRow) const;
    void MainItemsDragDrop(TPane source, int targetRow);
    // Files dropped from a file manager onto the list (only the first is taken).
    void EvDropFiles(const std::vector<std::string>& files);

    void CopyBtnClick();
    void CutBtnClick();
    void PasteBtnClick();
    void Save1Click();
    void Revert1Click();
    void GetUrlBtnClick();
    void ToggleMainWindowClick();
    // File > Import: the import wizard below the selected node; the status
    // bar then says what it made.
    void ImportBtnClick();
    // "Print Reports" for the selected node; "Printer Setup".
    void PrintBtnClick();
    void PrinterSetupItemClick();
    // "Publish": the publishing wizard for the selected node.
    void PublishBtnClick();
    // View > Options; the toolbar tools popup's "&Show Popup"; a tool's entry
    // in either Tools menu (index in the tool list).
    void OptionsItemClick();
    void ToolsBtnClick();
    void ToolMenuItemClick(int index);

    // --- find and filters -------------------------------------------------------
    void FindEditBoxChange(const std::string& text);
    void SearchTimeTimer();
    void FindItemClick();
    void Locate(const std::string& text);
    // Either filter button: which is 1 (ANY) or 2 (ALL); down is its new state.
    void FilterBtn1Click(int which, bool down);
    void FilterListBoxClick();

    // --- command line -------------------------------------------------------------
    void OpenCommandLine(const std::string& text);
    void OpenFileArgument(const std::string& token);

    // --- IMainWindow ----------------------------------------------------------------
    std::vector<std::string> CategoryNames() const override;
    std::vector<TKexObject*> SelectedListObjects() const override;
    void EditNodeText(TTreeNode* node) override;
    void SelectNode(TTreeNode* node) override;
    // Fills the item list again for the selected node.
    void RefreshList() override;
    int ToolImageIndex(const std::string& fileName) const override;

    // Helpers the view uses.
    int SelectedRowCount() const;
    int FirstSelectedRow() const; // -1 when none
    TKexObject* SelectedRowObject() const;
    // The record the item actions act on: the tree's selected node's in the
    // tree pane, else the list's selected row's.
    TKexObject* ActionTarget() const;

private:
    // --- IMainFormHost ------------------------------------------------------------
    void SelectRootIfNone() override;
    TPane CurrentPane() const override { return ActivePane; }
    void FocusPane(TPane pane) override;

    void NewTreeRecord(uint8_t kind, const std::string& title);
    void NewDetailRecord(uint8_t kind, const std::string& title,
                         const std::string& classLine = std::string());
    void UpdateStatus();
    // The form's own copies of the view style and the tree width follow an
    // applied window setup.
    void FollowSetup();

    IMainFormView* FView = nullptr;
    std::unique_ptr<TReportForm> FReportForm; // made at the first print, kept for the run
};
