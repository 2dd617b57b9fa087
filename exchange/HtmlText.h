#pragma once

#include <string>
#include <string_view>

// Text taken from HTML pages written by other programs.
namespace htmltext {

// Character references as UTF-8: "&amp;", "&eacute;", "&#233;", "&#xE9;".
// An unknown name or a reference without its ";" stays as it is written.
std::string DecodeEntities(std::string_view text);

// Element text as a browser shows it: references decoded, every run of
// blanks, tabs and line ends one blank, none at either end, other control
// characters dropped.
std::string ElementText(std::string_view text);

// An attribute value holding an address: references decoded, line ends,
// tabs and other control characters removed (a browser drops them from
// addresses), blanks at either end trimmed.
std::string AddressText(std::string_view text);

} // namespace htmltext
