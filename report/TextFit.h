#pragma once

#include "report/FontMetrics.h"

#include <string>
#include <string_view>
#include <vector>

// Fitting text into a box: what does not fit is cut at the box's edge, never
// drawn across it. Text is UTF-8 and is cut between characters.
namespace textfit {

// The longest start of text that is at most width wide.
std::string CutToWidth(const IFontMetrics& metrics, const TReportFont& font, std::string_view text,
                       double width);

// One line broken at spaces into rows at most width wide; a word wider than
// the box is broken between characters.
std::vector<std::string> WrapLine(const IFontMetrics& metrics, const TReportFont& font,
                                  std::string_view line, double width);

// The rows to draw for text (lines separated by "\n") in a box of width x
// height: as many rows as fit the height (at least one), each at most width
// wide. With wordWrap, long lines wrap onto rows the other lines leave free
// and are cut where the rows run out; without it they are cut.
std::vector<std::string> FitLines(const IFontMetrics& metrics, const TReportFont& font,
                                  std::string_view text, double width, double height,
                                  bool wordWrap);

} // namespace textfit
