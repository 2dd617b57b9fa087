#include "shell/ui/ItemImages.h"

#include <QApplication>
#include <QHash>
#include <QPainter>
#include <QPainterPath>

namespace {

struct TGlyph {
    QColor Color;
    QString Letter;
};

// Drawn pictures: a tinted tile with a letter, or a folder shape.
TGlyph GlyphFor(int index) {
    switch (index) {
    case 1:
        return {QColor(0x2f, 0x6d, 0xb5), "O"};
    case 2:
        return {QColor(0x3a, 0x9a, 0x6b), "T"};
    case 3:
        return {QColor(0xd0, 0x7a, 0x2a), "P"};
    case 4:
        return {QColor(0x1f, 0x8f, 0xb0), "W"};
    case 5:
        return {QColor(0x8a, 0x5a, 0x2b), "A"};
    case 6:
        return {QColor(0x55, 0x55, 0x55), "#"};
    case 7:
        return {QColor(0xb0, 0x3a, 0x6a), "@"};
    case 8:
        return {QColor(0x6a, 0x55, 0x9a), "F"};
    case 9:
        return {QColor(0x3f, 0x7f, 0x3f), "R"};
    case 11:
        return {QColor(0xc8, 0x20, 0x20), "!"};
    case 12:
        return {QColor(0x7a, 0x4a, 0x9a), "M"};
    default:
        return {QColor(0x80, 0x80, 0x80), "D"};
    }
}

void DrawFolder(QPainter& p, int size, bool open) {
    qreal s = size;
    QColor body(0xe8, 0xb8, 0x3a);
    p.setPen(QPen(body.darker(140), s / 16.0));
    p.setBrush(body.darker(110));
    QPainterPath back;
    back.moveTo(s * 0.06, s * 0.22);
    back.lineTo(s * 0.40, s * 0.22);
    back.lineTo(s * 0.48, s * 0.32);
    back.lineTo(s * 0.94, s * 0.32);
    back.lineTo(s * 0.94, s * 0.86);
    back.lineTo(s * 0.06, s * 0.86);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(body);
    if (open) {
        QPolygonF front({QPointF(s * 0.18, s * 0.44), QPointF(s * 0.99, s * 0.44),
                         QPointF(s * 0.88, s * 0.86), QPointF(s * 0.06, s * 0.86)});
        p.drawPolygon(front);
    } else {
        p.drawRect(QRectF(s * 0.06, s * 0.40, s * 0.88, s * 0.46));
    }
}

QPixmap Picture(int index, int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    if (index == 0 || index == 10) {
        DrawFolder(p, size, index == 10);
        return pm;
    }
    TGlyph g = GlyphFor(index);
    qreal s = size;
    QRectF tile(s * 0.08, s * 0.08, s * 0.84, s * 0.84);
    p.setPen(QPen(g.Color.darker(150), s / 16.0));
    p.setBrush(g.Color);
    if (index == 3)
        p.drawEllipse(tile);
    else
        p.drawRoundedRect(tile, s * 0.18, s * 0.18);
    QFont f = QApplication::font();
    f.setBold(true);
    f.setPixelSize(qMax(7, int(s * 0.56)));
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(tile, Qt::AlignCenter, g.Letter);
    return pm;
}

void DrawOverlay(QPainter& p, int size) {
    // The due mark: a small red disc with a white bar.
    qreal d = size * 0.45;
    QRectF r(0, size - d, d, d);
    p.setPen(QPen(Qt::white, size / 20.0));
    p.setBrush(QColor(0xd0, 0x10, 0x10));
    p.drawEllipse(r);
    p.setPen(QPen(Qt::white, qMax(1.0, size / 12.0)));
    p.drawLine(r.center() + QPointF(0, -d * 0.25), r.center() + QPointF(0, d * 0.05));
    p.drawPoint(r.center() + QPointF(0, d * 0.25));
}

void DrawBullet(QPainter& p, int size) {
    qreal d = size * 0.3;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0x60, 0xc0));
    p.drawEllipse(QRectF(size - d, 0, d, d));
}

} // namespace

QIcon ItemImage(int index) {
    static QHash<int, QIcon> cache;
    auto it = cache.find(index);
    if (it != cache.end()) return *it;
    QIcon icon;
    for (int size : {16, 32})
        icon.addPixmap(Picture(index, size));
    cache.insert(index, icon);
    return icon;
}

QIcon ComposedImage(int index, int overlay, int state) {
    if (overlay < 0 && state < 0) return ItemImage(index);
    static QHash<quint64, QIcon> cache;
    quint64 key = (quint64(quint32(index)) << 32) | (quint64(quint16(overlay + 1)) << 16) |
                  quint16(state + 1);
    auto it = cache.find(key);
    if (it != cache.end()) return *it;
    QIcon base = ItemImage(index);
    QIcon icon;
    for (int size : {16, 32}) {
        QPixmap pm = base.pixmap(size, size);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        if (overlay >= 0) DrawOverlay(p, size);
        if (state >= 0) DrawBullet(p, size);
        p.end();
        icon.addPixmap(pm);
    }
    cache.insert(key, icon);
    return icon;
}
