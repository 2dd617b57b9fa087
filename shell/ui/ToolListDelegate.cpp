#include "shell/ui/ToolListDelegate.h"

#include "platform/ui/ItemImages.h"
#include "platform/ui/QtText.h"
#include "shell/ToolItem.h"

#include <QListWidget>
#include <QPainter>

void TToolListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    const QRect r = option.rect;
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette& pal = option.palette;
    painter->save();
    painter->fillRect(r, selected ? pal.highlight() : pal.base());
    ItemImage(index.data(ImageRole).toInt())
        .paint(painter, QRect(r.left() + 1, r.top() + 2, 32, 32));
    painter->setPen(selected ? pal.base().color() : QColor(Qt::black));
    QRect text(r.left() + 36, r.top() + 8, r.width() - 38, r.height() - 10);
    painter->drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      option.fontMetrics.elidedText(index.data(Qt::DisplayRole).toString(),
                                                    Qt::ElideRight, text.width()));
    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.rect = r;
        option.widget->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter,
                                              option.widget);
    }
    painter->restore();
}

QSize TToolListDelegate::sizeHint(const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    return {QStyledItemDelegate::sizeHint(option, index).width(), kItemHeight};
}

void TToolListDelegate::Fill(QListWidget* list, const std::vector<TToolItem*>& tools,
                             int selected) {
    const QSignalBlocker block(list);
    const bool same = list->count() == static_cast<int>(tools.size());
    if (!same) list->clear();
    for (size_t i = 0; i < tools.size(); ++i) {
        QListWidgetItem* item = same ? list->item(static_cast<int>(i)) : new QListWidgetItem(list);
        item->setText(FromStored(tools[i]->Description));
        item->setData(ImageRole, tools[i]->ImageIndex());
    }
    if (selected >= 0 && selected < list->count()) {
        list->setCurrentRow(selected);
        list->scrollToItem(list->item(selected));
    } else {
        list->clearSelection();
        list->setCurrentRow(-1);
    }
}
