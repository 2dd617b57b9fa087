#pragma once

#include "report/FontMetrics.h"
#include "report/ReportBand.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

enum class TOrientation { Portrait, Landscape };

// Labels fill a sheet row by row; an address book fills each column to the
// bottom before starting the next.
enum class TColumnFlow { DownThenAcross, AcrossThenDown };

// Distances from the paper's edges, in hundredths of an inch.
struct TMargins {
    double Left = 0;
    double Top = 0;
    double Right = 0;
    double Bottom = 0;
};

// A banded report. All lengths are hundredths of an inch, on the paper as it
// lies in the report's orientation, measured from its top-left corner.
//
// A page holds, from the top: the page header (every page), the title (first
// page only), the column header (above every column), the records in columns,
// and the page footer at the bottom (every page). A record is, in this order,
// the group headers whose key changed, the detail band and the child bands;
// the layout keeps a record in one column when it fits in one, and never
// leaves a group header alone at a column's foot.
//
// The report's owner fills the bands per record in OnNeedData, which answers
// false when no record is left; OnStart runs before the first record, so the
// same report can be laid out again (a preview, then the printer).
class TReport {
public:
    TReport();
    TReport(const TReport&) = delete;
    TReport& operator=(const TReport&) = delete;

    std::string Title; // the print job's and the PDF's title

    // The paper, standing upright; the orientation turns it.
    double PaperWidth = 850;
    double PaperHeight = 1100;
    TOrientation Orientation = TOrientation::Portrait;
    // The printer's paper replaces PaperWidth and PaperHeight before a print
    // or preview; when false the printer is asked for this paper instead
    // (envelopes, label sheets).
    bool PaperFromPrinter = true;
    TMargins Margins;

    int Columns = 1;
    double ColumnSpace = 0;
    double ColumnWidth = 0; // 0: the columns share the width between the margins
    TColumnFlow Flow = TColumnFlow::DownThenAcross;
    // Record places left empty at the start of the first page, so that a
    // half-used label sheet can be used up.
    int FirstSlot = 0;

    TReportBand PageHeader{TBandKind::PageHeader};
    TReportBand TitleBand{TBandKind::Title};
    TReportBand ColumnHeader{TBandKind::ColumnHeader};
    TReportBand Detail{TBandKind::Detail};
    TReportBand PageFooter{TBandKind::PageFooter};
    std::deque<TReportBand> GroupHeaders; // outermost group first
    std::deque<TReportBand> Children;     // printed below the detail band

    TReportBand& AddGroupHeader(double height, std::function<std::string()> key);
    TReportBand& AddChild(double height);

    std::function<void()> OnStart;
    std::function<bool()> OnNeedData;

    double PageWidth() const;
    double PageHeight() const;
    // The width of one column with the current paper and margins.
    double EffectiveColumnWidth() const;
    // The left edge of column c (from 0).
    double ColumnLeft(int column) const;

    // Runs the records through the bands and returns the pages to draw.
    std::vector<TReportPage> Layout(const IFontMetrics& metrics);
};
