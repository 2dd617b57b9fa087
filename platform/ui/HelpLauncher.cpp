#include "platform/ui/HelpLauncher.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {
QString HelpFolder() {
    // A build tree keeps the topics in the source's resources; an install
    // keeps them under share/merrowin.
    QDir exe(QCoreApplication::applicationDirPath());
    for (const QString& rel : {QStringLiteral("../share/merrowin/help"), QStringLiteral("help"),
                               QStringLiteral(MERROWIN_SOURCE_DIR "/resources/help")}) {
        QFileInfo fi(QDir::isAbsolutePath(rel) ? rel : exe.filePath(rel));
        if (fi.isDir()) return fi.absoluteFilePath();
    }
    return {};
}
} // namespace

void ShowHelpTopic(int context, QWidget* parent) {
    // The window belongs to the dialog that asked for it (a modal dialog
    // blocks every other window) and goes with it: make a new one then, or
    // when another window asks.
    static QPointer<QDialog> window;
    static QTextBrowser* browser = nullptr;
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
    QString folder = HelpFolder();
    browser->setSearchPaths({folder});
    QString page = context > 0 ? QString::number(context) + ".html" : QStringLiteral("index.html");
    if (!QFileInfo::exists(QDir(folder).filePath(page))) page = QStringLiteral("index.html");
    browser->setSource(QUrl::fromLocalFile(QDir(folder).filePath(page)));
    window->show();
    window->raise();
    window->activateWindow();
}
