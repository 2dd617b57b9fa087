#pragma once

#include <string>
#include <vector>

// The tokens of a command line as a second copy hands it over: every blank
// outside double quotes separates tokens, double quotes are removed.
std::vector<std::string> SplitCommandLine(const std::string& text);

// Joins arguments into a command line that SplitCommandLine gives back
// (arguments with blanks are quoted).
std::string JoinCommandLine(const std::vector<std::string>& args);

// True when any argument, the program path included, is exactly "HIDEWIN".
bool HasHideWin(const std::vector<std::string>& args);
