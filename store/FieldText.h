#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Text helpers of the stored record format.
namespace fieldtext {

// The field separator of record and class lines.
inline constexpr std::string_view kSeparator = "~~";

// A value made safe to store: a stored field can never carry CR, LF or the
// separator "~~", nor end in "~" (which would join the separator after it).
// Line ends become blanks; a "~" that would pair with the next character or
// with a following separator becomes "-".
std::string SafeField(std::string_view value);
bool IsSafeField(std::string_view value);

// Appends the pieces of text between "~~" separators to fields: a text
// without separators gives one entry, a trailing separator an empty last one.
void SplitFields(std::string_view text, std::vector<std::string>& fields);

// The integer at the start of text: leading blanks, an optional sign, then
// digits up to the first non-digit. ok is false when there is no digit or the
// value does not fit 32 bits.
int32_t LeadingInt(std::string_view text, bool& ok);
int32_t LeadingIntDef(std::string_view text, int32_t defaultValue);

// ASCII case fold to upper case, then byte order: <0, 0, >0.
int CompareTextFolded(std::string_view a, std::string_view b);
bool SameTextFolded(std::string_view a, std::string_view b);

// Categories are written as a signed decimal integer.
std::string CategoriesText(uint32_t categories);

// The lines of a multi-line text (CR LF, LF or CR ends); a final line end
// does not start another line.
std::vector<std::string> TextLines(std::string_view text);

} // namespace fieldtext
