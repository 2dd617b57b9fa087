#include "shell/ui/ItemImages.h"

#include "platform/ui/IconImages.h"

#include <QPainter>

QIcon ComposedImage(int index, int overlay, int state) {
    QIcon base = ItemImage(index);
    if (overlay >= 0) base = WithOverlay(base, overlay);
    QIcon bullet = StateBullet(state);
    if (bullet.isNull()) return base;
    // The state bullet sits in the top right corner.
    QIcon icon;
    for (int size : {16, 32}) {
        QPixmap pm = base.pixmap(size, size);
        QPainter p(&pm);
        int b = size * 5 / 16;
        p.drawPixmap(size - b, 0, bullet.pixmap(b, b));
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}
