#pragma once

#include <QStyledItemDelegate>
#include <vector>

class QListWidget;
class TToolItem;

// How both tool lists draw a tool (ToolsListDrawItem): rows 36 pixels high,
// the tool's icon at the left, its description beside it; a selected row in
// the highlight colour with its text in the window colour.
class TToolListDelegate : public QStyledItemDelegate {
public:
    static constexpr int kItemHeight = 36;
    // The item role holding the tool's image index.
    static constexpr int ImageRole = Qt::UserRole + 1;

    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // Makes list show tools, one row each, keeping its selection and scroll
    // place when the tools are the same ones.
    static void Fill(QListWidget* list, const std::vector<TToolItem*>& tools, int selected);
};
