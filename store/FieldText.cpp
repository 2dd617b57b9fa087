#include "store/FieldText.h"

#include <cstring>

namespace fieldtext {

bool IsSafeField(std::string_view v) {
    // memchr scans are vectorised; almost every value has none of these.
    const char* p = v.data();
    const size_t n = v.size();
    if (n < 48) {
        for (size_t i = 0; i < n; ++i) {
            char c = p[i];
            if (c == '\r' || c == '\n' || (c == '~' && (i + 1 == n || p[i + 1] == '~')))
                return false;
        }
        return true;
    }
    if (std::memchr(p, '\r', n) || std::memchr(p, '\n', n)) return false;
    for (const char* t = static_cast<const char*>(std::memchr(p, '~', n)); t;) {
        size_t i = static_cast<size_t>(t - p);
        if (i + 1 == n || p[i + 1] == '~') return false;
        t = static_cast<const char*>(std::memchr(t + 1, '~', n - i - 1));
    }
    return true;
}

std::string SafeField(std::string_view v) {
    if (IsSafeField(v)) return std::string(v);
    std::string out;
    out.reserve(v.size());
    for (size_t i = 0; i < v.size(); ++i) {
        char c = v[i];
        if (c == '\r') {
            out += ' ';
            if (i + 1 < v.size() && v[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            out += ' ';
        } else if (c == '~' && (i + 1 == v.size() || v[i + 1] == '~')) {
            out += '-';
        } else {
            out += c;
        }
    }
    return out;
}

void SplitFields(std::string_view text, std::vector<std::string>& fields) {
    if (fields.capacity() < 12) fields.reserve(12);
    const char* p = text.data();
    const char* end = p + text.size();
    const char* start = p;
    while (p < end) {
        const char* t = static_cast<const char*>(std::memchr(p, '~', static_cast<size_t>(end - p)));
        if (!t || t + 1 >= end) break;
        if (t[1] == '~') {
            fields.emplace_back(start, static_cast<size_t>(t - start));
            start = p = t + 2;
        } else {
            p = t + 1;
        }
    }
    fields.emplace_back(start, static_cast<size_t>(end - start));
}

int32_t LeadingInt(std::string_view s, bool& ok) {
    size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
        ++i;
    bool neg = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) neg = s[i++] == '-';
    int64_t v = 0;
    size_t digits = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        v = v * 10 + (s[i] - '0');
        ++digits;
        ++i;
        if (v > 2147483648LL) {
            ok = false;
            return 0;
        }
    }
    if (neg) v = -v;
    ok = digits > 0 && v >= INT32_MIN && v <= INT32_MAX;
    return ok ? static_cast<int32_t>(v) : 0;
}

int32_t LeadingIntDef(std::string_view text, int32_t defaultValue) {
    bool ok = false;
    int32_t v = LeadingInt(text, ok);
    return ok ? v : defaultValue;
}

int CompareTextFolded(std::string_view a, std::string_view b) {
    size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        auto x = static_cast<unsigned char>(a[i]);
        auto y = static_cast<unsigned char>(b[i]);
        if (x >= 'a' && x <= 'z') x = static_cast<unsigned char>(x - 32);
        if (y >= 'a' && y <= 'z') y = static_cast<unsigned char>(y - 32);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool SameTextFolded(std::string_view a, std::string_view b) {
    return a.size() == b.size() && CompareTextFolded(a, b) == 0;
}

std::string CategoriesText(uint32_t categories) {
    return std::to_string(static_cast<int32_t>(categories));
}

std::vector<std::string> TextLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            start = i + 1;
        }
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

} // namespace fieldtext
