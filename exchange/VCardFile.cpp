#include "exchange/VCardFile.h"

#include "exchange/VCardText.h"
#include "platform/Errors.h"
#include "platform/FileIO.h"

#include <deque>
#include <iterator>
#include <utility>

using vcardtext::StartsWithNoCase;

namespace {

// The names of the lines a card keeps; a line is kept when its name begins
// with one of them.
constexpr std::string_view kKeptNames[] = {"FN",    "N",   "ADR", "TEL", "EMAIL",
                                           "TITLE", "ORG", "URL", "BDAY"};

bool IsKept(std::string_view named) {
    for (std::string_view name : kKeptNames)
        if (StartsWithNoCase(named, name)) return true;
    return false;
}

// "VERSION:3.0": whether the card's values use backslash escapes.
bool IsVersionLine(std::string_view named, bool& escapes) {
    if (!StartsWithNoCase(named, "VERSION")) return false;
    std::string_view rest = named.substr(7);
    if (!rest.empty() && rest[0] != ':' && rest[0] != ';' &&
        static_cast<unsigned char>(rest[0]) > ' ')
        return false;
    size_t colon = rest.find(':');
    std::string_view value =
        vcardtext::TrimBlanks(colon == std::string_view::npos ? "" : rest.substr(colon + 1));
    escapes = !value.empty() && (value[0] == '3' || value[0] == '4');
    return true;
}

// The logical lines of a file: folded lines joined (a line that begins with
// a blank or a tab continues the one before; empty lines between do not
// count), soft line breaks of QUOTED-PRINTABLE values joined, empty lines
// skipped.
class TLogicalLines {
public:
    explicit TLogicalLines(std::string_view text) : FText(text) {}
    // A view into the text, or (joined) into a buffer that the next call reuses.
    bool Next(std::string_view& out, bool& joined);

private:
    // The physical lines, with one line of look-ahead.
    bool Physical(std::string_view& line) {
        if (!FPeeked) return vcardtext::ReadTextLine(FText, FPos, line);
        FPeeked = false;
        line = FPeek;
        return true;
    }
    // The next line that is not empty, without taking it; empty lines before
    // it are dropped.
    bool PeekFilled(std::string_view& line) {
        while (FPeeked || vcardtext::ReadTextLine(FText, FPos, FPeek)) {
            FPeeked = true;
            if (!FPeek.empty()) {
                line = FPeek;
                return true;
            }
            FPeeked = false;
        }
        return false;
    }

    std::string_view FText;
    size_t FPos = 0;
    std::string_view FPeek;
    bool FPeeked = false;
    std::string FBuffer;
};

bool TLogicalLines::Next(std::string_view& out, bool& joined) {
    std::string_view line;
    do {
        if (!Physical(line)) return false;
    } while (line.empty());
    bool owned = false;
    auto own = [&] {
        if (!owned) FBuffer.assign(line);
        owned = true;
    };
    // Whether the value is QUOTED-PRINTABLE is known once the head has ended.
    int quotedPrintable = -1;
    size_t searched = 0;
    for (;;) {
        std::string_view cur = owned ? std::string_view(FBuffer) : line;
        if (cur.back() == '=' && quotedPrintable < 0) {
            if (cur.find(':', searched) != std::string_view::npos)
                quotedPrintable = TCardProperty::IsQuotedPrintable(cur);
            searched = cur.size();
        }
        std::string_view next;
        if (quotedPrintable == 1 && cur.back() == '=' && Physical(next)) {
            // A soft line break: the next line, even an empty one, goes on.
            own();
            FBuffer.pop_back();
            FBuffer.append(next);
            continue;
        }
        if (PeekFilled(next) && (next[0] == ' ' || next[0] == '\t')) {
            Physical(next);
            own();
            FBuffer.append(next.substr(1));
            continue;
        }
        break;
    }
    out = owned ? std::string_view(FBuffer) : line;
    joined = owned;
    return true;
}

// The properties of the card being read. Lines that come before the card's
// VERSION line wait until it is known (it decides about escapes), the
// others are parsed at once.
class TCardBuilder {
public:
    void Add(std::string_view line, bool joined, const TVCardSyntax* syntax) {
        if (syntax) {
            FProperties.emplace_back().Parse(line, *syntax);
            return;
        }
        // A joined line lives in a buffer that is reused: it is copied.
        FPending.push_back(joined ? std::string_view(FJoined.emplace_back(line)) : line);
    }
    void ParsePending(const TVCardSyntax& syntax) {
        for (std::string_view line : FPending)
            FProperties.emplace_back().Parse(line, syntax);
        FPending.clear();
        FJoined.clear();
    }
    TCard Take(const TVCardSyntax& syntax) {
        ParsePending(syntax);
        // Moved into a list of their own size; the builder keeps its room.
        TCard card(std::vector<TCardProperty>(std::make_move_iterator(FProperties.begin()),
                                              std::make_move_iterator(FProperties.end())));
        FProperties.clear();
        return card;
    }

private:
    std::vector<TCardProperty> FProperties;
    std::vector<std::string_view> FPending;
    std::deque<std::string> FJoined;
};

} // namespace

void TVCardFile::Read() {
    ReadText(fileio::ReadFile(Filename));
}

void TVCardFile::ReadText(std::string_view bytes) {
    std::string converted;
    TVCardSyntax syntax;
    std::string_view text = vcardtext::FileTextAsUtf8(bytes, converted, syntax.UnicodeFile);
    TLogicalLines lines(text);
    TCardBuilder card;
    bool inCard = false, versionSeen = false;
    auto finish = [&] {
        FCards.push_back(card.Take(syntax));
        inCard = false;
    };
    std::string_view line;
    bool joined = false;
    while (lines.Next(line, joined)) {
        // A card that lacks its end line ends where the next one begins.
        if (StartsWithNoCase(line, "begin:vcard")) {
            if (inCard) finish();
            inCard = true;
            versionSeen = false;
            syntax.Escapes = false;
            continue;
        }
        if (!inCard) continue;
        if (StartsWithNoCase(line, "end:vcard")) {
            finish();
            continue;
        }
        std::string_view named = line.substr(vcardtext::NameStart(line));
        bool escapes = false;
        if (IsVersionLine(named, escapes)) {
            if (versionSeen) continue;
            versionSeen = true;
            syntax.Escapes = escapes;
            card.ParsePending(syntax);
        } else if (IsKept(named)) {
            card.Add(line, joined, versionSeen ? &syntax : nullptr);
        }
    }
    if (inCard) finish();
}

std::string TVCardFile::Text() const {
    std::string s;
    for (const TCard& card : FCards) {
        s += "begin:vcard\r\nVERSION:2.1\r\n";
        for (const TCardProperty& p : card.Properties()) {
            // A line without a name reads back as no property at all.
            if (p.Name.empty()) continue;
            s += p.FileText();
            s += "\r\n";
        }
        s += "end:vcard\r\n";
    }
    return s;
}

void TVCardFile::Write() const {
    if (Filename.empty()) throw EInOutError(io_error::FileNotFound);
    fileio::WriteFileReplacing(Filename, Text());
}

void TVCardFile::AddCard(TCard card) {
    FCards.push_back(std::move(card));
}

const TCard& TVCardFile::GetCard(int index) const {
    if (index < 0 || index >= CardCount())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return FCards[static_cast<size_t>(index)];
}

TCard& TVCardFile::GetCard(int index) {
    return const_cast<TCard&>(std::as_const(*this).GetCard(index));
}
