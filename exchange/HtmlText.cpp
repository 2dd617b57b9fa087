#include "exchange/HtmlText.h"

#include "exchange/TextEncoding.h"
#include "platform/TextCodec.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace htmltext {

namespace {

// The Latin-1 references, U+00A0 to U+00FF in order.
const char* const kLatin1[96] = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",
    "copy",   "ordf",   "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn",
    "sup2",   "sup3",   "acute",  "micro",  "para",   "middot", "cedil",  "sup1",   "ordm",
    "raquo",  "frac14", "frac12", "frac34", "iquest", "Agrave", "Aacute", "Acirc",  "Atilde",
    "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave",
    "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde",
    "Ouml",   "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",
    "szlig",  "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil",
    "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",   "eth",
    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide", "oslash", "ugrave",
    "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml"};

struct TNamed {
    const char* Name;
    uint32_t Code;
};
const TNamed kOther[] = {
    {"quot", 0x22},     {"amp", 0x26},      {"apos", 0x27},    {"lt", 0x3C},
    {"gt", 0x3E},       {"OElig", 0x152},   {"oelig", 0x153},  {"Scaron", 0x160},
    {"scaron", 0x161},  {"Yuml", 0x178},    {"fnof", 0x192},   {"circ", 0x2C6},
    {"tilde", 0x2DC},   {"ensp", 0x2002},   {"emsp", 0x2003},  {"thinsp", 0x2009},
    {"zwnj", 0x200C},   {"zwj", 0x200D},    {"lrm", 0x200E},   {"rlm", 0x200F},
    {"ndash", 0x2013},  {"mdash", 0x2014},  {"lsquo", 0x2018}, {"rsquo", 0x2019},
    {"sbquo", 0x201A},  {"ldquo", 0x201C},  {"rdquo", 0x201D}, {"bdquo", 0x201E},
    {"dagger", 0x2020}, {"Dagger", 0x2021}, {"bull", 0x2022},  {"hellip", 0x2026},
    {"permil", 0x2030}, {"prime", 0x2032},  {"Prime", 0x2033}, {"lsaquo", 0x2039},
    {"rsaquo", 0x203A}, {"oline", 0x203E},  {"euro", 0x20AC},  {"trade", 0x2122}};

bool NamedCode(std::string_view name, uint32_t& code) {
    for (const TNamed& n : kOther)
        if (name == n.Name) {
            code = n.Code;
            return true;
        }
    for (uint32_t i = 0; i < 96; ++i)
        if (name == kLatin1[i]) {
            code = 0xA0 + i;
            return true;
        }
    return false;
}

bool NumericCode(std::string_view digits, uint32_t& code) {
    int base = 10;
    if (!digits.empty() && (digits[0] == 'x' || digits[0] == 'X')) {
        base = 16;
        digits.remove_prefix(1);
    }
    if (digits.empty() || digits.size() > 8) return false;
    uint32_t v = 0;
    for (char c : digits) {
        int d = c >= '0' && c <= '9'   ? c - '0'
                : c >= 'a' && c <= 'f' ? c - 'a' + 10
                : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                       : 99;
        if (d >= base) return false;
        v = v * static_cast<uint32_t>(base) + static_cast<uint32_t>(d);
    }
    code = v;
    return true;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f';
}

// Control characters other than the blanks have no place in a title or an
// address; tab and line ends count as controls too.
bool IsControl(char c) {
    return (static_cast<unsigned char>(c) < 0x20) || c == '\x7f';
}

} // namespace

std::string DecodeEntities(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        size_t semi;
        if (s[i] != '&' || (semi = s.find(';', i + 1)) == std::string_view::npos || semi - i > 12) {
            out += s[i++];
            continue;
        }
        std::string_view ref = s.substr(i + 1, semi - i - 1);
        uint32_t code;
        bool ok =
            !ref.empty() && ref[0] == '#' ? NumericCode(ref.substr(1), code) : NamedCode(ref, code);
        if (!ok) {
            out += s[i++];
            continue;
        }
        if (code >= 0x80 && code <= 0x9F) {
            // Pages write Windows-1252 numbers for quotes and dashes.
            char byte = static_cast<char>(code);
            out += textcodec::Windows1252ToUtf8(std::string_view(&byte, 1));
        } else {
            textencoding::AppendCodePoint(out, code == 0 ? 0xFFFD : code);
        }
        i = semi + 1;
    }
    return out;
}

std::string ElementText(std::string_view text) {
    // References are decoded first: "&#13;" or "&#10;" is a line end like any
    // other, and a line end must never reach a title (the data file is made
    // of lines).
    const std::string decoded = DecodeEntities(text);
    std::string collapsed;
    collapsed.reserve(decoded.size());
    bool blank = false;
    for (char c : decoded) {
        if (IsBlank(c)) {
            blank = !collapsed.empty();
            continue;
        }
        if (IsControl(c)) continue;
        if (blank) collapsed += ' ';
        blank = false;
        collapsed += c;
    }
    return collapsed;
}

std::string AddressText(std::string_view text) {
    // Decoded first, so that a line end written as a reference goes too.
    const std::string decoded = DecodeEntities(text);
    std::string out;
    out.reserve(decoded.size());
    for (char c : decoded)
        if (!IsControl(c)) out += c;
    size_t b = out.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    size_t e = out.find_last_not_of(' ');
    return out.substr(b, e - b + 1);
}

} // namespace htmltext
