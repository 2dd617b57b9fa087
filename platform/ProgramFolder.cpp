#include "platform/ProgramFolder.h"

#include "platform/FileIO.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace programfolder {

namespace {
std::string Env(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

std::string XdgDir(const char* var, const char* fallback) {
    std::string dir = Env(var);
    if (!dir.empty() && dir[0] == '/') return dir;
    std::string home = Env("HOME");
    if (home.empty()) home = "/tmp";
    return fileio::JoinPath(home, fallback);
}

// "/a/b/" for "/a/b/c/"; "" above the top.
std::string ParentFolder(const std::string& folder) {
    if (folder.size() < 2) return {};
    return fileio::ExtractFilePath(folder.substr(0, folder.size() - 1));
}

bool HoldsData(const std::string& folder) {
    return fileio::FileExists(fileio::JoinPath(folder, "help/index.html"));
}
} // namespace

bool MakeFolders(const std::string& path) {
    if (path.empty()) return false;
    std::string cur;
    size_t pos = 0;
    while (pos <= path.size()) {
        size_t next = path.find('/', pos);
        if (next == std::string::npos) next = path.size();
        cur = path.substr(0, next);
        if (!cur.empty() && ::mkdir(cur.c_str(), 0755) != 0 && errno != EEXIST) return false;
        pos = next + 1;
    }
    return fileio::DirectoryExists(path);
}

std::string Absolute(const std::string& path) {
    if (path.empty() || path[0] == '/') return path;
    char buf[PATH_MAX];
    if (!::getcwd(buf, sizeof buf)) return path;
    return fileio::JoinPath(buf, path);
}

std::string ExecutablePath() {
    char buf[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return {};
    buf[n] = '\0';
    return buf;
}

std::string DataFolder(const std::string& executablePath) {
    const std::string exeDir = fileio::ExtractFilePath(executablePath);
    if (exeDir.empty()) return {};
    std::vector<std::string> candidates{exeDir};
    if (std::string up = ParentFolder(exeDir); !up.empty())
        candidates.push_back(up + "share/merrowin/");
    // Build trees nest their test programs a few folders deep.
    std::string dir = exeDir;
    for (int depth = 0; depth < 4 && !dir.empty(); ++depth, dir = ParentFolder(dir))
        candidates.push_back(dir + "resources/");
    for (const std::string& c : candidates)
        if (HoldsData(c)) return c;
    return {};
}

std::string Resolve(const std::string& home, const std::string& executablePath) {
    if (!home.empty()) return Absolute(home);
    std::string env = Env("MERROWIN_HOME");
    if (!env.empty()) return Absolute(env);
    std::string exeDir = fileio::ExtractFilePath(executablePath);
    if (!exeDir.empty() && fileio::FileExists(exeDir + "tavi.dat")) return exeDir;
    std::string dir = fileio::JoinPath(XdgDir("XDG_DATA_HOME", ".local/share"), "Merrowin");
    MakeFolders(dir);
    return dir;
}

std::string SettingsFile(const std::string& home) {
    if (!home.empty()) return fileio::JoinPath(Absolute(home), "kex.ini");
    std::string env = Env("MERROWIN_HOME");
    if (!env.empty()) return fileio::JoinPath(Absolute(env), "kex.ini");
    std::string dir = fileio::JoinPath(XdgDir("XDG_CONFIG_HOME", ".config"), "Merrowin");
    MakeFolders(dir);
    return fileio::JoinPath(dir, "kex.ini");
}

} // namespace programfolder
