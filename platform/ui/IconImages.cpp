#include "platform/ui/IconImages.h"

#include <QIconEngine>
#include <QPainter>

// The resources live in a static library; referencing the initializer keeps
// the linker from dropping them.
static void RegisterIconResources() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(icons);
        return true;
    }();
    (void)registered;
}

namespace {

const char* const kKindIconNames[kFixedImageCount] = {
    "folder", "organization", "team",     "person",      "website",      "address", "phone",
    "email",  "fax",          "reminder", "folder-open", "reminder-due", "root",    "document"};

const char* const kBulletNames[] = {"bullet-red", "bullet-green", "bullet-blue", "bullet-yellow"};

// Paints the base icon, then the overlay over the same square: the overlay
// artwork keeps its mark in the bottom-right corner of a full-size canvas, so
// it scales with the icon instead of being pasted at one size.
class TOverlayIconEngine : public QIconEngine {
public:
    TOverlayIconEngine(QIcon base, QIcon overlay)
        : FBase(std::move(base)), FOverlay(std::move(overlay)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        int side = qMin(rect.width(), rect.height());
        QRect square(0, 0, side, side);
        square.moveCenter(rect.center());
        FBase.paint(painter, square, Qt::AlignCenter, mode, state);
        FOverlay.paint(painter, square, Qt::AlignCenter,
                       mode == QIcon::Disabled ? QIcon::Disabled : QIcon::Normal, state);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paint(&p, QRect(QPoint(0, 0), size), mode, state);
        return pm;
    }

    QIconEngine* clone() const override { return new TOverlayIconEngine(FBase, FOverlay); }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return FBase.availableSizes(mode, state);
    }

private:
    QIcon FBase;
    QIcon FOverlay;
};

} // namespace

QString IconPath(const QString& name) {
    RegisterIconResources();
    return QStringLiteral(":/icons/") + name + QStringLiteral(".svg");
}

QIcon ArtIcon(const QString& name) {
    return QIcon(IconPath(name));
}

QIcon KindIcon(int imageIndex) {
    if (imageIndex < 0 || imageIndex >= kFixedImageCount) imageIndex = kFixedImageCount - 1;
    return ArtIcon(QString::fromLatin1(kKindIconNames[imageIndex]));
}

QIcon WithOverlay(const QIcon& base, int overlayIndex) {
    if (overlayIndex != kDueOverlay || base.isNull()) return base;
    return QIcon(new TOverlayIconEngine(base, ArtIcon(QStringLiteral("due-overlay"))));
}

QIcon DueIcon(int imageIndex) {
    return WithOverlay(KindIcon(imageIndex), kDueOverlay);
}

QIcon StateBullet(int stateIndex) {
    if (stateIndex < 1 || stateIndex > static_cast<int>(std::size(kBulletNames))) return {};
    return ArtIcon(QString::fromLatin1(kBulletNames[stateIndex - 1]));
}

QIcon AppIcon() {
    return ArtIcon(QStringLiteral("merrowin"));
}
