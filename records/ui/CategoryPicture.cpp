#include "records/ui/CategoryPicture.h"

#include <QFile>
#include <QPainter>
#include <QPainterPath>

TCategoryPicture::TCategoryPicture(QWidget* parent) : QToolButton(parent) {
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setIcon(CategoryIcon());
    setIconSize(QSize(24, 24));
    connect(this, &QToolButton::clicked, this, [this] { emit Picked(BottomLeft()); });
}

TScreenPoint TCategoryPicture::BottomLeft() const {
    // rect().bottomLeft() is the last pixel row; the popup goes just below it.
    QPoint p = mapToGlobal(QPoint(0, height()));
    return {p.x(), p.y()};
}

namespace {
// Three overlapping price tags in the category colours.
QPixmap DrawTags(int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colours[] = {QColor(0x3b, 0x82, 0xd6), QColor(0x2e, 0xa0, 0x5a),
                              QColor(0xe0, 0x8a, 0x1e)};
    const qreal s = size / 24.0;
    for (int i = 0; i < 3; ++i) {
        qreal x = (2 + i * 4) * s, y = (2 + i * 4) * s, w = 13 * s, h = 9 * s;
        QPainterPath tag;
        tag.moveTo(x, y);
        tag.lineTo(x + w - 4 * s, y);
        tag.lineTo(x + w, y + h / 2);
        tag.lineTo(x + w - 4 * s, y + h);
        tag.lineTo(x, y + h);
        tag.closeSubpath();
        p.setPen(QPen(colours[i].darker(140), 1.0 * s));
        p.setBrush(colours[i]);
        p.drawPath(tag);
        p.setBrush(Qt::white);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(x + w - 5 * s, y + h / 2), 1.2 * s, 1.2 * s);
    }
    return pm;
}

QPixmap DrawCard(const QString& kind, int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF r(1, 3, size - 2, size - 6);
    p.setPen(QPen(QColor(0x5a, 0x6b, 0x80), 1.5));
    p.setBrush(QColor(0xe8, 0xef, 0xf8));
    p.drawRoundedRect(r, 4, 4);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(size / 2);
    p.setFont(f);
    p.setPen(QColor(0x2b, 0x4c, 0x7e));
    p.drawText(r, Qt::AlignCenter, kind.left(1).toUpper());
    return pm;
}
} // namespace

QIcon CategoryIcon() {
    const QString res = QStringLiteral(":/icons/categories.svg");
    if (QFile::exists(res)) {
        QIcon icon(res);
        if (!icon.pixmap(24, 24).isNull()) return icon;
    }
    QIcon icon;
    icon.addPixmap(DrawTags(24));
    icon.addPixmap(DrawTags(48));
    return icon;
}

QPixmap RecordPicture(const QString& kind, int size) {
    const QString res = QStringLiteral(":/icons/%1.svg").arg(kind);
    if (QFile::exists(res)) {
        QPixmap pm = QIcon(res).pixmap(size, size);
        if (!pm.isNull()) return pm;
    }
    return DrawCard(kind, size);
}
