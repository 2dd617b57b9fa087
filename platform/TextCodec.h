#pragma once

#include <string>
#include <string_view>

// Stored text is bytes: files written here are UTF-8, files from older
// Windows versions are Windows-1252. Text is shown as UTF-8 where it is valid
// UTF-8, else read as Windows-1252.
namespace textcodec {
bool IsValidUtf8(std::string_view bytes);
std::string Windows1252ToUtf8(std::string_view bytes);
// UTF-8 for display: the bytes themselves when valid, else from Windows-1252.
std::string ToDisplayUtf8(std::string_view bytes);
// The first max characters of a text: counted in characters when the text is
// UTF-8, so that no letter is split, and in bytes when it is Windows-1252.
std::string CutText(std::string_view text, size_t max);
} // namespace textcodec
