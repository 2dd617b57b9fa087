#pragma once

#include <string>

// Where the program keeps its files on Linux.
namespace programfolder {

// The program's folder: home when given (the --home option); else
// $MERROWIN_HOME; else the executable's folder when it already holds
// "tavi.dat" (a portable install); else $XDG_DATA_HOME/Merrowin (created).
std::string Resolve(const std::string& home, const std::string& executablePath);

// "kex.ini": in the program's folder when home or $MERROWIN_HOME is given,
// else $XDG_CONFIG_HOME/Merrowin/kex.ini (the folder is created).
std::string SettingsFile(const std::string& home);

// The folder of the program's read-only data (help pages, the pictures of
// published pages), found from the executable's path so that a copy may be
// moved: the executable's own folder in a portable copy; ../share/merrowin in
// an install; in a build tree its "resources" link to the source's resources,
// which test programs find from a sub-folder. A folder counts only when it
// holds help/index.html. "" when there is none.
std::string DataFolder(const std::string& executablePath);

// The running executable's full path.
std::string ExecutablePath();

// Makes a folder and its parents; false when that fails.
bool MakeFolders(const std::string& path);

// An absolute form of path, relative names taken from the current folder.
std::string Absolute(const std::string& path);

} // namespace programfolder
