#include "platform/DesktopEntry.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sys/stat.h>

namespace {

std::string Trimmed(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b])))
        ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1])))
        --e;
    return std::string(s.substr(b, e - b));
}

// A string value: \s \n \t \r \\ stand for their characters.
std::string Unescaped(std::string_view v) {
    std::string out;
    out.reserve(v.size());
    for (size_t i = 0; i < v.size(); ++i) {
        if (v[i] != '\\' || i + 1 == v.size()) {
            out += v[i];
            continue;
        }
        switch (char c = v[++i]) {
        case 's':
            out += ' ';
            break;
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case 'r':
            out += '\r';
            break;
        case '\\':
            out += '\\';
            break;
        default:
            // Not a string escape: the Exec quoting rules still need it.
            out += '\\';
            out += c;
        }
    }
    return out;
}

std::string BaseName(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

bool TDesktopEntry::IsDesktopFile(const std::string& file) {
    static const std::string ext = ".desktop";
    if (file.size() <= ext.size()) return false;
    return std::equal(
        ext.begin(), ext.end(), file.end() - static_cast<long>(ext.size()),
        [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

std::optional<TDesktopEntry> TDesktopEntry::Read(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    TDesktopEntry entry;
    bool found = false, inMain = false;
    // The first of a key counts; later duplicates are a broken file's.
    bool seen[4] = {};
    std::string* fields[4] = {&entry.Name, &entry.Exec, &entry.Icon, &entry.Path};
    static const char* const keys[4] = {"Name", "Exec", "Icon", "Path"};
    std::string line;
    while (std::getline(in, line)) {
        std::string t = Trimmed(line);
        if (t.empty() || t[0] == '#') continue;
        if (t[0] == '[') {
            // Only the first [Desktop Entry] group is the entry (actions follow it).
            inMain = !found && t == "[Desktop Entry]";
            found = found || inMain;
            continue;
        }
        if (!inMain) continue;
        size_t eq = t.find('=');
        if (eq == std::string::npos) continue;
        std::string key = Trimmed(std::string_view(t).substr(0, eq));
        for (int k = 0; k < 4; ++k) {
            if (key != keys[k] || seen[k]) continue;
            seen[k] = true;
            *fields[k] = Unescaped(Trimmed(std::string_view(t).substr(eq + 1)));
        }
    }
    if (!found) return std::nullopt;
    return entry;
}

std::vector<std::string> TDesktopEntry::ExecWords(std::string_view exec) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;  // a word has started (an empty "" is a word)
    bool onlyCode = true; // the word so far is field codes only: dropped whole
    auto finish = [&] {
        if (inWord && !(onlyCode && word.empty())) words.push_back(word);
        word.clear();
        inWord = false;
        onlyCode = true;
    };
    bool quoted = false;
    for (size_t i = 0; i < exec.size(); ++i) {
        char c = exec[i];
        if (quoted) {
            if (c == '"') {
                quoted = false;
            } else if (c == '\\' && i + 1 < exec.size() &&
                       std::string_view("\"`$\\").find(exec[i + 1]) != std::string_view::npos) {
                word += exec[++i];
            } else if (c == '%' && i + 1 < exec.size()) {
                // Field codes are not allowed in quotes; dropped all the same.
                if (exec[++i] == '%') word += '%';
            } else {
                word += c;
            }
            continue;
        }
        if (c == ' ' || c == '\t' || c == '\n') {
            finish();
            continue;
        }
        inWord = true;
        if (c == '"') {
            quoted = true;
            onlyCode = false;
        } else if (c == '%' && i + 1 < exec.size()) {
            if (exec[++i] == '%') {
                word += '%';
                onlyCode = false;
            }
        } else {
            word += c;
            onlyCode = false;
        }
    }
    finish();
    return words;
}

bool IsProgramFile(const std::string& path) {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    if (TDesktopEntry::IsDesktopFile(path)) {
        auto entry = TDesktopEntry::Read(path);
        return entry && !TDesktopEntry::ExecWords(entry->Exec).empty();
    }
    return (st.st_mode & (S_IXUSR | S_IXGRP | S_IXOTH)) != 0;
}

std::string ProgramDisplayName(const std::string& path) {
    if (TDesktopEntry::IsDesktopFile(path))
        if (auto entry = TDesktopEntry::Read(path); entry && !entry->Name.empty())
            return entry->Name;
    std::string name = BaseName(path);
    size_t dot = name.find_last_of('.');
    // A leading dot names a hidden file, not an extension.
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    return name;
}
