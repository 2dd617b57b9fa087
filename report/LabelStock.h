#pragma once

#include "report/PaperSize.h"
#include "report/ReportPage.h"

#include <string>
#include <vector>

class TReport;

// A sheet of labels, lengths in hundredths of an inch measured on the sheet:
// the top margin to the first row's top edge, the side margin to the first
// column's left edge, each label's size, and the pitches from one label's
// edge to the next one's.
struct TLabelStock {
    std::string Name;
    int TopMargin = 0;
    int SideMargin = 0;
    int Height = 0;
    int Width = 0;
    int HPitch = 0;
    int VPitch = 0;
    int Across = 1;
    TPaperSize Paper = paper::Letter;

    // Rows that fit on the paper (at least one).
    int RowsPerSheet() const;
    int LabelsPerSheet() const { return Across * RowsPerSheet(); }
};

// Where a device draws from: the printable area's offset from the paper's
// corner, for devices whose drawing origin is not the paper's corner.
struct TDeviceOffset {
    double X = 0;
    double Y = 0;
};

// Label k (from 0) of a print: its sheet (from 0) and its rectangle.
struct TLabelPlace {
    int Sheet = 0;
    int Row = 0;
    int Column = 0;
    TBox Box;
};

namespace labelstock {

// The label stocks offered, in the order of the list: the US letter sheets
// first, then the A4 sheets.
const std::vector<TLabelStock>& Stocks();
// The stock of that name, or nullptr.
const TLabelStock* Find(const std::string& name);

// Where entry k lands when the print starts at label startLabel (from 1) of
// the first sheet; startLabel is held within the sheet.
TLabelPlace LabelPlace(const TLabelStock& stock, int k, int startLabel = 1,
                       TDeviceOffset offset = {});

// Sets up a report to print one record per label of the stock: the paper,
// the margins and columns of the sheet, the detail band as one label and the
// first labels skipped. The report's band contents are left to the caller.
void SetupReport(TReport& report, const TLabelStock& stock, int startLabel = 1,
                 TDeviceOffset offset = {});

} // namespace labelstock
