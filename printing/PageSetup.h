#pragma once

#include "report/Report.h"

#include <string>

// The page settings of the listing, address book and simple list, in
// hundredths of an inch. The top and bottom margins are the heights of the
// page header and footer bands.
struct TPageSetup {
    double LeftMargin = 0;
    double TopMargin = 50;
    double BottomMargin = 50;
    TOrientation Orientation = TOrientation::Portrait;
    std::string Face = "Arial";
};

// These reports are laid out on the printer's paper from its edges, and
// printers leave about a quarter of an inch unprinted: the margins the user
// types are measured from there, so that "00" still prints whole.
inline constexpr double kPrintableInset = 25;

inline void ApplyPageSetup(TReport& report, const TPageSetup& setup) {
    report.Orientation = setup.Orientation;
    report.PaperFromPrinter = true;
    report.Margins = {kPrintableInset + setup.LeftMargin, kPrintableInset, kPrintableInset,
                      kPrintableInset};
    report.PageHeader.Height = setup.TopMargin;
    report.PageFooter.Height = setup.BottomMargin;
}
