#include "store/ui/TreeModel.h"

#include "platform/TextCodec.h"
#include "store/TreeNodes.h"

TTreeModel::TTreeModel(TTreeNodes& tree, QObject* parent)
    : QAbstractItemModel(parent), FTree(tree) {
    FTree.AddObserver(this);
}

TTreeModel::~TTreeModel() {
    FTree.RemoveObserver(this);
}

TTreeNode* TTreeModel::NodeAt(const QModelIndex& index) const {
    return index.isValid() ? static_cast<TTreeNode*>(index.internalPointer()) : nullptr;
}

QModelIndex TTreeModel::IndexOf(TTreeNode* node) const {
    return node ? createIndex(node->Index(), 0, node) : QModelIndex();
}

QModelIndex TTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0) return {};
    TTreeNode* p = NodeAt(parent);
    TTreeNode* child = p ? p->Child(row) : FTree.TopItem(row);
    return child ? createIndex(row, 0, child) : QModelIndex();
}

QModelIndex TTreeModel::parent(const QModelIndex& child) const {
    TTreeNode* n = NodeAt(child);
    return n ? IndexOf(n->Parent()) : QModelIndex();
}

int TTreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0) return 0;
    TTreeNode* p = NodeAt(parent);
    return p ? p->Count() : FTree.TopCount();
}

int TTreeModel::columnCount(const QModelIndex& /*parent*/) const {
    return 1;
}

QVariant TTreeModel::data(const QModelIndex& index, int role) const {
    TTreeNode* n = NodeAt(index);
    if (!n) return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return QString::fromStdString(textcodec::ToDisplayUtf8(n->Text()));
    case ImageRole:
        return n->ImageIndex();
    case SelectedImageRole:
        return n->SelectedIndex();
    case OverlayRole:
        return n->OverlayIndex();
    case StateRole:
        return n->StateIndex();
    default:
        return {};
    }
}

Qt::ItemFlags TTreeModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::ItemIsDropEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsDragEnabled |
           Qt::ItemIsDropEnabled;
}

void TTreeModel::UpdateBegun() {
    // Nothing is told until the update ends, and nodes may be deleted and
    // made anew meanwhile (a revert): remember each held index by the records
    // on its path, not by its node.
    emit layoutAboutToBeChanged();
    FHeldIndexes = persistentIndexList();
    FHeldKeys.clear();
    for (const QModelIndex& idx : FHeldIndexes)
        FHeldKeys.append(TNodeKey(NodeAt(idx)));
}

void TTreeModel::UpdateEnded() {
    QModelIndexList now;
    for (qsizetype i = 0; i < FHeldIndexes.size(); ++i) {
        TTreeNode* n = FHeldKeys[i].Find(FTree);
        now.append(n ? createIndex(n->Index(), FHeldIndexes[i].column(), n) : QModelIndex());
    }
    changePersistentIndexList(FHeldIndexes, now);
    FHeldIndexes.clear();
    FHeldKeys.clear();
    emit layoutChanged();
}

void TTreeModel::NodeInserting(TTreeNode* parent, int index) {
    beginInsertRows(IndexOf(parent), index, index);
}
void TTreeModel::NodeInserted(TTreeNode* /*node*/) {
    endInsertRows();
}

void TTreeModel::NodeRemoving(TTreeNode* node) {
    beginRemoveRows(IndexOf(node->Parent()), node->Index(), node->Index());
}
void TTreeModel::NodeRemoved(TTreeNode* /*parent*/, int /*index*/) {
    endRemoveRows();
}

void TTreeModel::NodeMoving(TTreeNode* node, TTreeNode* newParent, int newIndex) {
    // Qt counts the destination before the move.
    int dest = node->Parent() == newParent ? newIndex + 1 : newIndex;
    if (!beginMoveRows(IndexOf(node->Parent()), node->Index(), node->Index(), IndexOf(newParent),
                       dest))
        FPersistentNodes.append(nullptr); // no-op move: remember not to end it
}

void TTreeModel::NodeMoved(TTreeNode* /*node*/) {
    if (!FPersistentNodes.isEmpty() && FPersistentNodes.last() == nullptr) {
        FPersistentNodes.removeLast();
        return;
    }
    endMoveRows();
}

void TTreeModel::ChildrenSorting(TTreeNode* parent) {
    FLayoutParents = {QPersistentModelIndex(IndexOf(parent))};
    emit layoutAboutToBeChanged(FLayoutParents, QAbstractItemModel::VerticalSortHint);
    FPersistentBefore = persistentIndexList();
    FPersistentNodes.clear();
    for (const auto& idx : FPersistentBefore)
        FPersistentNodes.append(NodeAt(idx));
}

void TTreeModel::ChildrenSorted(TTreeNode* /*parent*/) {
    for (qsizetype i = 0; i < FPersistentBefore.size(); ++i) {
        TTreeNode* n = FPersistentNodes[i];
        changePersistentIndex(FPersistentBefore[i],
                              n ? createIndex(n->Index(), FPersistentBefore[i].column(), n)
                                : QModelIndex());
    }
    FPersistentBefore.clear();
    FPersistentNodes.clear();
    emit layoutChanged(FLayoutParents, QAbstractItemModel::VerticalSortHint);
    FLayoutParents.clear();
}

void TTreeModel::NodeChanged(TTreeNode* node) {
    QModelIndex idx = IndexOf(node);
    emit dataChanged(idx, idx);
}
