#pragma once

#include <string>
#include <string_view>

// Text that Merrowin writes into its own HTML pages. Every text taken from a
// record or typed by the user goes through Escape, and every address through
// IsSafeLink, so that no record can put markup or script into a page.
namespace htmlout {

// "&", "<", ">" and '"' as character references; everything else unchanged.
std::string Escape(std::string_view text);

// A file name as a relative address in an attribute: "%", "#", "?", blanks,
// control characters and the characters Escape replaces are written as "%XX",
// so a name like "a#1.gif" still names its file.
std::string FileUrl(std::string_view fileName);

// True when the address may be written as a link: a relative address, or one
// whose scheme is http, https, mailto, ftp or file (any case). Tabs and line
// ends inside and blanks or control characters in front are ignored, as
// browsers ignore them, so "java\tscript:" is still refused.
bool IsSafeLink(std::string_view address);

// The character set a page declares: "utf-8" when the text is valid UTF-8,
// else "windows-1252" (the text was stored in the old 8-bit form).
const char* Charset(std::string_view pageText);

// The meta line that declares the character set.
std::string CharsetMeta(std::string_view pageText);

} // namespace htmlout
