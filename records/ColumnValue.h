#pragma once

#include <string>
#include <vector>

// The value of the named column (exact name, first match) in an import row
// whose values stand in the order of names. False when the row has no such
// column; a column past the end of the values reads as empty.
inline bool ColumnValue(const std::vector<std::string>& values,
                        const std::vector<std::string>& names, const std::string& name,
                        std::string& value) {
    for (size_t i = 0; i < names.size(); ++i) {
        if (names[i] != name) continue;
        value = i < values.size() ? values[i] : std::string();
        return true;
    }
    return false;
}
