#pragma once

#include "store/NodeKey.h"
#include "store/TreeObserver.h"

#include <QAbstractItemModel>

class TTreeNodes;
class TTreeNode;

// An item model over the core tree: one column, the node's label, its image
// index (Qt::UserRole), overlay (Qt::UserRole + 1), selected image and state
// bullet. It follows the tree's notifications, so it never holds state of its
// own. A bulk update of the tree (a load, a paste, a revert) is one layout
// change, never a reset: the views' expanded branches, current node and
// selection are persistent indexes that the model carries over by record.
class TTreeModel : public QAbstractItemModel, private ITreeObserver {
    Q_OBJECT
public:
    explicit TTreeModel(TTreeNodes& tree, QObject* parent = nullptr);
    ~TTreeModel() override;

    static constexpr int ImageRole = Qt::UserRole;
    static constexpr int OverlayRole = Qt::UserRole + 1;
    static constexpr int SelectedImageRole = Qt::UserRole + 2;
    static constexpr int StateRole = Qt::UserRole + 3;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // Labels are edited in place and nodes dragged by the view, which hands
    // both to the main window; the model itself never changes the tree.
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    QModelIndex IndexOf(TTreeNode* node) const;
    TTreeNode* NodeAt(const QModelIndex& index) const;

private:
    void UpdateBegun() override;
    void UpdateEnded() override;
    void NodeInserting(TTreeNode* parent, int index) override;
    void NodeInserted(TTreeNode* node) override;
    void NodeRemoving(TTreeNode* node) override;
    void NodeRemoved(TTreeNode* parent, int index) override;
    void NodeMoving(TTreeNode* node, TTreeNode* newParent, int newIndex) override;
    void NodeMoved(TTreeNode* node) override;
    void ChildrenSorting(TTreeNode* parent) override;
    void ChildrenSorted(TTreeNode* parent) override;
    void NodeChanged(TTreeNode* node) override;

    TTreeNodes& FTree;
    // The persistent indexes held over a bulk update, and the nodes they named.
    QModelIndexList FHeldIndexes;
    QList<TNodeKey> FHeldKeys;
    QList<QPersistentModelIndex> FLayoutParents;
    QModelIndexList FPersistentBefore;
    QList<TTreeNode*> FPersistentNodes;
};
