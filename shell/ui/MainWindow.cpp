#include "shell/ui/MainWindow.h"

#include "platform/Settings.h"
#include "platform/ui/HelpLauncher.h"
#include "platform/ui/IconImages.h"
#include "platform/ui/QtText.h"
#include "shell/MainForm.h"
#include "shell/ui/AppException.h"
#include "shell/ui/FittedLabel.h"
#include "shell/ui/ItemImages.h"
#include "shell/ui/ItemListModel.h"
#include "shell/ui/ProgressWindow.h"
#include "store/TreeNode.h"
#include "store/TreeNodes.h"
#include "store/ui/TreeModel.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDrag>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QUrl>

namespace {
// Drags inside the window carry the pane they started in.
constexpr const char* kPaneMime = "application/x-merrowin-pane";

QByteArray PaneName(TPane pane) {
    return pane == TPane::Folders ? "Folders" : "MainItems";
}

// RAII for the window's own changes to its views, which must not be reported
// back to the presenter as user actions.
class TSyncGuard {
public:
    explicit TSyncGuard(int& count) : FCount(count) { ++FCount; }
    ~TSyncGuard() { --FCount; }
    TSyncGuard(const TSyncGuard&) = delete;
    TSyncGuard& operator=(const TSyncGuard&) = delete;

private:
    int& FCount;
};
} // namespace

TMainWindow::TMainWindow(TMainForm& form, QWidget* parent) : QMainWindow(parent), FForm(form) {
    setObjectName("MainForm");
    setWindowTitle("Merrowin:");
    setWindowIcon(AppIcon());
    resize(640, 480);
    FSearchTime.setSingleShot(true);
    FSearchTime.setInterval(1000);
    connect(&FSearchTime, &QTimer::timeout, this, &TMainWindow::FindTimerFired);
    FProgress = new TProgressWindow(FForm.Progress, this);
    BuildPanes();
    BuildActions();
    BuildMenus();
    BuildToolbars();
    BuildStatusBar();
    FForm.SetView(this);
}

TMainWindow::~TMainWindow() {
    FForm.SetView(nullptr);
}

void TMainWindow::BuildPanes() {
    FTreeModel = new TTreeModel(FForm.Folders, this);
    FListModel = new TItemListModel(FForm, this);

    FTree = new TFolderTreeView(TPane::Folders, *this);
    FTree->setObjectName("Folders");
    FTree->setModel(FTreeModel);
    FTree->setHeaderHidden(true);
    FTree->setIndentation(20);
    FTree->setFrameShape(QFrame::NoFrame);
    FTree->setSelectionMode(QAbstractItemView::SingleSelection);
    FTree->setItemDelegate(new TPaneDelegate(
        [this](const QModelIndex& index, const QString& text) {
            QPersistentModelIndex at(index);
            QMetaObject::invokeMethod(
                this,
                [this, at, text] {
                    if (TTreeNode* node = FTreeModel->NodeAt(at))
                        Guarded([&] { FForm.FoldersEdited(node, ToStored(text)); });
                },
                Qt::QueuedConnection);
        },
        true, FTree));
    connect(FTree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { TreeCurrentChanged(current); });
    // A click on the tree's empty space clears its selection, yet the list
    // still shows the selected node: keep that node marked.
    connect(FTree->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (FSyncing || FTree->selectionModel()->hasSelection()) return;
        QMetaObject::invokeMethod(
            this, [this] { TreeSelectionChanged(FForm.Selected); }, Qt::QueuedConnection);
    });
    // A node added below the root shows at once.
    connect(FTreeModel, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex& parent) {
        if (parent.isValid() && !parent.parent().isValid()) FTree->expand(parent);
    });
    // A load, a paste or a sort keeps the part of the tree the user looks at.
    connect(FTreeModel, &QAbstractItemModel::layoutAboutToBeChanged, this,
            &TMainWindow::HoldTreePlace);
    connect(FTreeModel, &QAbstractItemModel::layoutChanged, this, &TMainWindow::RestoreTreePlace);

    FFilterList = new QListWidget;
    FFilterList->setObjectName("FilterListBox");
    FFilterList->setFrameShape(QFrame::NoFrame);
    connect(FFilterList, &QListWidget::itemChanged, this, &TMainWindow::FilterItemChanged);

    FLeftStack = new QStackedWidget;
    FLeftStack->addWidget(FTree);
    FLeftStack->addWidget(FFilterList);
    FLeftStack->setMinimumWidth(1); // the alternate setup narrows it to one pixel

    auto commitRow = [this](const QModelIndex& index, const QString& text) {
        int row = index.row();
        TKexObject* data = row < static_cast<int>(FForm.MainItems.size())
                               ? FForm.MainItems[static_cast<size_t>(row)].Data
                               : nullptr;
        QMetaObject::invokeMethod(
            this,
            [this, row, data, text] {
                // The rows may have been refilled meanwhile: find the record again.
                int at = -1;
                for (size_t i = 0; i < FForm.MainItems.size() && at < 0; ++i)
                    if (data ? FForm.MainItems[i].Data == data : static_cast<int>(i) == row)
                        at = static_cast<int>(i);
                if (at >= 0) Guarded([&] { FForm.MainItemsEdited(at, ToStored(text)); });
            },
            Qt::QueuedConnection);
    };

    FIconView = new TItemIconView(TPane::MainItems, *this);
    FIconView->setObjectName("MainItems");
    FIconView->setModel(FListModel);
    FIconView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    FIconView->setItemDelegate(new TPaneDelegate(commitRow, false, FIconView));
    FIconView->setResizeMode(QListView::Adjust);
    FIconView->setUniformItemSizes(false);
    FIconView->setWordWrap(true);

    FDetailsView = new TItemDetailsView(TPane::MainItems, *this);
    FDetailsView->setObjectName("MainItemsDetails");
    FDetailsView->setModel(FListModel);
    FDetailsView->setSelectionModel(FIconView->selectionModel());
    FDetailsView->setRootIsDecorated(false);
    FDetailsView->setItemsExpandable(false);
    FDetailsView->setAllColumnsShowFocus(true);
    FDetailsView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    FDetailsView->setItemDelegate(new TPaneDelegate(commitRow, false, FDetailsView));
    FDetailsView->header()->setStretchLastSection(false);
    FDetailsView->header()->setSectionsMovable(false);
    FDetailsView->setIconSize(QSize(16, 16));

    for (QAbstractItemView* v : {static_cast<QAbstractItemView*>(FIconView),
                                 static_cast<QAbstractItemView*>(FDetailsView)}) {
        v->setFrameShape(QFrame::NoFrame);
        connect(v, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
            int row = index.row();
            Guarded([this, row] { FForm.MainItemsDblClick(row); });
        });
    }
    connect(FIconView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TMainWindow::ListSelectionEdited);

    FListStack = new QStackedWidget;
    FListStack->addWidget(FIconView);
    FListStack->addWidget(FDetailsView);

    FSplitter = new QSplitter(Qt::Horizontal);
    FSplitter->setObjectName("WinSplitterPanel");
    FSplitter->addWidget(FLeftStack);
    FSplitter->addWidget(FListStack);
    FSplitter->setStretchFactor(0, 0);
    FSplitter->setStretchFactor(1, 1);
    FSplitter->setCollapsible(0, true);
    FSplitter->setCollapsible(1, false);
    FSplitter->setHandleWidth(6);
    connect(FSplitter, &QSplitter::splitterMoved, this, &TMainWindow::SplitterMoved);
    setCentralWidget(FSplitter);

    FTree->expand(FTreeModel->index(0, 0));
    ApplyViewStyle();
}

void TMainWindow::FillFilterList() {
    TSyncGuard guard(FSyncing);
    FFilterList->clear();
    for (const auto& entry : FForm.FilterListBox) {
        auto* item = new QListWidgetItem(FromStored(entry.Name), FFilterList);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(entry.Checked ? Qt::Checked : Qt::Unchecked);
    }
}

void TMainWindow::CategoryNamesChanged() {
    // The names change in place: the list keeps its scroll place and checks.
    TSyncGuard guard(FSyncing);
    for (int i = 0; i < FFilterList->count() && i < static_cast<int>(FForm.FilterListBox.size());
         ++i)
        FFilterList->item(i)->setText(FromStored(FForm.FilterListBox[static_cast<size_t>(i)].Name));
}

void TMainWindow::Loaded() {
    FillFilterList();
    ToolsChanged();
    FTree->expand(FTreeModel->index(0, 0));
    TreeSelectionChanged(FForm.Selected);
    ListChanged();
    StatusChanged();
    FilterModeChanged();
    ApplyViewStyle();
}

// --- what the user does --------------------------------------------------------

void TMainWindow::TreeCurrentChanged(const QModelIndex& current) {
    if (FSyncing) return;
    TTreeNode* node = FTreeModel->NodeAt(current);
    if (!node || node == FForm.Selected) return;
    Guarded([&] { FForm.FoldersChange(node); });
}

void TMainWindow::ListSelectionEdited(const QItemSelection& selected,
                                      const QItemSelection& deselected) {
    if (FSyncing) return;
    // Rows appear once per column in the details view's selection.
    for (const QModelIndex& i : deselected.indexes())
        if (i.column() == 0) FForm.SetRowSelected(i.row(), false);
    for (const QModelIndex& i : selected.indexes())
        if (i.column() == 0) FForm.SetRowSelected(i.row(), true);
}

void TMainWindow::FilterItemChanged(QListWidgetItem* item) {
    if (FSyncing) return;
    int row = FFilterList->row(item);
    if (row < 0 || row >= static_cast<int>(FForm.FilterListBox.size())) return;
    FForm.FilterListBox[static_cast<size_t>(row)].Checked = item->checkState() == Qt::Checked;
    Guarded([this] { FForm.FilterListBoxClick(); });
}

void TMainWindow::SplitterMoved(int pos) {
    if (FSyncing) return;
    (FForm.Filter.FilterMode() ? FForm.FilterListWidth : FForm.FoldersWidth) = pos;
}

void TMainWindow::PaneFocused(TPane pane) {
    if (FSyncing) return;
    FForm.SetActivePane(pane);
}

bool TMainWindow::PaneMayEdit(TPane pane, const QModelIndex& index) {
    if (pane == TPane::Folders) return FForm.FoldersEditing(FTreeModel->NodeAt(index));
    return index.column() == 0;
}

bool TMainWindow::PaneKey(TPane pane, const QKeyEvent* e) {
    const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
    const int key = e->key();
    if ((key == Qt::Key_Menu && mods == Qt::NoModifier) ||
        (key == Qt::Key_F10 && mods == Qt::ShiftModifier)) {
        OpenPopupFromKeyboard(pane);
        return true;
    }
    const char* command = nullptr;
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && mods == Qt::AltModifier)
        command = "ListPaneProps";
    else if (key == Qt::Key_Delete && mods == Qt::NoModifier)
        command = "DeleteBtn"; // asks first, as Shift+Del does
    if (!command) return false;
    FForm.SetActivePane(pane);
    Command(command)->trigger();
    return true;
}

void TMainWindow::OpenPopupFromKeyboard(TPane pane) {
    FForm.SetActivePane(pane);
    QAbstractItemView* view =
        pane == TPane::Folders ? static_cast<QAbstractItemView*>(FTree) : ActiveListView();
    QModelIndex at = pane == TPane::Folders ? FTree->currentIndex()
                                            : FListModel->index(FForm.FirstSelectedRow(), 0);
    // The menu opens beside the entry it is for, as a right click there would.
    QPoint local(0, 0);
    if (at.isValid()) {
        view->scrollTo(at);
        QRect r = view->visualRect(at);
        local = QPoint(r.left() + qMin(r.width() / 2, 40), r.center().y());
    }
    PaneContextMenu(pane, view->viewport()->mapToGlobal(local), at);
}

void TMainWindow::PaneContextMenu(TPane pane, const QPoint& globalPos, const QModelIndex& at) {
    // The desktop may follow the Menu key with a request of its own.
    if (FListPopup->isVisible()) return;
    bool open = false;
    Guarded([&] {
        open = pane == TPane::Folders ? FForm.FoldersRightClick(FTreeModel->NodeAt(at))
                                      : FForm.MainItemsRightClick();
    });
    if (!open) return;
    PreparePopup();
    FListPopup->popup(globalPos);
}

void TMainWindow::PreparePopup() {
    TItemPopup popup = FForm.ListPopupPopup();
    static const char* const names[pePopupEntryCount] = {
        "ListPaneOpen",   "ListPaneMail",    "ListPaneFax",   "ListPaneDial",
        "ListPaneBrowse", "ListPaneAdvance", "ListPaneLaunch"};
    for (int e = 0; e < pePopupEntryCount; ++e)
        if (QAction* a = Command(names[e])) a->setVisible(popup.IsVisible(TPopupEntry(e)));
}

void TMainWindow::PaneStartDrag(TPane pane) {
    auto* mime = new QMimeData;
    mime->setData(kPaneMime, PaneName(pane));
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    QModelIndex current =
        pane == TPane::Folders ? FTree->currentIndex() : ActiveListView()->currentIndex();
    if (current.isValid()) {
        QIcon icon = pane == TPane::Folders
                         ? ComposedImage(current.data(TTreeModel::ImageRole).toInt(), -1, -1)
                         : current.siblingAtColumn(0).data(Qt::DecorationRole).value<QIcon>();
        drag->setPixmap(icon.pixmap(pane == TPane::MainItems && FForm.ViewStyle == 1 ? 32 : 16));
    }
    drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
}

namespace {
std::optional<TPane> DragSource(const QMimeData* data) {
    if (!data || !data->hasFormat(kPaneMime)) return std::nullopt;
    return data->data(kPaneMime) == "Folders" ? TPane::Folders : TPane::MainItems;
}

std::vector<std::string> LocalFiles(const QMimeData* data) {
    std::vector<std::string> files;
    if (!data || !data->hasUrls()) return files;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) files.push_back(ToStored(url.toLocalFile()));
    return files;
}
} // namespace

bool TMainWindow::PaneDragOver(TPane pane, const QMimeData* data, const QModelIndex& at) {
    bool ok = false;
    if (auto source = DragSource(data)) {
        Guarded([&] {
            ok = pane == TPane::Folders
                     ? FForm.FoldersDragOver(*source, FTreeModel->NodeAt(at))
                     : FForm.MainItemsDragOver(*source, at.isValid() ? at.row() : -1);
        });
    } else {
        // Files from a file manager are taken by the list only.
        ok = pane == TPane::MainItems && !LocalFiles(data).empty();
    }
    return ok;
}

void TMainWindow::PaneDrop(TPane pane, const QMimeData* data, const QModelIndex& at) {
    // The drop is finished before anything that may ask questions runs.
    auto source = DragSource(data);
    std::vector<std::string> files = source ? std::vector<std::string>{} : LocalFiles(data);
    QPersistentModelIndex target(at);
    int row = at.isValid() ? at.row() : -1;
    QMetaObject::invokeMethod(
        this,
        [this, pane, source, files, target, row] {
            Guarded([&] {
                if (pane == TPane::Folders) {
                    TTreeNode* node = FTreeModel->NodeAt(target);
                    if (source && node) FForm.FoldersDragDrop(*source, node);
                } else if (source) {
                    FForm.MainItemsDragDrop(*source, row);
                } else if (!files.empty()) {
                    FForm.EvDropFiles(files);
                }
            });
        },
        Qt::QueuedConnection);
}

// --- what the presenter tells ------------------------------------------------------

void TMainWindow::TreeSelectionChanged(TTreeNode* node) {
    TSyncGuard guard(FSyncing);
    QModelIndex index = FTreeModel->IndexOf(node);
    if (!index.isValid()) {
        FTree->selectionModel()->clearCurrentIndex();
        return;
    }
    if (FTree->currentIndex() != index || !FTree->selectionModel()->isSelected(index))
        FTree->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    FTree->scrollTo(index);
}

void TMainWindow::BeginEditNode(TTreeNode* node) {
    QModelIndex index = FTreeModel->IndexOf(node);
    if (!index.isValid()) return;
    FTree->scrollTo(index);
    FTree->setFocus();
    FTree->edit(index);
}

void TMainWindow::BeginEditRow(int row) {
    QAbstractItemView* view = ActiveListView();
    QModelIndex index = FListModel->index(row, 0);
    if (!index.isValid()) return;
    view->scrollTo(index);
    view->setFocus();
    view->edit(index);
}

void TMainWindow::ListChanged() {
    // A refill in place (a rename, an edit, a paste, a delete) keeps the list
    // where it was; the rows of another node start at the top.
    QAbstractItemView* view = ActiveListView();
    const std::vector<const TKexObject*> before = FListModel->Records();
    const int h = view->horizontalScrollBar()->value();
    const int v = view->verticalScrollBar()->value();
    {
        TSyncGuard guard(FSyncing);
        FListModel->Reset();
    }
    ListSelectionChanged();
    if (FListModel->StillShowsAnyOf(before)) {
        view->doItemsLayout();
        view->horizontalScrollBar()->setValue(h);
        view->verticalScrollBar()->setValue(v);
    } else {
        view->scrollToTop();
        view->horizontalScrollBar()->setValue(0);
    }
}

void TMainWindow::ListSelectionChanged() {
    TSyncGuard guard(FSyncing);
    QItemSelection selection;
    int current = -1;
    for (size_t i = 0; i < FForm.MainItems.size(); ++i) {
        if (!FForm.MainItems[i].Selected) continue;
        int r = static_cast<int>(i);
        selection.select(FListModel->index(r, 0), FListModel->index(r, 2));
        if (current < 0) current = r;
    }
    QItemSelectionModel* sel = FIconView->selectionModel();
    sel->select(selection, QItemSelectionModel::ClearAndSelect);
    if (current >= 0)
        sel->setCurrentIndex(FListModel->index(current, 0), QItemSelectionModel::NoUpdate);
}

void TMainWindow::ScrollToRow(int row) {
    QModelIndex index = FListModel->index(row, 0);
    if (index.isValid()) ActiveListView()->scrollTo(index);
}

void TMainWindow::FocusPane(TPane pane) {
    if (pane == TPane::Folders)
        FTree->setFocus();
    else
        ActiveListView()->setFocus();
}

void TMainWindow::HoldTreePlace() {
    FTreeAnchor = QPersistentModelIndex(FTree->indexAt(QPoint(1, 1)));
}

void TMainWindow::RestoreTreePlace() {
    // The model carried the anchor over to the same record's node.
    if (FTreeAnchor.isValid()) FTree->scrollTo(FTreeAnchor, QAbstractItemView::PositionAtTop);
    FTreeAnchor = QPersistentModelIndex();
}

void TMainWindow::StatusChanged() {
    for (int i = 0; i < 3; ++i)
        FPanels[i]->setText(FromStored(FForm.StatusPanels[i]));
    emit TrayToolTipChanged();
}

void TMainWindow::FilterModeChanged() {
    TSyncGuard guard(FSyncing);
    bool on = FForm.Filter.FilterMode();
    FLeftStack->setCurrentWidget(on ? static_cast<QWidget*>(FFilterList) : FTree);
    ApplyLeftWidth();
    SyncFilterButtons();
}

void TMainWindow::ViewStyleChanged() {
    ApplyViewStyle();
}

void TMainWindow::ProgressChanged() {
    FProgress->Sync();
}

QAbstractItemView* TMainWindow::ActiveListView() const {
    return FForm.ViewStyle == 4 ? static_cast<QAbstractItemView*>(FDetailsView)
                                : static_cast<QAbstractItemView*>(FIconView);
}

void TMainWindow::ApplyViewStyle() {
    TSyncGuard guard(FSyncing);
    int style = FForm.ViewStyle;
    bool hadFocus = FIconView->hasFocus() || FDetailsView->hasFocus();
    switch (style) {
    case 1:
        FIconView->setViewMode(QListView::IconMode);
        FIconView->setIconSize(QSize(32, 32));
        FIconView->setGridSize(QSize(88, 64));
        FIconView->setFlow(QListView::LeftToRight);
        FIconView->setWrapping(true);
        FIconView->setMovement(QListView::Static);
        break;
    case 2:
        FIconView->setViewMode(QListView::ListMode);
        FIconView->setIconSize(QSize(16, 16));
        FIconView->setGridSize(QSize(150, 20));
        FIconView->setFlow(QListView::LeftToRight);
        FIconView->setWrapping(true);
        break;
    case 3:
        FIconView->setViewMode(QListView::ListMode);
        FIconView->setIconSize(QSize(16, 16));
        FIconView->setGridSize(QSize());
        FIconView->setFlow(QListView::TopToBottom);
        FIconView->setWrapping(true);
        break;
    default:
        break;
    }
    // A list view's mode and movement switch its drag and drop off again.
    FIconView->setDragEnabled(true);
    FIconView->viewport()->setAcceptDrops(true);
    FListStack->setCurrentWidget(ActiveListView());
    if (hadFocus) ActiveListView()->setFocus();
    // Both the menu's radio items and the buttons follow.
    for (QActionGroup* group : {FViewMenuGroup, FViewButtonGroup}) {
        if (!group) continue;
        for (QAction* a : group->actions())
            a->setChecked(a->data().toInt() == style);
    }
}

void TMainWindow::ApplyLeftWidth() {
    TSyncGuard guard(FSyncing);
    int left = FForm.Filter.FilterMode() ? FForm.FilterListWidth : FForm.FoldersWidth;
    int total = qMax(FSplitter->width(), left + 50);
    FSplitter->setSizes({left, total - left - FSplitter->handleWidth()});
}

TWinSetup TMainWindow::GetSetup() const {
    TWinSetup s;
    s.Left = pos().x();
    s.Top = pos().y();
    s.Width = width();
    s.Height = height();
    // Split is the width of the left pane that shows: the tree, or the
    // category list while a filter is on.
    int left = FForm.Filter.FilterMode() ? FForm.FilterListWidth : FForm.FoldersWidth;
    s.Split = FSplitter->isVisible() ? FSplitter->sizes().value(0) : left;
    s.Style = FForm.ViewStyle;
    for (int i = 0; i < 3; ++i)
        s.ColPos[i] = FDetailsView->header()->sectionSize(i);
    return s;
}

void TMainWindow::ApplySetup(const TWinSetup& wanted) {
    std::vector<TScreenArea> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect g = screen->availableGeometry();
        screens.push_back({g.x(), g.y(), g.width(), g.height()});
    }
    const TWinSetup setup = TMainWinState::PlacedOnScreens(wanted, screens);
    move(setup.Left, setup.Top);
    resize(setup.Width, setup.Height);
    (FForm.Filter.FilterMode() ? FForm.FilterListWidth : FForm.FoldersWidth) = setup.Split;
    if (setup.Style >= 1 && setup.Style <= 4) {
        FForm.ViewStyle = setup.Style;
        ApplyViewStyle();
    }
    ApplyLeftWidth();
    for (int i = 0; i < 3; ++i)
        FDetailsView->header()->resizeSection(i, setup.ColPos[i]);
}

void TMainWindow::ShowMainWindow() {
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

// --- window events -------------------------------------------------------------------

bool TMainWindow::event(QEvent* e) {
    if (e->type() == QEvent::StatusTip) {
        // Hints go to the first status panel, not over the whole bar.
        FForm.StatusPanels[0] = ToStored(static_cast<QStatusTipEvent*>(e)->tip());
        FPanels[0]->setText(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    return QMainWindow::event(e);
}

void TMainWindow::closeEvent(QCloseEvent* e) {
    if (FEnding) {
        e->accept();
        return;
    }
    // The program lives on in the tray.
    e->ignore();
    hide();
}

void TMainWindow::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    ApplyLeftWidth();
    if (FFirstShow) {
        FFirstShow = false;
        QMetaObject::invokeMethod(
            this, [this] { FirstShow(); }, Qt::QueuedConnection);
    }
}

void TMainWindow::FirstShow() {
    Guarded([this] {
        FForm.OpenCommandLine(FCommandLine);
        FForm.TipBar.Start();
    });
    ShowTip();
}

void TMainWindow::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    if (!isVisible()) ApplyLeftWidth();
}
