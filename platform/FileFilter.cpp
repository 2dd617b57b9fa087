#include "platform/FileFilter.h"

#include <vector>

namespace {
std::vector<std::string> Split(const std::string& text, char sep) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t at = text.find(sep); at != std::string::npos; at = text.find(sep, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

std::string Trimmed(const std::string& s) {
    size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}
} // namespace

std::string QtFileFilter(const std::string& filter) {
    if (filter.empty()) return {};
    const std::vector<std::string> parts = Split(filter, '|');
    std::string out;
    for (size_t i = 0; i < parts.size(); i += 2) {
        std::string patterns;
        if (i + 1 < parts.size())
            for (const std::string& p : Split(parts[i + 1], ';')) {
                std::string t = Trimmed(p);
                if (t.empty()) continue;
                if (!patterns.empty()) patterns += ' ';
                patterns += t;
            }
        if (patterns.empty()) patterns = "*";
        if (!out.empty()) out += ";;";
        out += Trimmed(parts[i]) + " (" + patterns + ")";
    }
    return out;
}
