#pragma once

#include <cstdint>
#include <string>

// A font as a report asks for it. Sizes are in points; the colour is 0xRRGGBB.
// "Arial", the face stored by older settings, stands for the default sans.
struct TReportFont {
    std::string Family = "Arial";
    double Size = 8;
    bool Bold = false;
    bool Italic = false;
    std::uint32_t Color = 0x000000;

    bool operator==(const TReportFont&) const = default;
};
