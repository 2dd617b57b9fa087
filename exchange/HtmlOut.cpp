#include "exchange/HtmlOut.h"

#include "platform/TextCodec.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace htmlout {

std::string Escape(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string FileUrl(std::string_view fileName) {
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : fileName) {
        auto u = static_cast<unsigned char>(c);
        if (u <= ' ' || u == 0x7F ||
            std::string_view("%#?\"<>&").find(c) != std::string_view::npos) {
            out += '%';
            out += hex[u >> 4];
            out += hex[u & 15];
        } else {
            out += c;
        }
    }
    return out;
}

bool IsSafeLink(std::string_view address) {
    std::string cleaned;
    for (char c : address)
        if (c != '\t' && c != '\n' && c != '\r') cleaned += c;
    size_t start = 0;
    while (start < cleaned.size() && static_cast<unsigned char>(cleaned[start]) <= ' ')
        ++start;
    std::string_view a = std::string_view(cleaned).substr(start);
    // The scheme is what comes before the first ":" when only scheme
    // characters precede it; a "/", "?" or "#" first makes the address relative.
    size_t colon = a.find(':');
    if (colon == std::string_view::npos) return true;
    std::string_view scheme = a.substr(0, colon);
    bool isScheme = !scheme.empty() && std::isalpha(static_cast<unsigned char>(scheme[0]));
    for (char c : scheme)
        isScheme = isScheme && (std::isalnum(static_cast<unsigned char>(c)) || c == '+' ||
                                c == '-' || c == '.');
    if (!isScheme) return scheme.find_first_of("/?#") != std::string_view::npos;
    std::string lower(scheme);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    static const std::array<std::string_view, 5> allowed = {"http", "https", "mailto", "ftp",
                                                            "file"};
    return std::find(allowed.begin(), allowed.end(), lower) != allowed.end();
}

const char* Charset(std::string_view pageText) {
    return textcodec::IsValidUtf8(pageText) ? "utf-8" : "windows-1252";
}

std::string CharsetMeta(std::string_view pageText) {
    return std::string("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=") +
           Charset(pageText) + "\">";
}

} // namespace htmlout
