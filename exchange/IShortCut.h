#pragma once

#include "exchange/FileIterator.h"
#include "exchange/UserFolders.h"

#include <cstdint>
#include <string>
#include <vector>

// Reading Internet shortcut files: ".url" files (lines "Name=Value"; URL,
// WorkingDirectory, HotKey, ShowCommand, IconFile and IconIndex are read;
// the first line with a name counts, whatever section it stands in; blanks
// around the name and after "=" do not matter) and desktop link files
// (".desktop" with Type=Link and URL= in the [Desktop Entry] group).
//
// Usage (the favorites import):
//   TIShortCut s;  s.SetFileName(path);  s.Load();     // EInOutError, EImportError
//   if (s.IsLink) website titled s.Title() with target s.URL;
// or ReadFavorites(dir) for a whole folder tree at once.

enum TShellFolder {
    sfNone,
    sfDesktop,
    sfFavorites,
    sfFonts,
    sfPersonal,
    sfPrograms,
    sfRecent,
    sfSendTo,
    sfStartMenu,
    sfStartup,
    sfTemplates
};

enum TWindowState { wsNormal, wsMinimized, wsMaximized };

struct TFileIcon {
    std::string FileName;
    int IconIndex = 0;
};

// The folder a special folder stands for on a Linux desktop:
//   desktop, documents (sfPersonal), templates: the XDG user folders;
//   favorites and send-to: the home folder (there are no such folders);
//   fonts: <data home>/fonts; programs and start menu:
//   <data home>/applications; recent: <data home>; startup:
//   <config home>/autostart. sfNone gives "".
std::string ShellFolderPath(TShellFolder folder, const TUserFolders& places);

// A ".url" or ".desktop" file, by its name (letter case ignored).
bool IsShortcutFile(const std::string& fileName);

// A hot-key word as text: "Ctrl+Alt+A"; "" for none. The low byte is the
// key code, the high byte holds the modifiers 1 Shift, 2 Ctrl, 4 Alt.
std::string HotKeyText(uint16_t hotKey);

class TIShortCut {
public:
    TIShortCut();

    const std::string& FileName() const { return FFileName; }
    // Inside a special folder the name moves there; a name without ".url"
    // (or ".desktop") gets ".url"; a name that is only ".url" becomes "".
    void SetFileName(const std::string& value);
    TShellFolder ShellFolder() const { return FShellFolder; }
    // Moves the file name into the special folder.
    void SetShellFolder(TShellFolder folder);

    // Reads FileName. Raises EInOutError when it cannot be read and
    // EImportError when it holds a NUL byte (no text file).
    void Load();
    // The same for a file's bytes in memory; FileName decides the format
    // and names the file in errors.
    void LoadText(std::string bytes);

    // The website title: a ".desktop" link's Name, else the file name
    // without its folder and extension.
    std::string Title() const;

    std::string URL;
    std::string WorkingDir;
    uint16_t HotKey = 0;
    TWindowState WindowState = wsNormal;
    TFileIcon FileIcon;
    std::string Name;   // ".desktop": the Name key
    bool IsLink = true; // false for a ".desktop" file that is no link
    TUserFolders Places = TUserFolders::FromEnvironment();

private:
    void LoadUrlFile(const std::vector<std::string>& lines);
    void LoadDesktopFile(const std::vector<std::string>& lines);

    std::string FFileName;
    TShellFolder FShellFolder = sfNone;
};

// Every shortcut below a folder, in the walk's order (see TFileIterator):
// the file, the name of the folder holding it, and what it links to. Links
// that are no links (".desktop" applications) are left out.
struct TFavoriteLink {
    std::string Path;
    std::string FolderName; // GetFolderName of the path
    std::string Title;
    std::string URL;
};
struct TFavorites {
    std::vector<TFavoriteLink> Links;
    std::vector<TFileIterator::TSkipped> SkippedFolders; // folders that could not be read
};
// Raises what Load raises for a shortcut that cannot be read (the import
// stops there, naming the file).
TFavorites ReadFavorites(const std::string& folder);

// The name of the folder a path lies in: "/home/ann/Favorites/" gives
// "Favorites", "/home/ann/Favorites/Links/a.url" gives "Links".
std::string GetFolderName(const std::string& path);
