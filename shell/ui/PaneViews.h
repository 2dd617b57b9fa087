#pragma once

#include "shell/MainFormView.h"

#include <QListView>
#include <QStyledItemDelegate>
#include <QTreeView>
#include <functional>

class QKeyEvent;
class QMimeData;

// What the two panes' views report to the window that hosts them.
class IPaneHost {
public:
    virtual ~IPaneHost() = default;
    virtual void PaneFocused(TPane pane) = 0;
    virtual void PaneContextMenu(TPane pane, const QPoint& globalPos, const QModelIndex& at) = 0;
    virtual bool PaneDragOver(TPane pane, const QMimeData* data, const QModelIndex& at) = 0;
    virtual void PaneDrop(TPane pane, const QMimeData* data, const QModelIndex& at) = 0;
    virtual void PaneStartDrag(TPane pane) = 0;
    // Whether the label at index may be edited in place.
    virtual bool PaneMayEdit(TPane pane, const QModelIndex& index) = 0;
    // A key the pane itself does not use; true when the host took it.
    virtual bool PaneKey(TPane pane, const QKeyEvent* e) = 0;
};

// Paints the tree's and the list's pictures (image, selected image, due
// overlay, state bullet) and hands an accepted in-place edit to a function
// instead of writing it into the model.
class TPaneDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using Commit = std::function<void(const QModelIndex&, const QString&)>;
    TPaneDelegate(Commit commit, bool treeImages, QObject* parent = nullptr);

    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    Commit FCommit;
    bool FTreeImages;
};

// The pane behaviour both list views and the tree share: focus, popup,
// drags started and received.
template <typename Base>
class TPaneView : public Base {
public:
    TPaneView(TPane pane, IPaneHost& host, QWidget* parent = nullptr)
        : Base(parent), FPane(pane), FHost(host) {
        this->setDragEnabled(true);
        this->setAcceptDrops(true);
        this->viewport()->setAcceptDrops(true);
        this->setDropIndicatorShown(false);
        this->setDragDropMode(QAbstractItemView::DragDrop);
        this->setEditTriggers(QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::SelectedClicked);
    }

    using Base::edit;

protected:
    void focusInEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    void startDrag(Qt::DropActions supported) override;
    bool edit(const QModelIndex& index, QAbstractItemView::EditTrigger trigger,
              QEvent* event) override;

    TPane FPane;
    IPaneHost& FHost;
};

using TFolderTreeView = TPaneView<QTreeView>;
using TItemIconView = TPaneView<QListView>;
using TItemDetailsView = TPaneView<QTreeView>;
