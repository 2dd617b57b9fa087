#include "exchange/NicknameFile.h"

#include "exchange/CommaText.h"
#include "exchange/FileIterator.h"
#include "exchange/ImportError.h"
#include "exchange/TextEncoding.h"
#include "platform/FileIO.h"

#include <map>

namespace {

// One "<", ">" or double quote off each end.
std::string Stripped(std::string s) {
    auto strip = [](char c) { return c == '<' || c == '>' || c == '"'; };
    if (!s.empty() && strip(s.front())) s.erase(0, 1);
    if (!s.empty() && strip(s.back())) s.pop_back();
    return s;
}

bool IsBlank(char c) {
    auto u = static_cast<unsigned char>(c);
    return u >= 1 && u <= 32;
}

// The text of a note line after its nickname, found as SplitCommaText finds
// the item, so a quoted nickname or extra blanks do not shift it.
std::string NoteText(std::string_view line) {
    size_t i = 4, n = line.size();
    while (i < n && IsBlank(line[i]))
        ++i;
    if (i < n && line[i] == '"') {
        for (++i; i < n; ++i) {
            if (line[i] != '"') continue;
            if (i + 1 < n && line[i + 1] == '"') {
                ++i;
                continue;
            }
            ++i;
            break;
        }
    } else {
        while (i < n && !IsBlank(line[i]) && line[i] != ',' && line[i] != '\0')
            ++i;
    }
    while (i < n && IsBlank(line[i]))
        ++i;
    if (i < n && line[i] == ',') ++i;
    while (i < n && IsBlank(line[i]))
        ++i;
    return std::string(line.substr(i));
}

} // namespace

TNicknameFile ParseNicknameFile(std::string bytes, const std::string& fileName) {
    std::string text = textencoding::DecodeToUtf8(std::move(bytes)).Text;
    TNicknameFile file;
    std::map<std::string, std::string> notes;
    size_t pos = 0;
    int lineNo = 0;
    while (pos < text.size()) {
        size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string::npos) end = text.size();
        std::string_view line(text.data() + pos, end - pos);
        ++lineNo;
        pos = end + (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n' ? 2 : 1);
        if (line.find('\0') != std::string_view::npos)
            throw EImportError("Not a text file", fileName, lineNo);
        bool alias = line.substr(0, 5) == "alias";
        if (!alias && line.substr(0, 4) != "note") continue;
        std::vector<std::string> items = commatext::SplitCommaText(line);
        if (items.size() < 3) continue; // the keyword, a nickname and at least one more
        std::string nickname = Stripped(items[1]);
        if (!alias) {
            notes[nickname] = NoteText(line);
            continue;
        }
        for (size_t k = 2; k < items.size(); ++k) {
            std::string item = Stripped(items[k]);
            if (item.find('@') == std::string::npos) continue;
            file.Entries.push_back({nickname, item, {}, lineNo});
            break;
        }
    }
    // A note belongs to the first alias of its nickname, wherever it stands.
    std::map<std::string, TNickname*> first;
    for (TNickname& e : file.Entries)
        first.emplace(e.Nickname, &e);
    for (auto& [nickname, note] : notes)
        if (auto it = first.find(nickname); it != first.end()) it->second->Note = std::move(note);
    return file;
}

TNicknameFile ReadNicknameFile(const std::string& fileName) {
    return ParseNicknameFile(fileio::ReadFile(fileName), fileName);
}

std::string FindNicknameFile(const std::string& folder) {
    return FindFileInFolder(folder, {"nndbase.txt"});
}
