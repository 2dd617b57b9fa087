#include "report/ReportLayout.h"

#include "platform/TextCodec.h"
#include "report/TextFit.h"

#include <algorithm>
#include <optional>

namespace {

constexpr double kSlack = 1e-6;

std::optional<TBox> Intersect(const TBox& a, const TBox& b) {
    double left = std::max(a.Left, b.Left), top = std::max(a.Top, b.Top);
    double right = std::min(a.Right(), b.Right()), bottom = std::min(a.Bottom(), b.Bottom());
    if (right <= left + kSlack || bottom <= top + kSlack) return std::nullopt;
    return TBox{left, top, right - left, bottom - top};
}

TBox Moved(TBox box, double dx, double dy) {
    box.Left += dx;
    box.Top += dy;
    return box;
}

void ReplaceAll(std::string& s, const std::string& from, const std::string& to) {
    for (size_t pos = s.find(from); pos != std::string::npos; pos = s.find(from, pos + to.size()))
        s.replace(pos, from.size(), to);
}

} // namespace

TReportLayout::TReportLayout(TReport& report, const IFontMetrics& metrics)
    : R(report), M(metrics) {}

std::vector<TReportPage> TReportLayout::Run() {
    FPages.clear();
    FFields.clear();
    FColumns = std::max(1, R.Columns);
    FColumnWidth = R.EffectiveColumnWidth();
    if (R.OnStart) R.OnStart();
    StartPage();

    for (int i = 0; i < R.FirstSlot; ++i) {
        TImage empty;
        empty.Height = R.Detail.Height;
        empty.Advance = R.Detail.Height + std::max(0.0, R.Detail.SpaceAfter);
        PlaceRecord({empty});
    }

    std::vector<std::optional<std::string>> lastKeys(R.GroupHeaders.size());
    while (R.OnNeedData && R.OnNeedData()) {
        std::vector<TImage> images;
        // When an outer group changes, every group inside it starts again.
        bool changed = false;
        for (size_t g = 0; g < R.GroupHeaders.size(); ++g) {
            TReportBand& header = R.GroupHeaders[g];
            std::string key = header.GroupKey ? header.GroupKey() : std::string();
            if (!changed && lastKeys[g] && *lastKeys[g] == key) continue;
            changed = true;
            lastKeys[g] = key;
            if (TImage image = Render(header, FColumnWidth); image.Height > 0)
                images.push_back(std::move(image));
        }
        if (TImage image = Render(R.Detail, FColumnWidth); image.Height > 0)
            images.push_back(std::move(image));
        for (TReportBand& child : R.Children)
            if (TImage image = Render(child, FColumnWidth); image.Height > 0)
                images.push_back(std::move(image));
        PlaceRecord(images);
    }
    FinishPage();

    const std::string pages = std::to_string(FPages.size());
    for (TField& field : FFields) {
        std::string content = field.Text.Text;
        ReplaceAll(content, "[Page]", std::to_string(field.Page + 1));
        ReplaceAll(content, "[Pages]", pages);
        RenderText(field.Text, content, field.Box, FPages[field.Page].Commands);
    }
    return std::move(FPages);
}

TReportLayout::TImage TReportLayout::Render(TReportBand& band, double width) {
    if (band.BeforePrint) band.BeforePrint(band);
    TImage image;
    if (!band.Enabled || band.Height <= 0) return image;
    image.Height = band.Height;
    image.Advance = band.Height + std::max(0.0, band.SpaceAfter);
    const TBox bandBox{0, 0, width, band.Height};

    for (const TReportShape& shape : band.Shapes) {
        if (!shape.Visible) continue;
        TBox box = shape.Box;
        if (shape.StretchWidth) box.Width = width - box.Left;
        if (shape.Kind == TReportShape::TKind::Line) {
            image.Commands.push_back(TDrawLine{box.Left, box.Top, box.Right(), box.Bottom(),
                                               shape.PenWidth, shape.Color});
            continue;
        }
        if (auto clipped = Intersect(box, bandBox))
            image.Commands.push_back(TDrawBox{
                *clipped, shape.Color, shape.Kind == TReportShape::TKind::Fill, shape.PenWidth});
    }
    for (const TReportText& text : band.Texts) {
        if (!text.Visible) continue;
        TBox box = text.Box;
        if (text.StretchWidth) box.Width = width - box.Left;
        if (text.StretchHeight) box.Height = band.Height - box.Top;
        auto clipped = Intersect(box, bandBox);
        if (!clipped) continue;
        if (text.PageFields)
            image.Fields.push_back({text, *clipped, 0});
        else
            RenderText(text, text.Text, *clipped, image.Commands);
    }
    return image;
}

void TReportLayout::RenderText(const TReportText& text, const std::string& content, const TBox& box,
                               std::vector<TDrawCommand>& out) const {
    const std::string utf8 = textcodec::ToDisplayUtf8(content);
    const double lineHeight = M.LineHeight(text.Font);
    const double ascent = M.Ascent(text.Font);
    std::vector<std::string> rows =
        textfit::FitLines(M, text.Font, utf8, box.Width, box.Height, text.WordWrap);
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].empty()) continue;
        double x = box.Left;
        if (text.Alignment != TAlignment::Left) {
            double spare = box.Width - M.TextWidth(text.Font, rows[i]);
            x += text.Alignment == TAlignment::Center ? spare / 2 : spare;
        }
        out.push_back(
            TDrawText{x, box.Top + i * lineHeight + ascent, text.Font, std::move(rows[i]), box});
    }
}

void TReportLayout::Place(const TImage& image, double x, double y, double clipBottom) {
    TReportPage& page = FPages.back();
    const TBox limit{0, 0, page.Width, clipBottom};
    for (const TDrawCommand& command : image.Commands) {
        if (const auto* text = std::get_if<TDrawText>(&command)) {
            auto clip = Intersect(Moved(text->Clip, x, y), limit);
            if (!clip) continue;
            TDrawText moved = *text;
            moved.X += x;
            moved.Baseline += y;
            moved.Clip = *clip;
            page.Commands.push_back(std::move(moved));
        } else if (const auto* line = std::get_if<TDrawLine>(&command)) {
            TDrawLine moved = *line;
            moved.X1 += x;
            moved.X2 += x;
            moved.Y1 += y;
            moved.Y2 += y;
            page.Commands.push_back(moved);
        } else if (const auto* box = std::get_if<TDrawBox>(&command)) {
            auto clip = Intersect(Moved(box->Box, x, y), limit);
            if (!clip) continue;
            TDrawBox moved = *box;
            moved.Box = *clip;
            page.Commands.push_back(moved);
        }
    }
    for (const TField& field : image.Fields)
        if (auto clip = Intersect(Moved(field.Box, x, y), limit))
            FFields.push_back({field.Text, *clip, FPages.size() - 1});
}

void TReportLayout::StartPage() {
    TReportPage& page = FPages.emplace_back();
    page.Width = R.PageWidth();
    page.Height = R.PageHeight();
    const double contentWidth = std::max(0.0, page.Width - R.Margins.Left - R.Margins.Right);
    const double pageBottom = page.Height - R.Margins.Bottom;

    double y = R.Margins.Top;
    TImage header = Render(R.PageHeader, contentWidth);
    Place(header, R.Margins.Left, y, pageBottom);
    y += header.Advance;
    if (FPages.size() == 1) {
        TImage title = Render(R.TitleBand, contentWidth);
        Place(title, R.Margins.Left, y, pageBottom);
        y += title.Advance;
    }
    double columnHeader = 0;
    for (int c = 0; c < FColumns; ++c) {
        TImage image = Render(R.ColumnHeader, FColumnWidth);
        Place(image, R.ColumnLeft(c), y, pageBottom);
        columnHeader = std::max(columnHeader, image.Advance);
    }
    FDetailTop = y + columnHeader;
    double footer = R.PageFooter.Enabled ? std::max(0.0, R.PageFooter.Height) : 0.0;
    FDetailBottom = pageBottom - footer;
    FColumn = 0;
    FY = FDetailTop;
    FRowAdvance = 0;
}

void TReportLayout::FinishPage() {
    const double contentWidth = std::max(0.0, R.PageWidth() - R.Margins.Left - R.Margins.Right);
    TImage footer = Render(R.PageFooter, contentWidth);
    Place(footer, R.Margins.Left, FDetailBottom, R.PageHeight() - R.Margins.Bottom);
}

void TReportLayout::NextColumn() {
    if (++FColumn < FColumns) {
        FY = FDetailTop;
        return;
    }
    FinishPage();
    StartPage();
}

void TReportLayout::PlaceRecord(const std::vector<TImage>& images) {
    if (images.empty()) return;
    if (R.Flow == TColumnFlow::AcrossThenDown)
        PlaceAcross(images);
    else
        PlaceDown(images);
}

double TReportLayout::RecordHeight(const std::vector<TImage>& images) {
    // The space after the last band may fall past the column's foot.
    double height = images.back().Height;
    for (size_t i = 0; i + 1 < images.size(); ++i)
        height += images[i].Advance;
    return height;
}

void TReportLayout::PlaceDown(const std::vector<TImage>& images) {
    auto fits = [&](double height) { return FY + height <= FDetailBottom + kSlack; };
    auto columnEmpty = [&] { return FY <= FDetailTop + kSlack; };

    if (!fits(RecordHeight(images)) && !columnEmpty()) NextColumn();

    // A record taller than a column breaks between its bands.
    for (const TImage& image : images) {
        if (!fits(image.Height) && !columnEmpty()) NextColumn();
        Place(image, R.ColumnLeft(FColumn), FY, FDetailBottom);
        FY += image.Advance;
    }
}

void TReportLayout::PlaceAcross(const std::vector<TImage>& images) {
    if (FColumn == 0 && FY + RecordHeight(images) > FDetailBottom + kSlack &&
        FY > FDetailTop + kSlack) {
        FinishPage();
        StartPage();
    }
    double y = FY;
    for (const TImage& image : images) {
        Place(image, R.ColumnLeft(FColumn), y, FDetailBottom);
        y += image.Advance;
    }
    FRowAdvance = std::max(FRowAdvance, y - FY);
    if (++FColumn == FColumns) {
        FY += FRowAdvance;
        FColumn = 0;
        FRowAdvance = 0;
    }
}
