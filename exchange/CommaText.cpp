#include "exchange/CommaText.h"

namespace commatext {

namespace {
bool IsBlank(char c) {
    auto u = static_cast<unsigned char>(c);
    return u >= 1 && u <= 32;
}
bool EndsItem(char c) {
    return static_cast<unsigned char>(c) <= 32 || c == ',';
}
} // namespace

std::vector<std::string> SplitCommaText(std::string_view s) {
    std::vector<std::string> items;
    size_t i = 0, n = s.size();
    auto skipBlanks = [&] {
        while (i < n && IsBlank(s[i]))
            ++i;
    };
    skipBlanks();
    if (i >= n) return items;
    for (;;) {
        std::string item;
        if (i < n && s[i] == '"') {
            ++i;
            while (i < n) {
                if (s[i] == '"') {
                    if (i + 1 < n && s[i + 1] == '"') {
                        item += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += s[i++];
            }
        } else {
            size_t start = i;
            while (i < n && !EndsItem(s[i]))
                ++i;
            item.assign(s.substr(start, i - start));
        }
        items.push_back(std::move(item));
        skipBlanks();
        if (i >= n) break;
        if (s[i] == ',') {
            ++i;
            skipBlanks();
            if (i >= n) {
                items.emplace_back();
                break;
            }
        } else if (s[i] == '\0') {
            // A NUL ends an unquoted item without a separator: step over it.
            ++i;
            if (i >= n) break;
        }
    }
    return items;
}

std::string CommaText(const std::vector<std::string>& items) {
    std::string out;
    for (size_t k = 0; k < items.size(); ++k) {
        if (k) out += ',';
        const std::string& e = items[k];
        bool quote = e.empty() && items.size() == 1;
        for (char c : e)
            quote = quote || static_cast<unsigned char>(c) <= 32 || c == ',' || c == '"';
        if (!quote) {
            out += e;
            continue;
        }
        out += '"';
        for (char c : e) {
            if (c == '"') out += '"';
            out += c;
        }
        out += '"';
    }
    return out;
}

void QuoteFields(std::string& text) {
    if (text.empty()) return;
    std::string r;
    if (text[0] != '"') r += '"';
    bool inside = false;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == ',' && !inside) {
            if (i != 0 && text[i - 1] != '"') r += '"';
            if (i == 0) r += '"';
            r += ',';
            if (i + 1 != text.size() && text[i + 1] != '"') r += '"';
            if (i + 1 == text.size()) r += '"';
            continue;
        }
        r += c;
        if (c == '"') inside = !inside;
    }
    if (r.back() != '"' || r.size() == 1) r += '"';
    text = r;
}

} // namespace commatext
