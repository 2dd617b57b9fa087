#include "exchange/VCardText.h"

#include <algorithm>
#include <cstdint>

namespace vcardtext {

namespace {

char Fold(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

void AppendCodePoint(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool IsGroupChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.';
}

// A file without a byte-order mark is taken for UTF-16 when it starts with an
// ASCII character in UTF-16 (vCard files start in ASCII) and, in its first
// kilobyte, half of the character pairs have a zero byte on the same side
// while the other side is almost never zero.
enum class TUtf16Guess { None, Little, Big };
TUtf16Guess GuessUtf16(std::string_view bytes) {
    size_t pairs = std::min<size_t>(bytes.size(), 1024) / 2;
    if (pairs < 2) return TUtf16Guess::None;
    size_t evenZero = 0, oddZero = 0;
    for (size_t k = 0; k < pairs; ++k) {
        evenZero += bytes[2 * k] == '\0';
        oddZero += bytes[2 * k + 1] == '\0';
    }
    bool littleStart = bytes[0] != '\0' && bytes[1] == '\0';
    bool bigStart = bytes[0] == '\0' && bytes[1] != '\0';
    if (littleStart && oddZero * 2 >= pairs && evenZero * 8 < pairs) return TUtf16Guess::Little;
    if (bigStart && evenZero * 2 >= pairs && oddZero * 8 < pairs) return TUtf16Guess::Big;
    return TUtf16Guess::None;
}

} // namespace

bool ReadTextLine(std::string_view text, size_t& pos, std::string_view& line) {
    if (pos >= text.size()) {
        line = {};
        return false;
    }
    size_t end = pos;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n')
        ++end;
    line = text.substr(pos, end - pos);
    pos = end;
    if (pos < text.size()) {
        // CR LF is one line end; a lone CR ends the line by itself.
        if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ++pos;
        ++pos;
    }
    return true;
}

std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size() / 2 + bytes.size() / 8);
    auto unit = [&](size_t i) -> uint32_t {
        auto a = static_cast<uint8_t>(bytes[i]), b = static_cast<uint8_t>(bytes[i + 1]);
        return bigEndian ? (a << 8 | b) : (b << 8 | a);
    };
    const size_t n = bytes.size() / 2 * 2;
    for (size_t i = 0; i < n; i += 2) {
        uint32_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 2 < n) {
            uint32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendCodePoint(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        // A surrogate without its partner is no character.
        AppendCodePoint(out, u >= 0xD800 && u <= 0xDFFF ? 0xFFFD : u);
    }
    return out;
}

std::string_view FileTextAsUtf8(std::string_view bytes, std::string& buffer, bool& unicode) {
    unicode = false;
    auto starts = [&](std::string_view mark) { return bytes.substr(0, mark.size()) == mark; };
    if (starts("\xEF\xBB\xBF")) return bytes.substr(3);
    bool little = starts("\xFF\xFE"), big = starts("\xFE\xFF");
    if (little || big) {
        buffer = Utf16ToUtf8(bytes.substr(2), big);
        unicode = true;
        return buffer;
    }
    TUtf16Guess guess = GuessUtf16(bytes);
    if (guess == TUtf16Guess::None) return bytes;
    buffer = Utf16ToUtf8(bytes, guess == TUtf16Guess::Big);
    unicode = true;
    return buffer;
}

std::string DecodeQuotedPrintable(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '=' && i + 2 < text.size()) {
            int hi = HexValue(text[i + 1]), lo = HexValue(text[i + 2]);
            if (hi >= 0 && lo >= 0) {
                out += static_cast<char>(hi * 16 + lo);
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

void AppendQuotedPrintable(std::string& out, std::string_view text, bool lastInLine) {
    static const char kHex[] = "0123456789ABCDEF";
    for (size_t i = 0; i < text.size(); ++i) {
        auto c = static_cast<uint8_t>(text[i]);
        bool trailingBlank = (c == ' ' || c == '\t') && lastInLine && i + 1 == text.size();
        if (c < 32 || c > 126 || c == '=' || c == ';' || c == ',' || trailingBlank) {
            out += '=';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
}

void Unescape(std::string& text) {
    size_t out = text.find('\\');
    if (out == std::string::npos) return;
    for (size_t i = out; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\\' && i + 1 < text.size()) {
            char next = text[i + 1];
            if (next == 'n' || next == 'N') {
                c = '\n';
                ++i;
            } else if (next >= 33 && next <= 126 && !(next >= '0' && next <= '9') &&
                       !(Fold(next) >= 'A' && Fold(next) <= 'Z')) {
                c = next;
                ++i;
            }
        }
        text[out++] = c;
    }
    text.resize(out);
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Fold(a[i]) != Fold(b[i])) return false;
    return true;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

size_t NameStart(std::string_view line) {
    size_t end = 0;
    while (end < line.size() && IsGroupChar(line[end]))
        ++end;
    size_t dot = line.substr(0, end).rfind('.');
    return dot == std::string_view::npos ? 0 : dot + 1;
}

std::string_view TrimBlanks(std::string_view text) {
    auto blank = [](char c) {
        auto u = static_cast<uint8_t>(c);
        return u >= 1 && u <= 32;
    };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace vcardtext
