#include "report/ui/ReportPainter.h"

#include "report/ui/QtFontMetrics.h"

#include <QPaintDevice>
#include <QPainter>

namespace {

QColor ColorOf(std::uint32_t rgb) {
    return QColor::fromRgb((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

} // namespace

void TReportPainter::Paint(QPainter& painter, const TReportPage& page) {
    const double sx = painter.device()->logicalDpiX() / 100.0;
    const double sy = painter.device()->logicalDpiY() / 100.0;
    auto rect = [&](const TBox& b) {
        return QRectF(b.Left * sx, b.Top * sy, b.Width * sx, b.Height * sy);
    };
    for (const TDrawCommand& command : page.Commands) {
        if (const auto* text = std::get_if<TDrawText>(&command)) {
            painter.save();
            painter.setClipRect(rect(text->Clip));
            painter.setFont(TQtFontMetrics::FontFor(text->Font));
            painter.setPen(ColorOf(text->Font.Color));
            painter.drawText(QPointF(text->X * sx, text->Baseline * sy),
                             QString::fromStdString(text->Text));
            painter.restore();
        } else if (const auto* line = std::get_if<TDrawLine>(&command)) {
            painter.setPen(QPen(ColorOf(line->Color), line->PenWidth * sx));
            painter.drawLine(QPointF(line->X1 * sx, line->Y1 * sy),
                             QPointF(line->X2 * sx, line->Y2 * sy));
        } else if (const auto* box = std::get_if<TDrawBox>(&command)) {
            if (box->Filled) {
                painter.fillRect(rect(box->Box), ColorOf(box->Color));
            } else {
                painter.setPen(QPen(ColorOf(box->Color), box->PenWidth * sx));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(rect(box->Box));
            }
        }
    }
}
