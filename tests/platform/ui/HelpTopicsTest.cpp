#include "platform/ui/HelpLauncher.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>
#include <gtest/gtest.h>

namespace {

// Every help context number the program asks for: the main window, the
// record dialogs, the options, the report setup, the two wizards and the tips.
const int kContexts[] = {1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009, 1010, 1011, 1012,
                         1013, 1014, 1015, 1018, 1019, 1020, 1021, 1022, 1023, 1024, 1026, 1029,
                         1030, 1031, 1032, 1034, 1037, 1038, 1039, 1040, 1044, 1045, 1046};

QString Read(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QSet<QString> Links(const QString& page) {
    QSet<QString> links;
    static const QRegularExpression href(QStringLiteral("href=\"([^\"#]+)"));
    for (auto it = href.globalMatch(Read(page)); it.hasNext();)
        links.insert(it.next().captured(1));
    return links;
}

TEST(HelpTopics, EveryContextNumberHasItsOwnPageFoundFromTheBuildTree) {
    ASSERT_FALSE(HelpFolder().isEmpty());
    for (int context : kContexts) {
        QString file = HelpTopicFile(context);
        EXPECT_EQ(QFileInfo(file).fileName(), QString::number(context) + ".html");
        QString text = Read(file);
        EXPECT_TRUE(text.contains("<title>")) << context;
        // A real topic, not a placeholder.
        EXPECT_GT(text.size(), 500) << context;
    }
}

TEST(HelpTopics, ZeroAndUnknownNumbersOpenTheContents) {
    for (int context : {0, -5, 1016, 99999})
        EXPECT_EQ(QFileInfo(HelpTopicFile(context)).fileName(), "index.html") << context;
}

TEST(HelpTopics, ContentsLinkEveryTopicAndNoLinkIsBroken) {
    QDir folder(HelpFolder());
    const QStringList pages = folder.entryList({QStringLiteral("*.html")}, QDir::Files);
    QSet<QString> fromContents = Links(folder.filePath("index.html"));
    for (const QString& page : pages) {
        if (page != "index.html") {
            EXPECT_TRUE(fromContents.contains(page)) << page.toStdString();
        }
        for (const QString& link : Links(folder.filePath(page))) {
            if (link.contains(':')) continue; // outside addresses
            EXPECT_TRUE(folder.exists(link)) << page.toStdString() << " -> " << link.toStdString();
        }
    }
}

TEST(HelpTopics, HelpFromASmallDialogAtTheTopOfTheScreenStaysWholeOnTheScreen) {
    QDialog dlg;
    dlg.setGeometry(QGuiApplication::primaryScreen()->availableGeometry().topLeft().x() + 10,
                    QGuiApplication::primaryScreen()->availableGeometry().top() + 10, 200, 100);
    dlg.show();
    ShowHelpTopic(1039, &dlg);
    QWidget* help = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == "Merrowin Help") help = w;
    ASSERT_NE(help, nullptr);
    const QRect room = dlg.screen()->availableGeometry();
    EXPECT_TRUE(room.contains(help->geometry())) << help->y() << " " << help->height();
    help->close();
}

} // namespace
