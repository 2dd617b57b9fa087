#include "platform/IniFile.h"

#include "platform/Errors.h"
#include "platform/FileIO.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace {

bool SameText(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x >= 'a' && x <= 'z') x = static_cast<unsigned char>(x - 32);
        if (y >= 'a' && y <= 'z') y = static_cast<unsigned char>(y - 32);
        if (x != y) return false;
    }
    return true;
}

std::string Trim(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t'))
        ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t'))
        --e;
    return s.substr(b, e - b);
}

// Keys, sections and values never carry line ends: a value with one would
// split into a line the next read does not understand.
std::string OneLine(const std::string& s) {
    std::string out = s;
    for (char& c : out)
        if (c == '\r' || c == '\n') c = ' ';
    return out;
}

} // namespace

TIniFile::TIniFile(std::string path) : FPath(std::move(path)) {
    Reload();
}

void TIniFile::Reload() {
    FLines.clear();
    FReadError = 0;
    if (FPath.empty()) return;
    try {
        if (auto text = fileio::ReadFileIfExists(FPath)) Parse(*text);
    } catch (const EInOutError& e) {
        // The defaults stand in, but must never replace what could not be read.
        FReadError = e.ErrorCode();
    }
}

void TIniFile::Parse(const std::string& text) {
    FLines.clear();
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        size_t next = end == std::string::npos ? text.size() : end + 1;
        if (end == std::string::npos) end = text.size();
        if (end > pos && text[end - 1] == '\r') --end;
        Line line;
        line.Raw = text.substr(pos, end - pos);
        std::string t = Trim(line.Raw);
        if (!t.empty() && t[0] == '[') {
            auto close = t.find(']');
            if (close != std::string::npos) {
                line.IsHeader = true;
                line.Section = Trim(t.substr(1, close - 1));
            }
        } else if (!t.empty() && t[0] != ';') {
            auto eq = line.Raw.find('=');
            if (eq != std::string::npos) {
                line.Key = Trim(line.Raw.substr(0, eq));
                line.IsKey = !line.Key.empty();
            }
        }
        FLines.push_back(std::move(line));
        pos = next;
    }
}

int TIniFile::FindSection(const std::string& section) const {
    for (size_t i = 0; i < FLines.size(); ++i)
        if (FLines[i].IsHeader && SameText(FLines[i].Section, section)) return static_cast<int>(i);
    return -1;
}

int TIniFile::SectionEnd(int header) const {
    size_t i = static_cast<size_t>(header) + 1;
    while (i < FLines.size() && !FLines[i].IsHeader)
        ++i;
    return static_cast<int>(i);
}

int TIniFile::FindKey(int header, const std::string& key) const {
    int end = SectionEnd(header);
    for (int i = header + 1; i < end; ++i)
        if (FLines[static_cast<size_t>(i)].IsKey &&
            SameText(FLines[static_cast<size_t>(i)].Key, key))
            return i;
    return -1;
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
    int h = FindSection(section);
    if (h < 0) return defaultValue;
    int k = FindKey(h, key);
    if (k < 0) return defaultValue;
    const std::string& raw = FLines[static_cast<size_t>(k)].Raw;
    return raw.substr(raw.find('=') + 1);
}

int TIniFile::ReadInteger(const std::string& section, const std::string& key,
                          int defaultValue) const {
    std::string s = Trim(ReadString(section, key, std::string()));
    if (s.empty()) return defaultValue;
    const char* p = s.c_str();
    char* end = nullptr;
    errno = 0;
    long v;
    if (s[0] == '$')
        v = std::strtol(p + 1, &end, 16);
    else if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X'))
        v = std::strtol(p + 2, &end, 16);
    else
        v = std::strtol(p, &end, 10);
    if (errno != 0 || *end != '\0' || end == p || v < INT_MIN || v > INT_MAX) return defaultValue;
    return static_cast<int>(v);
}

void TIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) {
    std::string sec = Trim(OneLine(section));
    std::string k = Trim(OneLine(key));
    if (k.empty()) return;
    std::string raw = k + "=" + OneLine(value);
    int h = FindSection(sec);
    if (h < 0) {
        Line header;
        header.Raw = "[" + sec + "]";
        header.IsHeader = true;
        header.Section = sec;
        FLines.push_back(std::move(header));
        h = static_cast<int>(FLines.size()) - 1;
    }
    int at = FindKey(h, k);
    if (at >= 0) {
        FLines[static_cast<size_t>(at)].Raw = raw;
    } else {
        // After the section's last non-empty line, so blank separators stay put.
        int end = SectionEnd(h);
        while (end - 1 > h && Trim(FLines[static_cast<size_t>(end - 1)].Raw).empty())
            --end;
        Line line;
        line.Raw = raw;
        line.Key = k;
        line.IsKey = true;
        FLines.insert(FLines.begin() + end, std::move(line));
    }
    Flush();
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
    WriteString(section, key, std::to_string(value));
}

void TIniFile::EraseSection(const std::string& section) {
    bool changed = false;
    for (int h = FindSection(section); h >= 0; h = FindSection(section)) {
        FLines.erase(FLines.begin() + h, FLines.begin() + SectionEnd(h));
        changed = true;
    }
    if (changed) Flush();
}

std::vector<std::string> TIniFile::ReadSection(const std::string& section) const {
    std::vector<std::string> keys;
    int h = FindSection(section);
    if (h < 0) return keys;
    int end = SectionEnd(h);
    for (int i = h + 1; i < end; ++i) {
        const Line& line = FLines[static_cast<size_t>(i)];
        if (!line.IsKey) continue;
        bool seen = false;
        for (const auto& k : keys)
            seen = seen || SameText(k, line.Key);
        if (!seen) keys.push_back(line.Key);
    }
    return keys;
}

std::string TIniFile::Text() const {
    std::string out;
    for (const auto& line : FLines) {
        out += line.Raw;
        out += "\r\n";
    }
    return out;
}

void TIniFile::Flush() {
    FDirty = true;
    if (FBatch == 0) WriteFile();
}

void TIniFile::WriteFile() {
    if (FPath.empty()) {
        FDirty = false;
        return;
    }
    // A file that could not be read is never replaced by what little was.
    if (FReadError) throw EInOutError(FReadError, FPath);
    if (Writer)
        Writer(FPath, Text());
    else
        fileio::WriteFileReplacing(FPath, Text());
    FDirty = false;
}

void TIniFile::EndUpdate() {
    if (FBatch == 0) return;
    if (--FBatch == 0 && FDirty) WriteFile();
}

void TIniFile::CancelUpdate() {
    if (FBatch > 0) --FBatch;
}
