#include "exchange/IShortCut.h"

#include "exchange/ImportError.h"
#include "exchange/TextEncoding.h"
#include "platform/FileIO.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

std::string Upper(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

std::string Trimmed(const std::string& s) {
    size_t b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return {};
    size_t e = s.find_last_not_of(" \t");
    return s.substr(b, e - b + 1);
}

// A whole decimal number with an optional sign, as the runtime's
// StrToIntDef takes it; def for anything else.
long NumberOr(const std::string& text, long def) {
    std::string t = Trimmed(text);
    size_t i = t.size() > 0 && (t[0] == '-' || t[0] == '+') ? 1 : 0;
    if (i >= t.size() || t.size() > 11) return def;
    for (size_t k = i; k < t.size(); ++k)
        if (t[k] < '0' || t[k] > '9') return def;
    return std::stol(t);
}

std::vector<std::string> TextLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t i = 0;
    while (i < text.size()) {
        size_t e = text.find_first_of("\r\n", i);
        if (e == std::string::npos) e = text.size();
        lines.push_back(text.substr(i, e - i));
        i = e < text.size() && text[e] == '\r' && e + 1 < text.size() && text[e + 1] == '\n'
                ? e + 2
                : e + 1;
    }
    return lines;
}

// A ".desktop" string value: \s \n \t \r \\ stand for their characters.
std::string DesktopValue(const std::string& v) {
    std::string out;
    for (size_t i = 0; i < v.size(); ++i) {
        if (v[i] != '\\' || i + 1 == v.size()) {
            out += v[i];
            continue;
        }
        char c = v[++i];
        out += c == 's' ? ' ' : c == 'n' ? '\n' : c == 't' ? '\t' : c == 'r' ? '\r' : c;
    }
    return out;
}

bool EndsWithIgnoringCase(const std::string& s, const char* tail) {
    size_t n = std::strlen(tail);
    return s.size() >= n && Upper(s.substr(s.size() - n)) == Upper(tail);
}

} // namespace

std::string ShellFolderPath(TShellFolder folder, const TUserFolders& p) {
    switch (folder) {
    case sfNone:
        return {};
    case sfDesktop:
        return p.UserDir("DESKTOP", "Desktop");
    case sfPersonal:
        return p.UserDir("DOCUMENTS", "Documents");
    case sfTemplates:
        return p.UserDir("TEMPLATES", "Templates");
    case sfFavorites:
    case sfSendTo:
        return p.Home;
    case sfFonts:
        return p.DataHome + "/fonts";
    case sfPrograms:
    case sfStartMenu:
        return p.DataHome + "/applications";
    case sfRecent:
        return p.DataHome;
    case sfStartup:
        return p.ConfigHome + "/autostart";
    }
    return {};
}

bool IsShortcutFile(const std::string& fileName) {
    return EndsWithIgnoringCase(fileName, ".url") || EndsWithIgnoringCase(fileName, ".desktop");
}

std::string HotKeyText(uint16_t hotKey) {
    unsigned key = hotKey & 0xFF, mods = hotKey >> 8;
    if (key == 0) return {};
    std::string s;
    if (mods & 2) s += "Ctrl+";
    if (mods & 1) s += "Shift+";
    if (mods & 4) s += "Alt+";
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        s += static_cast<char>(key);
    else if (key >= 0x70 && key <= 0x87) // the function keys
        s += "F" + std::to_string(key - 0x6F);
    else
        s += "#" + std::to_string(key);
    return s;
}

TIShortCut::TIShortCut() = default;

void TIShortCut::SetFileName(const std::string& value) {
    if (value == FFileName) return;
    std::string v = value;
    if (FShellFolder != sfNone)
        v = fileio::JoinPath(ShellFolderPath(FShellFolder, Places), fileio::ExtractFileName(v));
    std::string ext = Upper(fileio::ExtractFileExt(v));
    if (ext != ".URL" && ext != ".DESKTOP") v += ".url";
    if (Upper(fileio::ExtractFileName(v)) == ".URL") v.clear();
    FFileName = v;
}

void TIShortCut::SetShellFolder(TShellFolder folder) {
    if (folder == FShellFolder) return;
    FShellFolder = folder;
    if (folder != sfNone)
        FFileName = ShellFolderPath(folder, Places) + "/" + fileio::ExtractFileName(FFileName);
}

void TIShortCut::Load() {
    LoadText(fileio::ReadFile(FFileName));
}

void TIShortCut::LoadText(std::string bytes) {
    std::string text = textencoding::DecodeToUtf8(std::move(bytes)).Text;
    if (const void* nul = std::memchr(text.data(), '\0', text.size())) {
        auto at = static_cast<const char*>(nul) - text.data();
        int line = 1 + static_cast<int>(std::count(text.data(), text.data() + at, '\n'));
        throw EImportError("Not a text file", FFileName, line);
    }
    URL.clear();
    WorkingDir.clear();
    HotKey = 0;
    WindowState = wsNormal;
    FileIcon = {};
    Name.clear();
    IsLink = true;
    std::vector<std::string> lines = TextLines(text);
    if (EndsWithIgnoringCase(FFileName, ".desktop"))
        LoadDesktopFile(lines);
    else
        LoadUrlFile(lines);
}

void TIShortCut::LoadUrlFile(const std::vector<std::string>& lines) {
    auto value = [&](const char* key, bool& found) {
        for (const std::string& line : lines) {
            size_t eq = line.find('=');
            if (eq != std::string::npos && Upper(Trimmed(line.substr(0, eq))) == key) {
                found = true;
                return Trimmed(line.substr(eq + 1));
            }
        }
        found = false;
        return std::string();
    };
    bool found;
    URL = value("URL", found);
    WorkingDir = value("WORKINGDIRECTORY", found);
    HotKey = static_cast<uint16_t>(NumberOr(value("HOTKEY", found), 0));
    switch (NumberOr(value("SHOWCOMMAND", found), 1)) {
    case 7:
        WindowState = wsMinimized;
        break;
    case 3:
        WindowState = wsMaximized;
        break;
    default:
        WindowState = wsNormal;
    }
    FileIcon.FileName = value("ICONFILE", found);
    FileIcon.IconIndex = static_cast<int>(NumberOr(value("ICONINDEX", found), 0));
}

void TIShortCut::LoadDesktopFile(const std::vector<std::string>& lines) {
    std::string type;
    bool inEntry = false;
    bool seen[5] = {};
    for (const std::string& raw : lines) {
        std::string line = Trimmed(raw);
        if (line.empty() || line[0] == '#') continue;
        if (line[0] == '[') {
            inEntry = line == "[Desktop Entry]";
            continue;
        }
        size_t eq = line.find('=');
        if (!inEntry || eq == std::string::npos) continue;
        std::string key = Trimmed(line.substr(0, eq));
        std::string v = DesktopValue(Trimmed(line.substr(eq + 1)));
        // The first of each key counts; localized names (Name[de]) do not.
        static const char* const keys[] = {"Type", "URL", "Name", "Icon", "Path"};
        std::string* slots[] = {&type, &URL, &Name, &FileIcon.FileName, &WorkingDir};
        for (size_t k = 0; k < 5; ++k)
            if (key == keys[k] && !seen[k]) {
                *slots[k] = v;
                seen[k] = true;
            }
    }
    IsLink = type == "Link";
}

std::string TIShortCut::Title() const {
    if (!Name.empty()) return Name;
    std::string name = fileio::ExtractFileName(FFileName);
    size_t cut = EndsWithIgnoringCase(name, ".desktop") ? 8 : 4;
    return name.size() >= cut ? name.substr(0, name.size() - cut) : std::string();
}

std::string GetFolderName(const std::string& path) {
    std::string dir = fileio::ExtractFilePath(path);
    if (!dir.empty() && dir.back() == '/') dir.pop_back();
    size_t slash = dir.rfind('/');
    return slash == std::string::npos ? dir : dir.substr(slash + 1);
}

TFavorites ReadFavorites(const std::string& folder) {
    TFavorites result;
    TFileIterator walk;
    walk.SetRootFolder(folder);
    walk.SetOptions(fiPath | fiRecurseFolders);
    walk.OnAddFile = [&](TFileIterator&, const std::string& path, const TFileInfo&) {
        if (!IsShortcutFile(path)) return;
        TIShortCut s;
        s.SetFileName(path);
        s.Load();
        if (s.IsLink) result.Links.push_back({path, GetFolderName(path), s.Title(), s.URL});
    };
    walk.Execute();
    result.SkippedFolders = walk.SkippedFolders();
    return result;
}
