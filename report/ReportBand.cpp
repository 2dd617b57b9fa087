#include "report/ReportBand.h"

TReportText& TReportBand::AddText(const TBox& box, const TReportFont& font, std::string text) {
    TReportText& t = Texts.emplace_back();
    t.Box = box;
    t.Font = font;
    t.Text = std::move(text);
    return t;
}

TReportShape& TReportBand::AddShape(TReportShape::TKind kind, const TBox& box,
                                    std::uint32_t color) {
    TReportShape& s = Shapes.emplace_back();
    s.Kind = kind;
    s.Box = box;
    s.Color = color;
    return s;
}
