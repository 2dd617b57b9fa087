#pragma once

#include "report/ReportFont.h"

#include <string_view>

// Text measurement for the layout, in hundredths of an inch. Text is UTF-8.
// The program measures with the desktop's fonts; tests and benchmarks use
// fixed metrics so that layouts are exact and repeatable.
class IFontMetrics {
public:
    virtual ~IFontMetrics() = default;

    virtual double TextWidth(const TReportFont& font, std::string_view utf8) const = 0;
    // From the top of a line to its baseline.
    virtual double Ascent(const TReportFont& font) const = 0;
    // From one line's top to the next line's top.
    virtual double LineHeight(const TReportFont& font) const = 0;
};
