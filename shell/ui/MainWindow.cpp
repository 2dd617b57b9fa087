#include "shell/ui/MainWindow.h"

#include "platform/ui/IconImages.h"
#include "platform/ui/QtText.h"
#include "shell/MainForm.h"
#include "shell/ui/AppException.h"
#include "shell/ui/FindFilter.h"
#include "shell/ui/FittedLabel.h"
#include "shell/ui/ItemImages.h"
#include "shell/ui/ItemListModel.h"
#include "shell/ui/ItemListPane.h"
#include "shell/ui/MainCommands.h"
#include "shell/ui/ProgressWindow.h"
#include "shell/ui/SyncGuard.h"
#include "store/TreeNode.h"
#include "store/TreeNodes.h"
#include "store/ui/TreeModel.h"

#include <QCloseEvent>
#include <QDrag>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusTipEvent>
#include <QUrl>

namespace {
// Drags inside the window carry the pane they started in.
constexpr const char* kPaneMime = "application/x-merrowin-pane";

QByteArray PaneName(TPane pane) {
    return pane == TPane::Folders ? "Folders" : "MainItems";
}
} // namespace

TMainWindow::TMainWindow(TMainForm& form, QWidget* parent) : QMainWindow(parent), FForm(form) {
    setObjectName("MainForm");
    setWindowTitle("Merrowin:");
    setWindowIcon(AppIcon());
    resize(640, 480);
    FProgress = new TProgressWindow(FForm.Progress, this);
    FFindFilter = new TFindFilter(FForm, this);
    FCommands = new TMainCommands(FForm, *this, FEnding);
    BuildPanes();
    FCommands->Build([this] { emit ExitRequested(); }, FFindFilter->FindEdit());
    ApplyViewStyle();
    FForm.SetView(this);
}

TMainWindow::~TMainWindow() {
    FForm.SetView(nullptr);
}

void TMainWindow::BuildPanes() {
    FTreeModel = new TTreeModel(FForm.Folders, this);

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

    FLeftStack = new QStackedWidget;
    FLeftStack->addWidget(FTree);
    FLeftStack->addWidget(FFindFilter->FilterList());
    FLeftStack->setMinimumWidth(1); // the alternate setup narrows it to one pixel

    FSplitter = new QSplitter(Qt::Horizontal);
    FSplitter->setObjectName("WinSplitterPanel");
    FSplitter->addWidget(FLeftStack);
    FList = new TItemListPane(FForm, *this, FSyncing);
    FSplitter->addWidget(FList);
    FSplitter->setStretchFactor(0, 0);
    FSplitter->setStretchFactor(1, 1);
    FSplitter->setCollapsible(0, true);
    FSplitter->setCollapsible(1, false);
    FSplitter->setHandleWidth(6);
    connect(FSplitter, &QSplitter::splitterMoved, this, &TMainWindow::SplitterMoved);
    setCentralWidget(FSplitter);

    FTree->expand(FTreeModel->index(0, 0));
}

void TMainWindow::CategoryNamesChanged() {
    FFindFilter->RenameCategories();
}

void TMainWindow::Loaded() {
    FFindFilter->FillFilterList();
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

void TMainWindow::SplitterMoved(int pos) {
    if (FSyncing) return;
    FForm.LeftPaneWidth() = pos;
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
                                            : FList->Model()->index(FForm.FirstSelectedRow(), 0);
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
    if (ListPopup()->isVisible()) return;
    bool open = false;
    Guarded([&] {
        open = pane == TPane::Folders ? FForm.FoldersRightClick(FTreeModel->NodeAt(at))
                                      : FForm.MainItemsRightClick();
    });
    if (!open) return;
    PreparePopup();
    ListPopup()->popup(globalPos);
}

void TMainWindow::PreparePopup() {
    FCommands->PreparePopup(FForm.ListPopupPopup());
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
    FList->BeginEditRow(row);
}

void TMainWindow::ListChanged() {
    FList->RowsChanged();
}

void TMainWindow::ListSelectionChanged() {
    FList->ShowSelection();
}

void TMainWindow::ScrollToRow(int row) {
    FList->ScrollToRow(row);
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
        FCommands->Panel(i)->setText(FromStored(FForm.StatusPanels[i]));
    emit TrayToolTipChanged();
}

void TMainWindow::FilterModeChanged() {
    TSyncGuard guard(FSyncing);
    bool on = FForm.Filter.FilterMode();
    FLeftStack->setCurrentWidget(on ? static_cast<QWidget*>(FFindFilter->FilterList()) : FTree);
    ApplyLeftWidth();
    FCommands->ShowFilterButtons();
}

void TMainWindow::ViewStyleChanged() {
    ApplyViewStyle();
}

void TMainWindow::ProgressChanged() {
    FProgress->Sync();
}

QAbstractItemView* TMainWindow::ActiveListView() const {
    return FList->ActiveView();
}

QAction* TMainWindow::Command(const std::string& name) const {
    return FCommands->Command(name);
}

QMenu* TMainWindow::ListPopup() const {
    return FCommands->ListPopup();
}

void TMainWindow::ApplyViewStyle() {
    FList->ApplyViewStyle();
    FCommands->ShowViewStyle(FForm.ViewStyle);
}

void TMainWindow::ApplyLeftWidth() {
    TSyncGuard guard(FSyncing);
    int left = FForm.LeftPaneWidth();
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
    int left = FForm.LeftPaneWidth();
    s.Split = FSplitter->isVisible() ? FSplitter->sizes().value(0) : left;
    s.Style = FForm.ViewStyle;
    for (int i = 0; i < 3; ++i)
        s.ColPos[i] = FList->DetailsHeader()->sectionSize(i);
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
    FForm.LeftPaneWidth() = setup.Split;
    if (setup.Style >= 1 && setup.Style <= 4) {
        FForm.ViewStyle = setup.Style;
        ApplyViewStyle();
    }
    ApplyLeftWidth();
    for (int i = 0; i < 3; ++i)
        FList->DetailsHeader()->resizeSection(i, setup.ColPos[i]);
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
        FCommands->Panel(0)->setText(static_cast<QStatusTipEvent*>(e)->tip());
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
    FCommands->ShowTip();
}

void TMainWindow::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    if (!isVisible()) ApplyLeftWidth();
}

void TMainWindow::SaveBars(ISettings& settings) const {
    FCommands->SaveBars(settings);
}

void TMainWindow::RestoreBars(const ISettings& settings) {
    FCommands->RestoreBars(settings);
}
