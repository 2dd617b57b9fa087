// Feeds arbitrary bytes to the nickname-file reader and checks its entries
// against the rule read the plain way: each alias line split whole with
// SplitCommaText, the first item holding "@" after the keyword (one "<", ">"
// or quote off each end) is the address.
#include "exchange/CommaText.h"
#include "exchange/ImportError.h"
#include "exchange/NicknameFile.h"
#include "exchange/TextEncoding.h"

#include <cstdlib>
#include <string>

namespace {
std::string Stripped(std::string s) {
    auto strip = [](char c) { return c == '<' || c == '>' || c == '"'; };
    if (!s.empty() && strip(s.front())) s.erase(0, 1);
    if (!s.empty() && strip(s.back())) s.pop_back();
    return s;
}

std::vector<std::string> Expected(const std::string& text) {
    std::vector<std::string> out;
    size_t pos = 0;
    int lineNo = 0;
    while (pos < text.size()) {
        size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(pos, end - pos);
        ++lineNo;
        pos = end + (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n' ? 2 : 1);
        if (line.rfind("alias", 0) != 0) continue;
        auto items = commatext::SplitCommaText(line);
        if (items.size() < 3) continue;
        for (size_t k = 1; k < items.size(); ++k) {
            std::string item = Stripped(items[k]);
            if (item.find('@') == std::string::npos) continue;
            out.push_back(Stripped(items[1]) + "\n" + item + "\n" + std::to_string(lineNo));
            break;
        }
    }
    return out;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    TNicknameFile file;
    try {
        file = ParseNicknameFile(bytes, "nndbase.txt");
    } catch (const EImportError&) {
        return 0; // a NUL byte: no text file
    }
    std::vector<std::string> got;
    for (const auto& e : file.Entries)
        got.push_back(e.Nickname + "\n" + e.Address + "\n" + std::to_string(e.Line));
    if (got != Expected(textencoding::DecodeToUtf8(bytes).Text)) std::abort();
    return 0;
}
