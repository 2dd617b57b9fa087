#pragma once

#include <bitset>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The parameter tokens a property line can carry, in their fixed order, which
// is also the order in which they are written.
enum TCardParam {
    cpDom,
    cpIntl,
    cpPostal,
    cpParcel,
    cpHome,
    cpWork,
    cpPref,
    cpVoice,
    cpFax,
    cpMsg,
    cpCell,
    cpPager,
    cpBbs,
    cpModem,
    cpCar,
    cpIsdn,
    cpVideo,
    cpAol,
    cpAppleLink,
    cpAttMail,
    cpCis,
    cpEWorld,
    cpInternet,
    cpIbmMail,
    cpMciMail,
    cpPowerShare,
    cpProdigy,
    cpTlx,
    cpX400,
};
constexpr int kCardParamCount = 29;
using TCardParams = std::bitset<kCardParamCount>;

// "WORK" and "Office" for cpWork: the token as written, and the description
// that becomes the title of an imported item.
const char* CardParamToken(TCardParam param);
const char* CardParamDescription(TCardParam param);

// What a line's values mean beyond the plain 2.1 subset: vCard 3.0 and 4.0
// escape separators with a backslash; in a UTF-16 file the CHARSET
// parameters no longer describe the bytes (they are UTF-8 by then).
struct TVCardSyntax {
    bool Escapes = false;
    bool UnicodeFile = false;
};

// One property line of a card: its name, the parameter tokens it carried and
// its values.
//
// Parse reads the plain 2.1 subset (bare tokens, values split at ";" and ",",
// blanks kept) and also what real files hold: a group prefix ("item1.EMAIL"
// is EMAIL); TYPE= lists (TYPE=WORK,VOICE and TYPE=work;TYPE=voice give WORK
// and VOICE); PREF=1 as PREF; tokens and parameter names in any letter case;
// QUOTED-PRINTABLE values (ENCODING=QUOTED-PRINTABLE or the bare token);
// CHARSET=ISO-8859-1 and Windows-1252 values converted to UTF-8; backslash
// escapes when the syntax has them; a "tel:" (TEL) or "mailto:" (EMAIL) URI
// taken as the number or address. Values are plain text afterwards.
class TCardProperty {
public:
    // As it stood in the line (letter case kept), without a group prefix.
    std::string Name;
    TCardParams Params;
    // May be empty ("TEL:" has no values); see Value(). Decoded text: a value
    // may hold line breaks ("=0D=0A", "\n") and other bytes no record field
    // may carry, so a record makes it safe where it enters the record.
    std::vector<std::string> Values;

    // A line with more values than this keeps the rest, separators
    // and all, in its last value, so a flood of ";" cannot take memory far
    // beyond the file's size.
    static constexpr size_t kMaxValues = 1000;

    // Replaces the whole content from one (unfolded) property line. A line
    // without ":" has an empty name and its whole text as values.
    void Parse(std::string_view line, const TVCardSyntax& syntax = {});

    // Name, ";" and each token, ":", the values joined by ";": "TEL;PREF;FAX:555 0100".
    std::string GetText() const;
    // The descriptions of the tokens, in their order, joined by ",": "Home,Preferred,Voice Line".
    std::string ParamDescription() const;

    bool Has(TCardParam param) const { return Params.test(param); }
    // Value index, or "" when the property has fewer values: an import that
    // needs value 0 of "TITLE:" gets an empty title instead of failing.
    const std::string& Value(size_t index) const;
    // Same name without regard to letter case ("tel" is "TEL").
    bool IsNamed(std::string_view name) const;

    // Whether a line's head marks its values QUOTED-PRINTABLE; the reader
    // then joins the line's soft line breaks ("=" at the end) before Parse.
    static bool IsQuotedPrintable(std::string_view line);

    // The line as a file gets it: GetText, with ";CHARSET=UTF-8" when a value
    // is not plain ASCII (Windows-1252 values are converted to UTF-8) and
    // QUOTED-PRINTABLE when a value holds a separator or a line break, so
    // that the line reads back to the same values.
    std::string FileText() const;
};
