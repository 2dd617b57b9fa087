#include "platform/ui/IconImages.h"

#include "platform/ui/QtImageList.h"

#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kIconSource =
    QDir::cleanPath(QStringLiteral(MERROWIN_TEST_DATA "/../../resources/icons"));

QImage Render(const QIcon& icon, int size) {
    return icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
}

int OpaquePixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += qAlpha(image.pixel(x, y)) > 128;
    return n;
}

bool Reddish(QRgb c) {
    return qAlpha(c) > 200 && qRed(c) > 180 && qGreen(c) < 90 && qBlue(c) < 90;
}

TEST(IconImages, EveryIconInTheSourceFolderIsCompiledInAndDrawsAt16And32) {
    const QStringList files = QDir(kIconSource).entryList({QStringLiteral("*.svg")}, QDir::Files);
    ASSERT_GE(files.size(), 40);
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        QString name = file.chopped(4);
        ASSERT_TRUE(QFile::exists(IconPath(name))) << "missing from icons.qrc";
        QIcon icon = ArtIcon(name);
        ASSERT_FALSE(icon.isNull());
        for (int size : {16, 32}) {
            QImage image = Render(icon, size);
            ASSERT_EQ(image.size(), QSize(size, size));
            // Something must be drawn, but an icon is not a filled square.
            int opaque = OpaquePixels(image);
            EXPECT_GT(opaque, size * size / 40) << size;
            if (name != QLatin1String("merrowin")) {
                EXPECT_LT(opaque, size * size) << size;
            }
        }
    }
}

TEST(IconImages, FixedImagesAreDistinctAndUnknownIndexesShowTheGenericDocument) {
    std::vector<QImage> images;
    for (int i = 0; i < kFixedImageCount; ++i)
        images.push_back(Render(KindIcon(i), 32));
    for (int i = 0; i < kFixedImageCount; ++i)
        for (int j = i + 1; j < kFixedImageCount; ++j)
            EXPECT_NE(images[i], images[j]) << "images " << i << " and " << j << " look alike";
    const QImage document = images[kGenericDocumentImage];
    for (int index : {-1, 14, 99})
        EXPECT_EQ(Render(KindIcon(index), 32), document) << index;
}

TEST(IconImages, DueOverlayMarksOnlyTheBottomRightCornerAtEverySize) {
    for (int size : {16, 32, 48}) {
        SCOPED_TRACE(size);
        QImage plain = Render(KindIcon(3), size);
        QImage due = Render(DueIcon(3), size);
        ASSERT_EQ(due.size(), plain.size());
        EXPECT_TRUE(Reddish(due.pixel(size * 21 / 32, size * 25 / 32)));
        for (int y = 0; y < size / 2; ++y)
            for (int x = 0; x < size; ++x)
                ASSERT_EQ(due.pixel(x, y), plain.pixel(x, y));
    }
    EXPECT_EQ(Render(WithOverlay(KindIcon(0), -1), 16), Render(KindIcon(0), 16));
    EXPECT_EQ(Render(WithOverlay(KindIcon(0), 7), 16), Render(KindIcon(0), 16));
}

TEST(IconImages, StateBulletsExistForOneToFourOnly) {
    for (int state = 1; state <= 4; ++state)
        EXPECT_FALSE(StateBullet(state).isNull()) << state;
    for (int state : {-1, 0, 5})
        EXPECT_TRUE(StateBullet(state).isNull()) << state;
}

// A private icon theme and desktop entries, so that what the desktop would
// show is known: text files show the phone picture, "frobnicate" the fax
// picture, and the desktop entry of /opt/frob/bin/frobnicate the e-mail one.
// Only XDG_DATA_HOME moves: the system's MIME database is found through
// XDG_DATA_DIRS.
class DesktopIcons : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Dir.isValid());
        QDir root(Dir.path());
        ASSERT_TRUE(root.mkpath("icons/mtest/scalable/mimetypes"));
        ASSERT_TRUE(root.mkpath("icons/mtest/scalable/apps"));
        ASSERT_TRUE(root.mkpath("data/applications"));
        Write("icons/mtest/index.theme",
              "[Icon Theme]\nName=mtest\nDirectories=scalable/mimetypes,scalable/apps\n"
              "[scalable/mimetypes]\nSize=32\nMinSize=8\nMaxSize=512\nType=Scalable\n"
              "[scalable/apps]\nSize=32\nMinSize=8\nMaxSize=512\nType=Scalable\n");
        Copy("phone", "icons/mtest/scalable/mimetypes/text-plain.svg");
        Copy("fax", "icons/mtest/scalable/apps/frobnicate.svg");
        Copy("email", "frob.svg");
        Write("data/applications/frob-suite.desktop",
              "[Desktop Entry]\nType=Application\nName=Frob\nExec=\"/opt/frob/bin/frobnicate\" "
              "--new %U\nIcon=" +
                  root.filePath("frob.svg").toUtf8() + "\n[Desktop Action x]\nIcon=wrong\n");
        FPaths = QIcon::themeSearchPaths();
        FTheme = QIcon::themeName();
        FDataHome = qgetenv("XDG_DATA_HOME");
        QIcon::setThemeSearchPaths({root.filePath("icons")});
        QIcon::setThemeName("mtest");
        qputenv("XDG_DATA_HOME", root.filePath("data").toUtf8());
    }
    void TearDown() override {
        QIcon::setThemeSearchPaths(FPaths);
        QIcon::setThemeName(FTheme);
        if (FDataHome.isEmpty())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", FDataHome);
    }
    void Write(const QString& rel, const QByteArray& text) {
        QFile f(QDir(Dir.path()).filePath(rel));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    void Copy(const QString& art, const QString& rel) {
        ASSERT_TRUE(QFile::copy(IconPath(art), QDir(Dir.path()).filePath(rel)));
    }
    static QImage Art(const QString& name) { return Render(ArtIcon(name), 32); }

    QTemporaryDir Dir;
    QStringList FPaths;
    QString FTheme;
    QByteArray FDataHome;
};

TEST_F(DesktopIcons, FileTypeIconComesFromTheThemeByTypeElseTheGenericDocument) {
    EXPECT_EQ(Render(TQtImageList::FileTypeIcon("/home/u/notes.txt"), 32), Art("phone"));
    EXPECT_EQ(Render(TQtImageList::FileTypeIcon("/home/u/blob.zz9unknown"), 32), Art("document"));
    EXPECT_EQ(Render(TQtImageList::FileTypeIcon(""), 32), Art("document"));
    // A folder of the test theme is missing: the program's own folder stands in.
    EXPECT_EQ(Render(TQtImageList::FileTypeIcon(Dir.path()), 32), Art("folder"));
}

TEST_F(DesktopIcons, ProgramIconComesFromItsDesktopEntryThenTheThemeThenTheToolPicture) {
    EXPECT_EQ(Render(TQtImageList::ProgramIcon("/opt/frob/bin/frobnicate"), 32), Art("email"));
    // Same name, other program: not the entry's, but the theme knows the name.
    EXPECT_EQ(Render(TQtImageList::ProgramIcon("/usr/bin/frobnicate"), 32), Art("fax"));
    EXPECT_EQ(Render(TQtImageList::ProgramIcon(
                         QDir(Dir.path()).filePath("data/applications/frob-suite.desktop")),
                     32),
              Art("email"));
    EXPECT_EQ(Render(TQtImageList::ProgramIcon("/nowhere/zq-no-such-tool"), 32), Art("tool"));
}

TEST_F(DesktopIcons, ImageListGrowsFromFourteenAndReplaceKeepsThePosition) {
    TQtImageList list;
    QSignalSpy changed(&list, &TQtImageList::IconChanged);
    ASSERT_EQ(list.Count(), kFixedImageCount);
    for (int i = 0; i < kFixedImageCount; ++i)
        EXPECT_EQ(Render(list.Icon(i), 16), Render(KindIcon(i), 16)) << i;

    EXPECT_EQ(list.AddFileIcon("/home/u/a.zz9unknown"), 14);
    EXPECT_EQ(list.AddProgramIcon("/opt/frob/bin/frobnicate"), 15);
    EXPECT_EQ(list.AddFileIcon("/home/u/b.txt"), 16);
    EXPECT_EQ(Render(list.Icon(14), 32), Art("document"));
    EXPECT_EQ(Render(list.Icon(15), 32), Art("email"));
    EXPECT_EQ(Render(list.Icon(16), 32), Art("phone"));

    list.ReplaceFileIcon(14, "/home/u/a.txt");
    EXPECT_EQ(list.Count(), 17);
    EXPECT_EQ(Render(list.Icon(14), 32), Art("phone"));
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toInt(), 14);

    // The shared fixed images and unknown positions are left alone.
    list.ReplaceFileIcon(5, "/home/u/a.txt");
    list.ReplaceFileIcon(40, "/home/u/a.txt");
    EXPECT_EQ(Render(list.Icon(5), 32), Art("address"));
    EXPECT_EQ(list.Count(), 17);
    EXPECT_EQ(changed.count(), 1);

    EXPECT_EQ(Render(list.Icon(40), 32), Art("document"));
    EXPECT_EQ(Render(list.Icon(-3), 32), Art("document"));
    EXPECT_TRUE(Reddish(Render(list.Icon(0, kDueOverlay), 32).pixel(21, 25)));
}

} // namespace
