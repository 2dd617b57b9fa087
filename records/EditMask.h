#pragma once

#include <string>
#include <vector>

// An input mask as the masked number fields use it: "pattern;flag;blank".
// In the pattern "0" needs a digit, "9" takes an optional digit, "\" makes the
// next character a literal, "!" shows unfilled optional positions as leading
// blanks; every other character is a literal shown in place. The flag "0"
// means literals are not part of the field's value. An empty mask is free text.
class TEditMask {
public:
    explicit TEditMask(const std::string& mask = {});

    bool IsEmpty() const { return FPattern.empty(); }
    const std::string& Mask() const { return FMask; }

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

private:
    struct Pos {
        char Literal = 0;  // the literal shown, or 0 for an input position
        bool Required = false;
    };
    std::string FMask;
    std::string FPattern;
    bool FLeadingBlanks = false;
    char FBlank = '_';
    std::vector<Pos> FPositions;
};
