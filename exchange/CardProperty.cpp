#include "exchange/CardProperty.h"

#include "exchange/CommaText.h"
#include "exchange/VCardText.h"
#include "platform/TextCodec.h"

#include <algorithm>
#include <optional>

using vcardtext::EqualsNoCase;
using vcardtext::StartsWithNoCase;
using vcardtext::TrimBlanks;

namespace {

struct TParamName {
    std::string_view Token;
    const char* Description;
};
constexpr TParamName kParams[kCardParamCount] = {
    {"DOM", "Domestic"},
    {"INTL", "International"},
    {"POSTAL", "Postal"},
    {"PARCEL", "Parcel"},
    {"HOME", "Home"},
    {"WORK", "Office"},
    {"PREF", "Preferred"},
    {"VOICE", "Voice Line"},
    {"FAX", "Fax Line"},
    {"MSG", "Message Only"},
    {"CELL", "Cellular"},
    {"PAGER", "Pager"},
    {"BBS", "BBS"},
    {"MODEM", "MODEM"},
    {"CAR", "Car Phone"},
    {"ISDN", "ISDN"},
    {"VIDEO", "Video Phone"},
    {"AOL", "AOL"},
    {"AppleLink", "AppleLink"},
    {"ATTMail", "ATTMail"},
    {"CIS", "CIS"},
    {"eWorld", "eWorld"},
    {"INTERNET", "Internet"},
    {"IBMMail", "IBMMail"},
    {"MCIMail", "MCIMail"},
    {"POWERSHARE", "Powershare"},
    {"PRODIGY", "PRODIGY"},
    {"TLX", "TLX"},
    {"X400", "X.400"},
};

std::optional<TCardParam> FindParam(std::string_view token) {
    for (int k = 0; k < kCardParamCount; ++k)
        if (EqualsNoCase(token, kParams[k].Token)) return static_cast<TCardParam>(k);
    return std::nullopt;
}

std::string_view Unquote(std::string_view s) {
    s = TrimBlanks(s);
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"')
        s = TrimBlanks(s.substr(1, s.size() - 2));
    return s;
}

// Where the head (name and parameters) ends: the first ":" that is not inside
// a quoted parameter value (4.0 labels may hold colons); quotes count only
// after the name. Without a closing quote the first ":" ends it after all.
size_t HeadEnd(std::string_view line) {
    bool inParams = false, quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (c == ':' && !quoted) return i;
        if (c == ';')
            inParams = true;
        else if (c == '"' && inParams)
            quoted = !quoted;
    }
    return line.find(':');
}

// Calls f for each piece of text between separators; quotes hide separators
// inside parameter values. In a head they count only after the name, as in
// HeadEnd.
template <typename F>
void ForEachSegment(std::string_view text, char separator, bool isHead, F f) {
    bool quoted = false, counting = !isHead;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"' && counting)
            quoted = !quoted;
        else if (text[i] == separator && !quoted) {
            counting = true;
            f(text.substr(start, i - start));
            start = i + 1;
        }
    }
    f(text.substr(start));
}

// The comma-text items of a bare piece; most pieces are a single plain word.
template <typename F>
void ForEachItem(std::string_view piece, F f) {
    bool plain = !piece.empty();
    for (char c : piece)
        plain = plain && static_cast<unsigned char>(c) > 32 && c != ',' && c != '"';
    if (plain) {
        f(piece);
        return;
    }
    for (const std::string& item : commatext::SplitCommaText(piece))
        f(std::string_view(item));
}

struct THead {
    std::string Name;
    TCardParams Params;
    bool QuotedPrintable = false;
    std::string_view Charset;
};

void ReadParameter(std::string_view segment, THead& head) {
    size_t eq = segment.find('=');
    if (eq == std::string_view::npos) {
        // Bare tokens: "HOME", "WORK,VOICE", "QUOTED-PRINTABLE".
        ForEachItem(segment, [&](std::string_view item) {
            if (auto p = FindParam(item))
                head.Params.set(*p);
            else if (EqualsNoCase(item, "QUOTED-PRINTABLE"))
                head.QuotedPrintable = true;
        });
        return;
    }
    std::string_view name = TrimBlanks(segment.substr(0, eq));
    std::string_view value = segment.substr(eq + 1);
    if (EqualsNoCase(name, "TYPE")) {
        // TYPE=WORK,VOICE or TYPE="work,voice"
        ForEachSegment(Unquote(value), ',', false, [&](std::string_view v) {
            if (auto p = FindParam(Unquote(v))) head.Params.set(*p);
        });
    } else if (EqualsNoCase(name, "ENCODING")) {
        if (EqualsNoCase(Unquote(value), "QUOTED-PRINTABLE")) head.QuotedPrintable = true;
    } else if (EqualsNoCase(name, "CHARSET")) {
        head.Charset = Unquote(value);
    } else if (EqualsNoCase(name, "PREF")) {
        // vCard 4.0 ranks with PREF=1 to 100; only the first rank is the preferred one.
        if (Unquote(value) == "1") head.Params.set(cpPref);
    }
}

THead ReadHead(std::string_view head) {
    THead h;
    head.remove_prefix(vcardtext::NameStart(head));
    bool first = true;
    ForEachSegment(head, ';', true, [&](std::string_view segment) {
        if (!first) {
            ReadParameter(segment, h);
            return;
        }
        first = false;
        // The name is the first word; further words count as tokens.
        bool named = false;
        ForEachItem(segment, [&](std::string_view item) {
            if (!named) {
                h.Name = item;
                named = true;
            } else if (auto p = FindParam(item)) {
                h.Params.set(*p);
            }
        });
    });
    return h;
}

bool IsWesternCharset(std::string_view charset) {
    constexpr std::string_view kNames[] = {"ISO-8859-1",   "ISO8859-1", "ISO_8859-1", "LATIN1",
                                           "WINDOWS-1252", "CP1252",    "X-CP1252"};
    for (std::string_view name : kNames)
        if (EqualsNoCase(charset, name)) return true;
    return false;
}

// Calls f for each value of the value text, split at ";" and "," (not at
// escaped ones when the syntax has escapes); past kMaxValues the rest stays
// together. Answers the number of values.
template <typename F>
size_t ForEachValue(std::string_view text, bool escapes, F f) {
    size_t count = 0, start = 0;
    for (size_t i = 0; i < text.size() && count + 1 < TCardProperty::kMaxValues; ++i) {
        char c = text[i];
        if (escapes && c == '\\') {
            ++i;
        } else if (c == ';' || c == ',') {
            f(text.substr(start, i - start));
            ++count;
            start = i + 1;
        }
    }
    f(text.substr(std::min(start, text.size())));
    return count + 1;
}

void StripScheme(std::string& value, std::string_view scheme) {
    size_t n = 0;
    while (StartsWithNoCase(std::string_view(value).substr(n), scheme))
        n += scheme.size();
    value.erase(0, n);
}

bool IsAscii(std::string_view s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) > 127) return false;
    return true;
}

bool NeedsQuotedPrintable(std::string_view s) {
    return s.find_first_of(";,\r\n") != std::string_view::npos;
}

std::string NameAndTokens(const TCardProperty& p) {
    std::string s = p.Name;
    for (int k = 0; k < kCardParamCount; ++k)
        if (p.Params.test(k)) s.append(";").append(kParams[k].Token);
    return s;
}

} // namespace

const char* CardParamToken(TCardParam param) {
    return kParams[param].Token.data(); // a literal: ends in NUL
}

const char* CardParamDescription(TCardParam param) {
    return kParams[param].Description;
}

void TCardProperty::Parse(std::string_view line, const TVCardSyntax& syntax) {
    Values.clear();
    Params.reset();
    Name.clear();
    size_t colon = HeadEnd(line);
    std::string_view valueText = line;
    THead head;
    if (colon != std::string_view::npos) {
        head = ReadHead(line.substr(0, colon));
        valueText = line.substr(colon + 1);
    }
    Name = std::move(head.Name);
    Params = head.Params;
    if (valueText.empty()) return;

    bool convert = !head.Charset.empty() && !syntax.UnicodeFile && IsWesternCharset(head.Charset);
    Values.reserve(ForEachValue(valueText, syntax.Escapes, [](std::string_view) {}));
    ForEachValue(valueText, syntax.Escapes, [&](std::string_view part) {
        std::string value =
            head.QuotedPrintable ? vcardtext::DecodeQuotedPrintable(part) : std::string(part);
        if (syntax.Escapes) vcardtext::Unescape(value);
        if (convert) value = textcodec::Windows1252ToUtf8(value);
        Values.push_back(std::move(value));
    });
    if (IsNamed("TEL"))
        StripScheme(Values[0], "tel:");
    else if (IsNamed("EMAIL"))
        StripScheme(Values[0], "mailto:");
}

bool TCardProperty::IsQuotedPrintable(std::string_view line) {
    size_t colon = HeadEnd(line);
    return colon != std::string_view::npos && ReadHead(line.substr(0, colon)).QuotedPrintable;
}

std::string TCardProperty::GetText() const {
    std::string s = NameAndTokens(*this) + ':';
    for (size_t i = 0; i < Values.size(); ++i) {
        if (i) s += ';';
        s += Values[i];
    }
    return s;
}

std::string TCardProperty::ParamDescription() const {
    std::string s;
    for (int k = 0; k < kCardParamCount; ++k) {
        if (!Params.test(k)) continue;
        if (!s.empty()) s += ',';
        s += kParams[k].Description;
    }
    return s;
}

const std::string& TCardProperty::Value(size_t index) const {
    static const std::string kEmpty;
    return index < Values.size() ? Values[index] : kEmpty;
}

bool TCardProperty::IsNamed(std::string_view name) const {
    return EqualsNoCase(Name, name);
}

std::string TCardProperty::FileText() const {
    bool ascii = true, quoted = false;
    for (const std::string& v : Values) {
        ascii = ascii && IsAscii(v);
        quoted = quoted || NeedsQuotedPrintable(v);
    }
    if (ascii && !quoted) return GetText();

    std::string s = NameAndTokens(*this);
    if (!ascii) s += ";CHARSET=UTF-8";
    if (quoted) s += ";ENCODING=QUOTED-PRINTABLE";
    s += ':';
    for (size_t i = 0; i < Values.size(); ++i) {
        if (i) s += ';';
        const std::string& v = Values[i];
        std::string utf8 = textcodec::IsValidUtf8(v) ? v : textcodec::Windows1252ToUtf8(v);
        if (quoted)
            vcardtext::AppendQuotedPrintable(s, utf8, i + 1 == Values.size());
        else
            s += utf8;
    }
    return s;
}
