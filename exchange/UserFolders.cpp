#include "exchange/UserFolders.h"

#include "platform/FileIO.h"

#include <cstdlib>
#include <sstream>

namespace {
std::string Env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}
} // namespace

TUserFolders TUserFolders::FromEnvironment() {
    TUserFolders f;
    f.Home = Env("HOME");
    f.ConfigHome = Env("XDG_CONFIG_HOME");
    if (f.ConfigHome.empty()) f.ConfigHome = f.Home + "/.config";
    f.DataHome = Env("XDG_DATA_HOME");
    if (f.DataHome.empty()) f.DataHome = f.Home + "/.local/share";
    return f;
}

std::string TUserFolders::UserDir(const std::string& key, const std::string& fallback) const {
    std::string wanted = "XDG_" + key + "_DIR";
    auto text = fileio::TryReadFile(fileio::JoinPath(ConfigHome, "user-dirs.dirs"));
    std::istringstream lines(text ? *text : std::string());
    std::string line;
    while (std::getline(lines, line)) {
        // Lines read XDG_DESKTOP_DIR="$HOME/Desktop"; "#" starts a comment.
        size_t b = line.find_first_not_of(" \t");
        if (b == std::string::npos || line[b] == '#') continue;
        size_t eq = line.find('=', b);
        if (eq == std::string::npos || line.substr(b, eq - b) != wanted) continue;
        std::string value = line.substr(eq + 1);
        while (!value.empty() && (value.back() == '\r' || value.back() == ' '))
            value.pop_back();
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (value.rfind("$HOME", 0) == 0)
            value = Home + value.substr(5);
        else if (!fileio::IsAbsolutePath(value))
            continue; // the format allows only $HOME/... or an absolute path
        while (value.size() > 1 && value.back() == '/')
            value.pop_back();
        return value;
    }
    return fallback.empty() ? Home : Home + "/" + fallback;
}
