#pragma once

#include <string>
#include <vector>

class ISettings;

// The 32 category names of section [Categories]: key "Cat"n, or
// "User Defined " + n when that is empty.
std::vector<std::string> ReadCategoryNames(const ISettings& settings);
inline constexpr int kCategoryCount = 32;
