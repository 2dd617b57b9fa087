#pragma once

#include "records/PrimaryItems.h"

#include <string>
#include <string_view>

class TCard;
class TKexObject;

// What persons and organizations share about vCards: the detail items a card
// brings, the lines the items give back, and the birthday and note of a person.
namespace carditems {

// Creates the card's addresses, e-mail addresses, phones and faxes as items of
// the owner and its first URL as a website child node; an item whose property
// carried PREF (and the website) becomes the primary one of its kind.
void ImportItems(TKexObject& owner, const TCard& card, TPrimaryTitles& titles);

// Appends the property of one line (as Parse reads it) to the card.
void AddLine(TCard& card, std::string_view line);
// Appends a line per detail item that gives one, in item order, with PREF on
// the primary ones.
void AddItemLines(TCard& card, const TKexObject& owner, const TPrimaryTitles& titles);

// A card's BDAY as a yearly reminder titled "Birthday" under the owner, due on
// the next birthday; the date as the card gave it is kept in the reminder's
// comment, so that the year of birth survives the reminder being advanced.
// A BDAY that holds no date creates nothing.
void ImportBirthday(TKexObject& owner, const TCard& card);
// The BDAY line of the owner's first yearly reminder titled "Birthday", if any.
void AddBirthday(TCard& card, const TKexObject& owner);
// A NOTE property with the text as its one value, if the text is not empty.
void AddNote(TCard& card, const std::string& text);
// The values of the card's first NOTE joined again ("" without one): a plain
// comma in a note separates values like a semicolon.
std::string NoteText(const TCard& card);

// Writes the file holding just this card (EInOutError when it cannot).
void WriteCardFile(const TCard& card, const std::string& fileName);

// "1980-05-03" and "--05-03" (a birthday without a year) from the forms
// vCard files use: "1980-05-03", "19800503", "--0503", "--05-03", each
// possibly followed by a time ("T..."). Empty when the text is no such date.
std::string BirthDate(std::string_view text);

} // namespace carditems
