#pragma once

#include "report/ReportPage.h"

#include <deque>
#include <functional>
#include <string>

enum class TBandKind { PageHeader, Title, ColumnHeader, GroupHeader, Detail, Child, PageFooter };

enum class TAlignment { Left, Center, Right };

// A label (one line) or memo (lines separated by "\n") in a band. Its box is
// relative to the band and clipped to it, so its text never reaches the next
// band, column or label.
struct TReportText {
    TBox Box;
    TReportFont Font;
    std::string Text; // stored bytes: UTF-8, or Windows-1252 from older files
    TAlignment Alignment = TAlignment::Left;
    bool WordWrap = false;
    bool StretchWidth = false;  // the box reaches the band's right edge
    bool StretchHeight = false; // the box reaches the band's bottom
    // "[Page]" and "[Pages]" in the text stand for the page number and count.
    bool PageFields = false;
    bool Visible = true;
};

// A line from the box's top-left to its bottom-right corner, a frame or a
// filled box, relative to the band.
struct TReportShape {
    enum class TKind { Line, Frame, Fill };
    TKind Kind = TKind::Fill;
    TBox Box;
    std::uint32_t Color = 0x000000;
    double PenWidth = 1;
    bool StretchWidth = false;
    bool Visible = true;
};

// A horizontal strip of a report printed as a whole: once per page (headers
// and footers), once per report (title), per record (detail and its child
// bands) or when a group's key changes (group headers).
class TReportBand {
public:
    explicit TReportBand(TBandKind kind, double height = 0) : Kind(kind), Height(height) {}

    TBandKind Kind;
    double Height;
    // Space left below the band; it may fall past the page's end (a label
    // sheet's gap below the last row).
    double SpaceAfter = 0;
    bool Enabled = true;

    // Called before the band is placed; may change anything in the band.
    std::function<void(TReportBand&)> BeforePrint;
    // Group headers: the band is printed before a record whose key differs
    // from the previous record's (compared exactly).
    std::function<std::string()> GroupKey;

    // Texts and shapes keep their addresses, so a report form may hold on to
    // them and fill them per record.
    TReportText& AddText(const TBox& box, const TReportFont& font, std::string text = {});
    TReportShape& AddShape(TReportShape::TKind kind, const TBox& box,
                           std::uint32_t color = 0x000000);

    std::deque<TReportText> Texts;
    std::deque<TReportShape> Shapes;
};
