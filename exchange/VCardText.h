#pragma once

#include <string>
#include <string_view>

// Text helpers of the vCard reader and writer: lines, file encodings, the
// value encodings of the different vCard versions.
namespace vcardtext {

// Reads the line that starts at pos and moves pos past its end. A line ends
// with CR LF, LF or a lone CR (files of old Macs); the end is not part of the
// line. Answers false, with an empty line, when pos is already at the end.
bool ReadTextLine(std::string_view text, size_t& pos, std::string_view& line);

// The file's text as UTF-8 where it was written in UTF-16 (with a byte-order
// mark, or recognised by its zero bytes); a UTF-8 byte-order mark is dropped.
// Other bytes are passed through. unicode tells whether the file was UTF-16,
// whose own CHARSET parameters then no longer describe the bytes.
std::string_view FileTextAsUtf8(std::string_view bytes, std::string& buffer, bool& unicode);
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian);

// QUOTED-PRINTABLE: "=XY" stands for the byte XY; soft line breaks are joined
// by the line reader before this runs.
std::string DecodeQuotedPrintable(std::string_view text);
// Encodes "=", the value separators ";" and ",", control characters, bytes
// above 126 and a blank at the very end, so that the text reads back whole.
void AppendQuotedPrintable(std::string& out, std::string_view text, bool lastInLine);

// vCard 3.0 and 4.0 escapes: "\n" and "\N" are a line break, a backslash
// before a punctuation character stands for that character ("\,", "\;",
// "\\", and the "\:" some exporters write); any other backslash stays.
void Unescape(std::string& text);

// ASCII letter case folded, as the vCard standards compare names.
bool EqualsNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);

// Where a property line's name starts: after a group prefix such as "item1."
// (letters, digits, "-" and "." before the last dot of the name).
size_t NameStart(std::string_view line);

// Chars 1 to 32 around text removed, as the comma-text reader skips them.
std::string_view TrimBlanks(std::string_view text);

} // namespace vcardtext
