#pragma once

#include "report/FontMetrics.h"

// Metrics where every character has the same width: charWidth hundredths of
// an inch per point of font size, lines lineHeight per point, the baseline at
// four fifths of the line. A 10-point font with (1, 2) gives characters 10
// wide on lines 20 high. Bold and italic measure as regular.
class TFixedFontMetrics : public IFontMetrics {
public:
    explicit TFixedFontMetrics(double charWidth = 0.6, double lineHeight = 1.6);

    double TextWidth(const TReportFont& font, std::string_view utf8) const override;
    double Ascent(const TReportFont& font) const override;
    double LineHeight(const TReportFont& font) const override;

private:
    double FCharWidth;
    double FLineHeight;
};
