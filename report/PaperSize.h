#pragma once

// Paper sizes standing upright, in hundredths of an inch.
struct TPaperSize {
    double Width = 0;
    double Height = 0;
};

namespace paper {
constexpr TPaperSize Letter{850, 1100};
constexpr TPaperSize A4{21000 / 25.4, 29700 / 25.4};
} // namespace paper
