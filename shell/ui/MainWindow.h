#pragma once

#include "shell/MainFormView.h"
#include "shell/ui/PaneViews.h"

#include <QMainWindow>
#include <QPersistentModelIndex>
#include <string>

class TMainForm;
class TTreeModel;
class TProgressWindow;
class TMainCommands;
class TFindFilter;
class TItemListPane;
class ISettings;
class QAction;
class QMenu;
class QSplitter;
class QStackedWidget;
class QKeyEvent;

// The main window "Merrowin:": the folder tree and the item list with their
// menus, toolbars and status bar, over the TMainForm presenter. It shows what
// the presenter holds and hands every user action to it. The commands
// (TMainCommands), the find box and filter list (TFindFilter) and the item
// list's views (TItemListPane) are parts of their own.
class TMainWindow : public QMainWindow, public IMainFormView, private IPaneHost {
    Q_OBJECT
public:
    explicit TMainWindow(TMainForm& form, QWidget* parent = nullptr);
    ~TMainWindow() override;

    // The presenter was created (data loaded): show what it holds.
    void Loaded();

    // The command line the first showing opens (program path first).
    void SetCommandLine(const std::string& text) { FCommandLine = text; }
    // While ending, closing really closes instead of hiding.
    void SetEnding() { FEnding = true; }

    // Toolbar places and visibility, status bar visibility ([Toolbars]).
    void SaveBars(ISettings& settings) const;
    void RestoreBars(const ISettings& settings);

    // The named command (its control name, e.g. "Save1", "CutBtn"), or null.
    QAction* Command(const std::string& name) const;
    QMenu* ListPopup() const;
    // The item list's view that shows (icons and list, or details).
    QAbstractItemView* ActiveListView() const;
    // Prepares the popup for the current target as a right click would.
    void PreparePopup();

    // --- IMainFormView ----------------------------------------------------
    void TreeSelectionChanged(TTreeNode* node) override;
    void BeginEditNode(TTreeNode* node) override;
    void BeginEditRow(int row) override;
    void ListChanged() override;
    void ListSelectionChanged() override;
    void ScrollToRow(int row) override;
    void FocusPane(TPane pane) override;
    void StatusChanged() override;
    void FilterModeChanged() override;
    void ViewStyleChanged() override;
    void ProgressChanged() override;
    TWinSetup GetSetup() const override;
    void ApplySetup(const TWinSetup& setup) override;
    void ShowMainWindow() override;
    void ToolsChanged() override;
    void CategoryNamesChanged() override;
    QMenu* ToolsPopup() const;

signals:
    // The tool list changed: the tray's Tools menu follows.
    void ToolsMenuChanged();
    // File > Exit: the program ends by its ordinary path.
    void ExitRequested();
    // The status or the tray tooltip text changed.
    void TrayToolTipChanged();

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    // --- IPaneHost --------------------------------------------------------------
    void PaneFocused(TPane pane) override;
    void PaneContextMenu(TPane pane, const QPoint& globalPos, const QModelIndex& at) override;
    bool PaneDragOver(TPane pane, const QMimeData* data, const QModelIndex& at) override;
    void PaneDrop(TPane pane, const QMimeData* data, const QModelIndex& at) override;
    void PaneStartDrag(TPane pane) override;
    bool PaneMayEdit(TPane pane, const QModelIndex& index) override;
    bool PaneKey(TPane pane, const QKeyEvent* e) override;
    // The popup for the pane's current entry, as the Menu key opens it.
    void OpenPopupFromKeyboard(TPane pane);

    void BuildPanes();
    void TreeCurrentChanged(const QModelIndex& current);
    void ApplyLeftWidth();
    void SplitterMoved(int pos);
    void ApplyViewStyle();
    void FirstShow();
    // The tree's top visible node before a change of its layout, and the
    // tree scrolled back to it afterwards.
    void HoldTreePlace();
    void RestoreTreePlace();

    TMainForm& FForm;
    TTreeModel* FTreeModel = nullptr;
    TFolderTreeView* FTree = nullptr;
    TItemListPane* FList = nullptr;
    QStackedWidget* FLeftStack = nullptr;
    QSplitter* FSplitter = nullptr;
    TMainCommands* FCommands = nullptr;
    TFindFilter* FFindFilter = nullptr;
    TProgressWindow* FProgress = nullptr;
    QPersistentModelIndex FTreeAnchor;

    std::string FCommandLine;
    bool FFirstShow = true;
    bool FEnding = false;
    int FSyncing = 0; // > 0 while the window itself changes views
};
