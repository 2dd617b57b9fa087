#include "records/ui/RecordPicture.h"

#include <QFile>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>

namespace {
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

QPixmap RecordPicture(const QString& kind, int size) {
    const QString res = QStringLiteral(":/icons/%1.svg").arg(kind);
    if (QFile::exists(res)) {
        QPixmap pm = QIcon(res).pixmap(size, size);
        if (!pm.isNull()) return pm;
    }
    return DrawCard(kind, size);
}
