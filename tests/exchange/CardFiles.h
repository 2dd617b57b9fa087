#pragma once

#include "exchange/VCardFile.h"
#include "support/TestServices.h"

#include <string>
#include <vector>

using V = std::vector<std::string>;

// The cards of a file's text.
inline TVCardFile ReadCards(const std::string& text) {
    TVCardFile f;
    f.ReadText(text);
    return f;
}

// The cards of a fixture below tests/data/exchange, read from the file.
inline TVCardFile ReadFixture(const std::string& name) {
    TVCardFile f;
    f.Filename = DataPath("exchange/" + name);
    f.Read();
    return f;
}
