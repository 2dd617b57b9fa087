#pragma once

#include <string>

// Where a desktop user's own folders are: the XDG user folders
// ("~/.config/user-dirs.dirs": XDG_DESKTOP_DIR="$HOME/Desktop" and so on),
// the XDG data and config folders, and the home folder.
struct TUserFolders {
    std::string Home;       // $HOME
    std::string ConfigHome; // $XDG_CONFIG_HOME, else Home/.config
    std::string DataHome;   // $XDG_DATA_HOME, else Home/.local/share

    // From the process environment.
    static TUserFolders FromEnvironment();

    // A user folder of user-dirs.dirs by its key ("DESKTOP", "DOCUMENTS",
    // "TEMPLATES", ...): the path the file gives with $HOME expanded, else
    // Home/fallback (as xdg-user-dirs does when the file lacks the key).
    std::string UserDir(const std::string& key, const std::string& fallback) const;
};
