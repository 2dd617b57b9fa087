#include "platform/ui/HelpLauncher.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

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

QString HelpTopicFile(int context) {
    QDir folder(HelpFolder());
    if (context > 0) {
        QString page = folder.filePath(QString::number(context) + QStringLiteral(".html"));
        if (QFileInfo::exists(page)) return page;
    }
    return folder.filePath(QStringLiteral("index.html"));
}

void ShowHelpTopic(int context, QWidget* parent) {
    // One help window for the whole run. It has no parent: asking for help from
    // a dialog must not tie the window's life to that dialog's.
    static QPointer<QDialog> window;
    static QPointer<QTextBrowser> browser;
    if (!window) {
        window = new QDialog(nullptr, Qt::Window);
        window->setWindowTitle(QObject::tr("Merrowin Help"));
        window->resize(560, 520);
        browser = new QTextBrowser(window);
        browser->setOpenExternalLinks(true);
        auto* layout = new QVBoxLayout(window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(browser);
    }
    if (parent && !window->isVisible())
        window->move(parent->window()->geometry().center() - window->rect().center());
    browser->setSearchPaths({HelpFolder()});
    browser->setSource(QUrl::fromLocalFile(HelpTopicFile(context)));
    window->show();
    window->raise();
    window->activateWindow();
}
