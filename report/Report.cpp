#include "report/Report.h"

#include "report/ReportLayout.h"

#include <algorithm>

TReport::TReport() = default;

TReportBand& TReport::AddGroupHeader(double height, std::function<std::string()> key) {
    TReportBand& band = GroupHeaders.emplace_back(TBandKind::GroupHeader, height);
    band.GroupKey = std::move(key);
    return band;
}

TReportBand& TReport::AddChild(double height) {
    return Children.emplace_back(TBandKind::Child, height);
}

double TReport::PageWidth() const {
    return Orientation == TOrientation::Portrait ? PaperWidth : PaperHeight;
}

double TReport::PageHeight() const {
    return Orientation == TOrientation::Portrait ? PaperHeight : PaperWidth;
}

double TReport::EffectiveColumnWidth() const {
    if (ColumnWidth > 0) return ColumnWidth;
    int columns = std::max(1, Columns);
    double content = PageWidth() - Margins.Left - Margins.Right;
    return std::max(0.0, (content - (columns - 1) * ColumnSpace) / columns);
}

double TReport::ColumnLeft(int column) const {
    return Margins.Left + column * (EffectiveColumnWidth() + ColumnSpace);
}

std::vector<TReportPage> TReport::Layout(const IFontMetrics& metrics) {
    return TReportLayout(*this, metrics).Run();
}
