#pragma once

#include <string>
#include <vector>

// An input mask as the masked number fields use it: "pattern;flag;blank".
// In the pattern "0" needs a digit, "9" takes an optional digit, "\" makes the
// next character a literal, "!" shows unfilled optional positions as leading
// blanks; every other character is a literal shown in place. The flag "0"
// means literals are not part of the field's value. An empty mask is free text.
//
// The field's displayed text always has one character per position: the
// literal, an entered digit, or the blank character. The editing operations
// below work on that text and a cursor, so a line edit can be driven by them.
class TEditMask {
public:
    explicit TEditMask(const std::string& mask = {});

    bool IsEmpty() const { return FPattern.empty(); }
    const std::string& Mask() const { return FMask; }
    char Blank() const { return FBlank; }
    bool SavesLiterals() const { return FSaveLiterals; }

    // The field as shown after typing these characters in order into an empty
    // field: digits fill the positions that take them, from the left; other
    // characters are refused. Unfilled positions show the blank character.
    // Free text (no mask) answers typed unchanged.
    std::string Apply(const std::string& typed) const;
    // The text shown when the field holds nothing.
    std::string EmptyText() const;
    // True when the displayed text holds a character the user entered:
    // literals and blank positions do not count. Free text: not empty.
    bool HasEnteredCharacter(const std::string& displayed) const;
    // Number of positions (literals included) the field shows.
    int Length() const;

    // --- positions -------------------------------------------------------
    bool IsInputPosition(int pos) const;
    bool IsRequiredPosition(int pos) const;
    // The first input position at or after pos; Length() when there is none.
    int NextInputPosition(int pos) const;
    // The last input position before pos; -1 when there is none.
    int PrevInputPosition(int pos) const;
    // Whether c may stand at position pos.
    bool Accepts(int pos, char c) const;

    // --- conversions -----------------------------------------------------
    // Whether text is a displayed text of this mask (right length, literals
    // in place, only digits or blanks in the input positions).
    bool Conforms(const std::string& text) const;
    // The entered characters alone, blanks and literals left out; with the
    // flag "1" the whole display with blanks as spaces. Free text: unchanged.
    std::string Value(const std::string& displayed) const;
    // Shows a value (its digits, other characters ignored) in the mask. When
    // it has fewer digits than the mask has positions, optional positions stay
    // blank: the first ones with "!", the last ones without.
    std::string FormatValue(const std::string& value) const;
    // Any text made into a displayed text: a conforming text is kept, any
    // other is read as a value (FormatValue). Free text: unchanged.
    std::string Fit(const std::string& text) const;
    // The field after its mask changed from `from` to this one: the entered
    // characters are kept and shown in the new mask.
    std::string Refit(const TEditMask& from, const std::string& displayed) const;
    // Whether Refit loses nothing: the characters entered under `from` are
    // digits and passable characters (see TypeText) only, and no more digits
    // than this mask has positions for.
    bool CanHold(const TEditMask& from, const std::string& displayed) const;
    // True when every required position holds a digit. Free text: true.
    bool IsComplete(const std::string& displayed) const;

    // --- editing (text is a displayed text of this mask) -------------------
    // Types c at the cursor. A digit goes to the next input position at or
    // after the cursor; any other character equal to the literal at the
    // cursor steps over it. The cursor then stands at the next input position. Answers
    // false (nothing changes) when c is refused. Free text inserts c.
    bool TypeChar(std::string& text, int& cursor, char c) const;
    // Clears the input position before the cursor and moves the cursor there.
    // Free text removes the character before the cursor.
    void Backspace(std::string& text, int& cursor) const;
    // Clears the input position at or after the cursor (the cursor stays).
    // Free text removes the character at the cursor.
    void Delete(std::string& text, int cursor) const;
    // Clears the input positions in [from, to) (a selection being removed).
    // Free text removes the characters.
    void ClearRange(std::string& text, int from, int to) const;
    // Types or pastes typed at the cursor. A field with nothing entered takes
    // a typed text that is itself a displayed text of the mask as it is;
    // otherwise the characters are typed one by one, and blanks, the usual
    // separators ("-", "(", ")", ".", "/") and the mask's literals that find
    // no place are passed over. Answers false, changing nothing, when typed
    // does not fit: a digit finds no free position, or another character
    // (a "+", a letter) has no place. Free text inserts typed.
    bool TypeText(std::string& text, int& cursor, const std::string& typed) const;
    // What a field becomes as free text when typed did not fit: the
    // characters entered so far with typed put in where the cursor stood;
    // the cursor then stands behind typed. Nothing typed is lost.
    std::string Unfitted(const std::string& text, int& cursor, const std::string& typed) const;

private:
    // A character typing may pass over when it finds no place.
    bool Passable(char c) const;
    // The characters entered in a displayed text, blanks and literals left
    // out; free text whole.
    std::string Entered(const std::string& displayed) const;

    struct Pos {
        char Literal = 0; // the literal shown, or 0 for an input position
        bool Required = false;
    };
    std::string FMask;
    std::string FPattern;
    bool FLeadingBlanks = false;
    bool FSaveLiterals = false;
    char FBlank = '_';
    std::vector<Pos> FPositions;
};
