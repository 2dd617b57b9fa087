#pragma once

#include <string>
#include <vector>

// Argument text for IShell::Open: each word single-quoted (a quote inside
// written as '\''), so that the shell service's word splitting gives the
// words back exactly, whatever they hold.
std::string QuoteArguments(const std::vector<std::string>& words);
