#pragma once

#include <string>
#include <string_view>
#include <vector>

// Comma text: items separated by commas (and blanks), an item in double
// quotes may hold commas and blanks, a doubled quote inside stands for one.
namespace commatext {

// Splits comma text into items. Characters 1..32 around items are skipped; an
// unquoted item ends at a comma or a character 0..32; an empty item stands
// between two commas or after a final comma.
std::vector<std::string> SplitCommaText(std::string_view text);

// Joins items into comma text; an item holding a blank, a control character,
// a comma or a double quote is quoted with inner quotes doubled.
std::string CommaText(const std::vector<std::string>& items);

// Quotes every comma-separated piece of text, so that blanks inside a piece
// survive SplitCommaText: two commas then "12 High St,Leeds" gives
// "","","12 High St","Leeds".
void QuoteFields(std::string& text);

} // namespace commatext
