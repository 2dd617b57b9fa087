#include "printing/TableReport.h"

#include "printing/ReportFields.h"

#include <algorithm>

namespace {
constexpr double kCellGap = 8; // between a cell's text and the next column
constexpr double kRowPadding = 3;

TReportFont Font(const std::string& face, double size, bool bold = false) {
    TReportFont f;
    f.Family = face;
    f.Size = size;
    f.Bold = bold;
    return f;
}
} // namespace

TTableReport::TTableReport(const std::vector<TColumn>& columns) {
    const TPageSetup defaults;
    FTitle = &Report.TitleBand.AddText({}, {});
    FTitle->StretchWidth = true;
    FLeftNote = &Report.TitleBand.AddText({}, {});
    FLeftNote->StretchWidth = true;
    FRightNote = &Report.TitleBand.AddText({}, {});
    FRightNote->StretchWidth = true;
    FRightNote->Alignment = TAlignment::Right;

    for (const TColumn& c : columns) {
        FShares.push_back(c.Share);
        Report.ColumnHeader.AddText({}, {}, c.Heading);
        TReportText& cell = Report.Detail.AddText({}, {});
        cell.WordWrap = true;
        cell.StretchHeight = true;
    }
    Report.ColumnHeader.BeforePrint = [this](TReportBand& band) { Arrange(band.Texts); };
    Report.Detail.BeforePrint = [this](TReportBand& band) {
        Arrange(band.Texts);
        size_t lines = 1;
        for (const TReportText& t : band.Texts)
            lines = std::max(
                lines, static_cast<size_t>(std::count(t.Text.begin(), t.Text.end(), '\n')) + 1);
        band.Height =
            static_cast<double>(lines) * reportfields::LineHeight(band.Texts[0].Font) + kRowPadding;
    };

    FPageNumber = &Report.PageFooter.AddText({}, {}, "Page [Page] of [Pages]");
    FPageNumber->StretchWidth = true;
    FPageNumber->Alignment = TAlignment::Right;
    FPageNumber->PageFields = true;
    Report.PageFooter.BeforePrint = [this](TReportBand& band) {
        const double h = reportfields::LineHeight(FPageNumber->Font);
        FPageNumber->Visible = band.Height >= h;
        FPageNumber->Box = {0, std::max(0.0, band.Height - h), 0, h};
    };

    Report.OnStart = [this] { Restart(); };
    Report.OnNeedData = [this] {
        FRow.clear();
        if (!NextRow(FRow)) return false;
        FRow.resize(Report.Detail.Texts.size());
        for (size_t i = 0; i < FRow.size(); ++i)
            Report.Detail.Texts[i].Text = std::move(FRow[i]);
        return true;
    };
    SetPage(defaults);
}

void TTableReport::SetTitle(const std::string& title, const std::string& leftNote,
                            const std::string& rightNote) {
    FTitle->Text = title;
    FLeftNote->Text = leftNote;
    FRightNote->Text = rightNote;
    FitTitleBand();
}

void TTableReport::SetPage(const TPageSetup& page) {
    ApplyPageSetup(Report, page);
    FTitle->Font = Font(page.Face, 14);
    FLeftNote->Font = FRightNote->Font = FPageNumber->Font = Font(page.Face, 8);
    const TReportFont heading = Font(page.Face, 8, true);
    const double h = reportfields::LineHeight(heading);
    for (TReportText& t : Report.ColumnHeader.Texts) {
        t.Font = heading;
        t.Box.Height = h;
    }
    Report.ColumnHeader.Height = h + kRowPadding;
    Report.ColumnHeader.Shapes.clear();
    Report.ColumnHeader.AddShape(TReportShape::TKind::Line, {0, h + 1, 0, 0}).StretchWidth = true;
    for (TReportText& t : Report.Detail.Texts)
        t.Font = Font(page.Face, 8);
    FitTitleBand();
}

void TTableReport::FitTitleBand() {
    const double titleHeight = reportfields::LineHeight(FTitle->Font);
    const double noteHeight = reportfields::LineHeight(FLeftNote->Font);
    const bool notes = !FLeftNote->Text.empty() || !FRightNote->Text.empty();
    FTitle->Box = {0, 0, 0, titleHeight};
    FLeftNote->Box = FRightNote->Box = {0, titleHeight, 0, noteHeight};
    Report.TitleBand.Height = titleHeight + (notes ? noteHeight : 0);
    Report.TitleBand.SpaceAfter = 10;
}

void TTableReport::Arrange(std::deque<TReportText>& texts) const {
    const double width = Report.EffectiveColumnWidth();
    double left = 0;
    for (size_t i = 0; i < texts.size() && i < FShares.size(); ++i) {
        const double share = width * FShares[i];
        const bool last = i + 1 == texts.size();
        texts[i].Box.Left = left;
        texts[i].Box.Width = std::max(1.0, (last ? width - left : share) - (last ? 0 : kCellGap));
        left += share;
    }
}
