#include "shell/ui/PaneViews.h"

#include "shell/ui/ItemImages.h"
#include "store/ui/TreeModel.h"

#include <QContextMenuEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>

TPaneDelegate::TPaneDelegate(Commit commit, bool treeImages, QObject* parent)
    : QStyledItemDelegate(parent), FCommit(std::move(commit)), FTreeImages(treeImages) {}

void TPaneDelegate::setModelData(QWidget* editor, QAbstractItemModel* /*model*/,
                                 const QModelIndex& index) const {
    auto* line = qobject_cast<QLineEdit*>(editor);
    // An unchanged label is no edit: storing it again would rewrite a title
    // read in another encoding as UTF-8.
    if (!line || !FCommit || line->text() == index.data(Qt::EditRole).toString()) return;
    FCommit(index, line->text());
}

void TPaneDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (!FTreeImages) return;
    bool selected = option->state & QStyle::State_Selected;
    int image =
        index.data(selected ? TTreeModel::SelectedImageRole : TTreeModel::ImageRole).toInt();
    option->icon = ComposedImage(image, index.data(TTreeModel::OverlayRole).toInt(),
                                 index.data(TTreeModel::StateRole).toInt());
    option->features |= QStyleOptionViewItem::HasDecoration;
    option->decorationSize = QSize(16, 16);
}

template <typename Base>
void TPaneView<Base>::focusInEvent(QFocusEvent* e) {
    Base::focusInEvent(e);
    FHost.PaneFocused(FPane);
}

template <typename Base>
void TPaneView<Base>::keyPressEvent(QKeyEvent* e) {
    // While a label is edited its editor has the keys: Delete and the rest
    // are the host's only between edits.
    if (this->state() != QAbstractItemView::EditingState && FHost.PaneKey(FPane, e)) {
        e->accept();
        return;
    }
    Base::keyPressEvent(e);
}

template <typename Base>
void TPaneView<Base>::contextMenuEvent(QContextMenuEvent* e) {
    QModelIndex at =
        e->reason() == QContextMenuEvent::Mouse ? this->indexAt(e->pos()) : this->currentIndex();
    FHost.PaneContextMenu(FPane, e->globalPos(), at);
    e->accept();
}

template <typename Base>
void TPaneView<Base>::dragEnterEvent(QDragEnterEvent* e) {
    // The base starts auto-scrolling; whether the drag is wanted is ours.
    Base::dragEnterEvent(e);
    e->setDropAction(Qt::MoveAction);
    e->accept();
}

template <typename Base>
void TPaneView<Base>::dragMoveEvent(QDragMoveEvent* e) {
    Base::dragMoveEvent(e);
    QModelIndex at = this->indexAt(e->position().toPoint());
    if (FHost.PaneDragOver(FPane, e->mimeData(), at)) {
        e->setDropAction(e->mimeData()->hasUrls() ? Qt::CopyAction : Qt::MoveAction);
        e->accept();
    } else {
        e->ignore();
    }
}

template <typename Base>
void TPaneView<Base>::dropEvent(QDropEvent* e) {
    this->stopAutoScroll();
    this->setState(QAbstractItemView::NoState);
    this->viewport()->update();
    QModelIndex at = this->indexAt(e->position().toPoint());
    e->setDropAction(e->mimeData()->hasUrls() ? Qt::CopyAction : Qt::MoveAction);
    e->accept();
    FHost.PaneDrop(FPane, e->mimeData(), at);
}

template <typename Base>
void TPaneView<Base>::startDrag(Qt::DropActions /*supported*/) {
    FHost.PaneStartDrag(FPane);
}

template <typename Base>
bool TPaneView<Base>::edit(const QModelIndex& index, QAbstractItemView::EditTrigger trigger,
                           QEvent* event) {
    if (trigger != QAbstractItemView::NoEditTriggers && index.isValid() &&
        (this->editTriggers() & trigger || trigger == QAbstractItemView::AllEditTriggers) &&
        !FHost.PaneMayEdit(FPane, index))
        return false;
    return Base::edit(index, trigger, event);
}

template class TPaneView<QTreeView>;
template class TPaneView<QListView>;
