#pragma once

#include <string>

// The find's test, for tree nodes and detail items alike: the title, in the
// locale's lower case, holds lowerText, and the first place it does starts a
// word (the title's start or after a blank). Later places do not count:
// "Wholesale sales" does not match "sal".
bool WordStartMatches(const std::string& title, const std::string& lowerText);

// The text in the locale's lower case (the locale service is required).
std::string LowerCase(const std::string& text);
