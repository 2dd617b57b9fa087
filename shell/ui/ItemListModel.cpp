#include "shell/ui/ItemListModel.h"

#include "platform/ui/QtText.h"
#include "shell/MainForm.h"
#include "shell/ui/ItemImages.h"

#include <algorithm>

TItemListModel::TItemListModel(TMainForm& form, QObject* parent)
    : QAbstractTableModel(parent), FForm(form) {
    Reset();
}

void TItemListModel::Reset() {
    beginResetModel();
    FRows = static_cast<int>(FForm.MainItems.size());
    FRecords.clear();
    for (const TListRow& row : FForm.MainItems)
        FRecords.push_back(row.Data);
    endResetModel();
}

bool TItemListModel::StillShowsAnyOf(std::vector<const TKexObject*> before) const {
    std::sort(before.begin(), before.end());
    return std::any_of(FRecords.begin(), FRecords.end(), [&](const TKexObject* r) {
        return r && std::binary_search(before.begin(), before.end(), r);
    });
}

int TItemListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : FRows;
}

int TItemListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

QVariant TItemListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) ||
        index.row() >= static_cast<int>(FForm.MainItems.size()))
        return {};
    const TListRow& row = FForm.MainItems[static_cast<size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::ToolTipRole:
        if (role == Qt::ToolTipRole && index.column() != 0) return {};
        return FromStored(index.column() == 0   ? row.Caption
                          : index.column() == 1 ? row.Target
                                                : row.Comment);
    case Qt::DecorationRole:
        if (index.column() != 0) return {};
        return ComposedImage(row.ImageIndex, -1, row.StateIndex);
    case ImageRole:
        return row.ImageIndex;
    case StateRole:
        return row.StateIndex;
    default:
        return {};
    }
}

QVariant TItemListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
    case 0:
        return tr("Title");
    case 1:
        return tr("Target");
    case 2:
        return tr("Comment");
    default:
        return {};
    }
}

Qt::ItemFlags TItemListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::ItemIsDropEnabled;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled |
                      Qt::ItemIsDropEnabled | Qt::ItemNeverHasChildren;
    if (index.column() == 0) f |= Qt::ItemIsEditable;
    return f;
}
