#include "report/FixedFontMetrics.h"

TFixedFontMetrics::TFixedFontMetrics(double charWidth, double lineHeight)
    : FCharWidth(charWidth), FLineHeight(lineHeight) {}

double TFixedFontMetrics::TextWidth(const TReportFont& font, std::string_view utf8) const {
    // One character per code point: continuation bytes do not count.
    int chars = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80) ++chars;
    return chars * FCharWidth * font.Size;
}

double TFixedFontMetrics::Ascent(const TReportFont& font) const {
    return LineHeight(font) * 0.8;
}

double TFixedFontMetrics::LineHeight(const TReportFont& font) const {
    return FLineHeight * font.Size;
}
