#include "platform/ui/HelpLauncher.h"

#include "platform/ProgramFolder.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

QString HelpFolder() {
    const std::string data = programfolder::DataFolder(programfolder::ExecutablePath());
    if (data.empty()) return {};
    return QDir(QString::fromStdString(data)).absoluteFilePath(QStringLiteral("help"));
}

QString HelpTopicFile(int context) {
    QDir folder(HelpFolder());
    if (context > 0) {
        QString page = folder.filePath(QString::number(context) + QStringLiteral(".html"));
        if (QFileInfo::exists(page)) return page;
    }
    return folder.filePath(QStringLiteral("index.html"));
}

void ShowHelpTopic(int context, QWidget* parent) {
    // The window belongs to the window that asked for it: a modal dialog
    // blocks every other top-level window, so help opened from a dialog must
    // be its child. It goes with that window; a new one is made when needed.
    static QPointer<QDialog> window;
    static QPointer<QTextBrowser> browser;
    if (window && window->parentWidget() != parent) delete window.data();
    if (!window) {
        window = new QDialog(parent, Qt::Window);
        window->setWindowTitle(QObject::tr("Merrowin Help"));
        window->resize(560, 520);
        browser = new QTextBrowser(window);
        browser->setOpenExternalLinks(true);
        auto* layout = new QVBoxLayout(window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(browser);
    }
    if (parent && !window->isVisible()) {
        // Centred on the asking window, but whole on its screen: centred on a
        // small dialog near the top, the title bar would be out of reach.
        QPoint at = parent->window()->geometry().center() - window->rect().center();
        if (QScreen* screen = parent->window()->screen()) {
            const QRect room = screen->availableGeometry();
            at.setX(std::max(room.left(), std::min(at.x(), room.right() + 1 - window->width())));
            at.setY(std::max(room.top(), std::min(at.y(), room.bottom() + 1 - window->height())));
        }
        window->move(at);
    }
    browser->setSearchPaths({HelpFolder()});
    browser->setSource(QUrl::fromLocalFile(HelpTopicFile(context)));
    window->show();
    window->raise();
    window->activateWindow();
}
