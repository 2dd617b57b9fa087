#include "printing/ui/PrinterSettingsQt.h"

#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <cmath>

namespace printersettings {

namespace {
QPageSize PaperOf(const TPrinterSettings& s) {
    const QString key = QString::fromStdString(s.PaperName);
    if (!key.isEmpty())
        for (int id = 0; id <= QPageSize::LastPageSize; ++id)
            if (QPageSize::key(static_cast<QPageSize::PageSizeId>(id)) == key)
                return QPageSize(static_cast<QPageSize::PageSizeId>(id));
    if (s.PaperWidth > 0 && s.PaperHeight > 0)
        return QPageSize(QSizeF(s.PaperWidth / 100.0, s.PaperHeight / 100.0), QPageSize::Inch,
                         QString(), QPageSize::FuzzyMatch);
    return {};
}
} // namespace

void Apply(QPrinter& printer, const TPrinterSettings& s) {
    const QString name = QString::fromStdString(s.PrinterName);
    if (!name.isEmpty() && QPrinterInfo::availablePrinterNames().contains(name))
        printer.setPrinterName(name);
    if (QPageSize paper = PaperOf(s); paper.isValid()) printer.setPageSize(paper);
    printer.setPageOrientation(s.Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

TPrinterSettings Of(const QPrinter& printer) {
    TPrinterSettings s;
    s.PrinterName = printer.printerName().toStdString();
    const QPageSize paper = printer.pageLayout().pageSize();
    if (paper.id() != QPageSize::Custom) s.PaperName = paper.key().toStdString();
    const QSizeF inches = paper.size(QPageSize::Inch);
    s.PaperWidth = static_cast<int>(std::lround(inches.width() * 100));
    s.PaperHeight = static_cast<int>(std::lround(inches.height() * 100));
    s.Landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
    return s;
}

} // namespace printersettings
