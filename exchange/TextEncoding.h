#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Text files from other programs come in many encodings; the import readers
// turn them into UTF-8 before reading them. A byte-order mark, or the zero
// bytes of UTF-16, say what a file is; otherwise the user chooses an encoding
// by name, UTF-8 when the file is valid UTF-8, else Windows-1252 by default.
namespace textencoding {

enum class TUnicodeForm { None, Utf8Bom, Utf16LE, Utf16BE };

// A UTF-8 or UTF-16 byte-order mark, or UTF-16 recognised by its zero bytes
// (text mostly of Latin letters has a zero in every other byte).
TUnicodeForm DetectUnicode(std::string_view bytes);

// "UTF-8" when the bytes are valid UTF-8, else "Windows-1252".
std::string DefaultEncoding(std::string_view bytes);

// The encodings a user can choose from: the common ones first (UTF-8,
// Windows-1252, the ISO and Windows code pages, Shift_JIS, EUC-JP, GB18030,
// Big5, KOI8-R, ...), then every other one the C library's iconv can convert,
// each under one of its names. Only names iconv accepts are listed.
const std::vector<std::string>& AvailableEncodings();
bool IsKnownEncoding(const std::string& name);

struct TDecoded {
    std::string Text;             // UTF-8, without a byte-order mark
    std::string Encoding;         // what was used: "UTF-8", "UTF-16LE", "Shift_JIS", ...
    size_t Replaced = 0;          // byte sequences the encoding cannot hold, now U+FFFD
    bool FromUnicodeMark = false; // a BOM or UTF-16 decided, not the name given
};

// The bytes as UTF-8. A byte-order mark or UTF-16 wins over encoding; an empty
// encoding is DefaultEncoding. Raises EConvertError for a name iconv does not
// know.
TDecoded DecodeToUtf8(std::string bytes, const std::string& encoding = {});

// Bytes that are valid UTF-8 stay as they are; others are read as
// Windows-1252 (files written by older Windows programs).
std::string Utf8OrWindows1252(std::string bytes);

// Appends the code point as UTF-8 (U+FFFD for surrogates and values past
// U+10FFFF).
void AppendCodePoint(std::string& out, uint32_t cp);

} // namespace textencoding
