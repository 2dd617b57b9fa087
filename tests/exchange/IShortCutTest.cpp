#include "exchange/IShortCut.h"

#include "exchange/ImportError.h"
#include "platform/Errors.h"
#include "support/TestServices.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {
using V = std::vector<std::string>;

TIShortCut Loaded(const TTempDir& dir, const std::string& name, const std::string& text) {
    WriteText(dir.File(name), text);
    TIShortCut s;
    s.SetFileName(dir.File(name));
    s.Load();
    return s;
}

TEST(IShortCut, ReadsUrlFiles) {
    struct Case {
        const char* Text;
        const char* Url;
        const char* WorkingDir;
        uint16_t HotKey;
        TWindowState State;
    } cases[] = {
        {"[InternetShortcut]\r\nURL=http://a.example/\r\n", "http://a.example/", "", 0, wsNormal},
        // Blanks around the name and after "=" do not matter; case neither.
        {"[InternetShortcut]\nURL = https://b.example/ \n", "https://b.example/", "", 0, wsNormal},
        {"  url=http://c.example/", "http://c.example/", "", 0, wsNormal},
        // The first line named URL counts, whatever its section; BASEURL is no URL.
        {"[DEFAULT]\nBASEURL=http://x/\n[InternetShortcut]\nURL=http://y/\nURL=http://z/",
         "http://y/", "", 0, wsNormal},
        {"[InternetShortcut]\nIconIndex=0\n", "", "", 0, wsNormal},
        {"URL=u\nWorkingDirectory=C:\\Temp\nHotKey=1601\nShowCommand=7", "u", "C:\\Temp", 1601,
         wsMinimized},
        {"URL=u\nShowCommand=3\nHotKey=x", "u", "", 0, wsMaximized},
        {"URL=u\nShowCommand=2", "u", "", 0, wsNormal},
        {"URL=u\nShowCommand=max", "u", "", 0, wsNormal},
        {"URL=a=b", "a=b", "", 0, wsNormal},
    };
    TTempDir dir;
    for (const auto& c : cases) {
        TIShortCut s = Loaded(dir, "s.url", c.Text);
        EXPECT_EQ(s.URL, c.Url) << c.Text;
        EXPECT_EQ(s.WorkingDir, c.WorkingDir) << c.Text;
        EXPECT_EQ(s.HotKey, c.HotKey) << c.Text;
        EXPECT_EQ(s.WindowState, c.State) << c.Text;
        EXPECT_TRUE(s.IsLink);
        EXPECT_EQ(s.Title(), "s");
    }
}

TEST(IShortCut, ReadsDesktopLinks) {
    TTempDir dir;
    TIShortCut link = Loaded(dir, "wiki.desktop",
                             "# a link\n[Desktop Entry]\nName[de]=Das Wiki\nName=Team\\sWiki\n"
                             "Type=Link\nURL=https://wiki.example.org/\n"
                             "[Desktop Action x]\nName=Other\nURL=https://other/\n");
    EXPECT_TRUE(link.IsLink);
    EXPECT_EQ(link.URL, "https://wiki.example.org/");
    EXPECT_EQ(link.Title(), "Team Wiki");
    TIShortCut app = Loaded(dir, "editor.desktop", "[Desktop Entry]\nType=Application\nExec=ed\n");
    EXPECT_FALSE(app.IsLink);
    // Keys outside the entry group do not count.
    TIShortCut stray = Loaded(dir, "stray.desktop", "[Other]\nType=Link\nURL=x\n");
    EXPECT_FALSE(stray.IsLink);
    EXPECT_EQ(stray.URL, "");
    TIShortCut unnamed = Loaded(dir, "No Name.desktop", "[Desktop Entry]\nType=Link\nURL=y\n");
    EXPECT_EQ(unnamed.Title(), "No Name");
}

TEST(IShortCut, FileNameRules) {
    struct Case {
        const char* Given;
        const char* Stored;
    } cases[] = {
        {"/f/a.url", "/f/a.url"},
        {"/f/a.URL", "/f/a.URL"},
        {"/f/a", "/f/a.url"},
        {"/f/a.txt", "/f/a.txt.url"},
        {"/f/.url", ""},
        {"/f/.URL", ""},
        {"", ""},
        {"/f/b.desktop", "/f/b.desktop"},
    };
    for (const auto& c : cases) {
        TIShortCut s;
        s.SetFileName(c.Given);
        EXPECT_EQ(s.FileName(), c.Stored) << c.Given;
    }
}

TEST(IShortCut, ShellFoldersAreTheDesktopsUserFolders) {
    TTempDir home;
    std::filesystem::create_directories(home.File(".config"));
    WriteText(home.File(".config/user-dirs.dirs"),
              "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n"
              "XDG_TEMPLATES_DIR=\"/srv/templates/\"\nXDG_DOCUMENTS_DIR=\"relative\"\n");
    TUserFolders places{home.Path(), home.File(".config"), home.File(".local/share")};
    struct Case {
        TShellFolder Folder;
        std::string Path;
    } cases[] = {
        {sfNone, ""},
        {sfDesktop, home.File("Schreibtisch")},
        {sfFavorites, home.Path()},
        {sfFonts, home.File(".local/share/fonts")},
        {sfPersonal, home.File("Documents")}, // the file's value is no valid path
        {sfPrograms, home.File(".local/share/applications")},
        {sfRecent, home.File(".local/share")},
        {sfSendTo, home.Path()},
        {sfStartMenu, home.File(".local/share/applications")},
        {sfStartup, home.File(".config/autostart")},
        {sfTemplates, "/srv/templates"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShellFolderPath(c.Folder, places), c.Path) << c.Folder;

    // Choosing a folder moves the file name there, and so does a later name.
    TIShortCut s;
    s.Places = places;
    s.SetFileName("/elsewhere/News.url");
    s.SetShellFolder(sfDesktop);
    EXPECT_EQ(s.FileName(), home.File("Schreibtisch/News.url"));
    s.SetFileName("/x/Other");
    EXPECT_EQ(s.FileName(), home.File("Schreibtisch/Other.url"));
    s.SetShellFolder(sfNone);
    s.SetFileName("/x/Third.url");
    EXPECT_EQ(s.FileName(), "/x/Third.url");
}

TEST(IShortCut, HotKeyText) {
    struct Case {
        uint16_t Word;
        const char* Text;
    } cases[] = {{0, ""},       {0x0641, "Ctrl+Alt+A"}, {0x0141, "Shift+A"}, {0x0270, "Ctrl+F1"},
                 {0x0031, "1"}, {0x04BA, "Alt+#186"}};
    for (const auto& c : cases)
        EXPECT_EQ(HotKeyText(c.Word), c.Text) << c.Word;
}

TEST(IShortCut, UnreadableOrBinaryShortcutsSayWhere) {
    TTempDir dir;
    TIShortCut s;
    s.SetFileName(dir.File("missing.url"));
    EXPECT_THROW(s.Load(), EInOutError);
    const char binary[] = "[InternetShortcut]\nURL=\0x";
    WriteText(dir.File("bin.url"), std::string(binary, sizeof binary - 1));
    s.SetFileName(dir.File("bin.url"));
    try {
        s.Load();
        FAIL() << "a NUL byte read as text";
    } catch (const EImportError& e) {
        EXPECT_EQ(e.Where(), dir.File("bin.url") + ":2: Not a text file");
    }
}

TEST(IShortCut, FolderNames) {
    struct Case {
        const char* Path;
        const char* Name;
    } cases[] = {{"/home/ann/Favorites/", "Favorites"},
                 {"/home/ann/Favorites/Links/a.url", "Links"},
                 {"/a.url", ""},
                 {"a.url", ""},
                 {"Links/a.url", "Links"}};
    for (const auto& c : cases)
        EXPECT_EQ(GetFolderName(c.Path), c.Name) << c.Path;
}

} // namespace
