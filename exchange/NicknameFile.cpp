#include "exchange/NicknameFile.h"

#include "exchange/CommaItems.h"
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
        TCommaItems items(line);
        std::string keyword, nickname, item;
        items.Next(keyword);
        if (!items.Next(nickname)) continue;
        const size_t rest = items.Pos();
        if (!items.Next(item)) continue; // a nickname and at least one more item
        nickname = Stripped(nickname);
        if (!alias) {
            // The text after the nickname, however it was quoted or spaced.
            notes[nickname] = std::string(line.substr(rest));
            continue;
        }
        // The first item with "@" is the address, the nickname included.
        std::string address = nickname.find('@') != std::string::npos ? nickname : "";
        if (address.empty()) {
            do
                address = Stripped(item);
            while (address.find('@') == std::string::npos && items.Next(item));
            if (address.find('@') == std::string::npos) address.clear();
        }
        if (!address.empty()) file.Entries.push_back({nickname, address, {}, lineNo});
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
