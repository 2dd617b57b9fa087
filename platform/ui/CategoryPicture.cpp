#include "platform/ui/CategoryPicture.h"

#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

TCategoryPicture::TCategoryPicture(QWidget* parent) : QToolButton(parent) {
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setIcon(Picture());
    setIconSize(QSize(24, 24));
    setToolTip(tr("Click to set categories"));
    connect(this, &QToolButton::clicked, this, [this] {
        TScreenPoint at = PickPoint();
        if (OnPick) OnPick(at);
        emit Picked(at);
    });
}

TScreenPoint TCategoryPicture::PickPoint() const {
    // rect().bottom() is the last pixel row; the picker starts on the row below.
    QPoint p = mapToGlobal(QPoint(0, height()));
    return {p.x(), p.y()};
}

namespace {
// Two overlapping luggage tags, for builds without the icon set.
QPixmap DrawnTags(int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 24.0, size / 24.0);
    auto tag = [&p](qreal dx, qreal dy, const QColor& fill) {
        QPainterPath path;
        path.moveTo(dx + 2, dy + 2);
        path.lineTo(dx + 11, dy + 2);
        path.lineTo(dx + 19, dy + 10);
        path.lineTo(dx + 11, dy + 18);
        path.lineTo(dx + 2, dy + 11);
        path.closeSubpath();
        p.setPen(QPen(QColor(60, 60, 60), 1.2));
        p.setBrush(fill);
        p.drawPath(path);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(dx + 6, dy + 6), 1.6, 1.6);
    };
    tag(3, 4, QColor(120, 170, 230));
    tag(0, 0, QColor(240, 200, 80));
    return pm;
}
} // namespace

QIcon TCategoryPicture::Picture() {
    const QString resource = QStringLiteral(":/icons/categories.svg");
    if (QFile::exists(resource)) return QIcon(resource);
    QIcon icon;
    for (int size : {16, 24, 32, 48})
        icon.addPixmap(DrawnTags(size));
    return icon;
}
