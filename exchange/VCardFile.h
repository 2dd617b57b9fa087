#pragma once

#include "exchange/Card.h"

#include <string>
#include <string_view>
#include <vector>

// A vCard file: its name and its cards.
//
// Reading keeps the lines of each card ("begin:vcard" to "end:vcard", letter
// case ignored) whose name begins with FN, N, ADR, TEL, EMAIL, TITLE, ORG, URL
// or BDAY ("N" also takes NOTE and NICKNAME); every other line is skipped.
// It reads vCard 2.1, 3.0 and 4.0 as other programs write them: folded lines
// (continued with a blank or a tab), QUOTED-PRINTABLE soft line breaks, line
// ends CR LF, LF or a lone CR, UTF-16 files, the VERSION line wherever it
// stands in the card. A card without "end:vcard" ends at the next
// "begin:vcard" or at the end of the file; nothing in a file's content is an
// error, whatever could be read is kept.
//
// Writing gives each card as "begin:vcard", "VERSION:2.1", one line per
// property (TCardProperty::FileText) and "end:vcard", every line ending in
// CR LF. What Write wrote reads back to the same cards.
class TVCardFile {
public:
    std::string Filename;

    // Appends the cards of Filename; a file that cannot be read raises
    // EInOutError ("File not found" when it is missing).
    void Read();
    // Appends the cards held in a file's bytes.
    void ReadText(std::string_view bytes);

    // Replaces Filename with all cards (written to a temporary file and
    // renamed, so a failed write leaves the old file whole); raises EInOutError.
    void Write() const;
    // The bytes Write writes.
    std::string Text() const;

    void AddCard(TCard card);
    int CardCount() const { return static_cast<int>(FCards.size()); }
    // Raise EListError for an index out of range.
    const TCard& GetCard(int index) const;
    TCard& GetCard(int index);
    const std::vector<TCard>& Cards() const { return FCards; }

private:
    std::vector<TCard> FCards;
};
