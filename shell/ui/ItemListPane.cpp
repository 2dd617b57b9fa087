#include "shell/ui/ItemListPane.h"

#include "platform/ui/QtText.h"
#include "shell/MainForm.h"
#include "shell/ui/AppException.h"
#include "shell/ui/ItemListModel.h"
#include "shell/ui/SyncGuard.h"

#include <QHeaderView>
#include <QScrollBar>

TItemListPane::TItemListPane(TMainForm& form, IPaneHost& host, int& syncing)
    : FForm(form), FSyncing(syncing), FModel(new TItemListModel(form, this)),
      FIconView(new TItemIconView(TPane::MainItems, host)),
      FDetailsView(new TItemDetailsView(TPane::MainItems, host)) {
    auto commit = [this](const QModelIndex& index, const QString& text) { CommitRow(index, text); };
    FIconView->setObjectName("MainItems");
    FIconView->setModel(FModel);
    FIconView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    FIconView->setItemDelegate(new TPaneDelegate(commit, false, FIconView));
    FIconView->setResizeMode(QListView::Adjust);
    FIconView->setUniformItemSizes(false);
    FIconView->setWordWrap(true);

    FDetailsView->setObjectName("MainItemsDetails");
    FDetailsView->setModel(FModel);
    FDetailsView->setSelectionModel(FIconView->selectionModel());
    FDetailsView->setRootIsDecorated(false);
    FDetailsView->setItemsExpandable(false);
    FDetailsView->setAllColumnsShowFocus(true);
    FDetailsView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    FDetailsView->setItemDelegate(new TPaneDelegate(commit, false, FDetailsView));
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
            &TItemListPane::SelectionEdited);

    addWidget(FIconView);
    addWidget(FDetailsView);
}

void TItemListPane::CommitRow(const QModelIndex& index, const QString& text) {
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
}

void TItemListPane::SelectionEdited(const QItemSelection& selected,
                                    const QItemSelection& deselected) {
    if (FSyncing) return;
    // Rows appear once per column in the details view's selection.
    for (const QModelIndex& i : deselected.indexes())
        if (i.column() == 0) FForm.SetRowSelected(i.row(), false);
    for (const QModelIndex& i : selected.indexes())
        if (i.column() == 0) FForm.SetRowSelected(i.row(), true);
}

QAbstractItemView* TItemListPane::ActiveView() const {
    return FForm.ViewStyle == 4 ? static_cast<QAbstractItemView*>(FDetailsView)
                                : static_cast<QAbstractItemView*>(FIconView);
}

QHeaderView* TItemListPane::DetailsHeader() const {
    return FDetailsView->header();
}

void TItemListPane::ApplyViewStyle() {
    TSyncGuard guard(FSyncing);
    bool hadFocus = FIconView->hasFocus() || FDetailsView->hasFocus();
    switch (FForm.ViewStyle) {
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
    setCurrentWidget(ActiveView());
    if (hadFocus) ActiveView()->setFocus();
}

void TItemListPane::RowsChanged() {
    // A refill in place (a rename, an edit, a paste, a delete) keeps the list
    // where it was; the rows of another node start at the top.
    QAbstractItemView* view = ActiveView();
    const std::vector<const TKexObject*> before = FModel->Records();
    const int h = view->horizontalScrollBar()->value();
    const int v = view->verticalScrollBar()->value();
    {
        TSyncGuard guard(FSyncing);
        FModel->Reset();
    }
    ShowSelection();
    if (FModel->StillShowsAnyOf(before)) {
        view->doItemsLayout();
        view->horizontalScrollBar()->setValue(h);
        view->verticalScrollBar()->setValue(v);
    } else {
        view->scrollToTop();
        view->horizontalScrollBar()->setValue(0);
    }
}

void TItemListPane::ShowSelection() {
    TSyncGuard guard(FSyncing);
    QItemSelection selection;
    int current = -1;
    for (size_t i = 0; i < FForm.MainItems.size(); ++i) {
        if (!FForm.MainItems[i].Selected) continue;
        int r = static_cast<int>(i);
        selection.select(FModel->index(r, 0), FModel->index(r, 2));
        if (current < 0) current = r;
    }
    QItemSelectionModel* sel = FIconView->selectionModel();
    sel->select(selection, QItemSelectionModel::ClearAndSelect);
    if (current >= 0)
        sel->setCurrentIndex(FModel->index(current, 0), QItemSelectionModel::NoUpdate);
}

void TItemListPane::ScrollToRow(int row) {
    QModelIndex index = FModel->index(row, 0);
    if (index.isValid()) ActiveView()->scrollTo(index);
}

void TItemListPane::BeginEditRow(int row) {
    QAbstractItemView* view = ActiveView();
    QModelIndex index = FModel->index(row, 0);
    if (!index.isValid()) return;
    view->scrollTo(index);
    view->setFocus();
    view->edit(index);
}
