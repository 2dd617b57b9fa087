#pragma once

#include "report/FontMetrics.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <string>
#include <unordered_map>

// Report text measured with the desktop's fonts, at the resolution the
// renderer draws PDF pages with, so the layout's widths are the drawn ones.
class TQtFontMetrics : public IFontMetrics {
public:
    TQtFontMetrics();

    double TextWidth(const TReportFont& font, std::string_view utf8) const override;
    double Ascent(const TReportFont& font) const override;
    double LineHeight(const TReportFont& font) const override;

    // The Qt font for a report font. "Arial" (what older settings store) and
    // no family mean the default sans: "Liberation Sans", which has Arial's
    // metrics, else the desktop's.
    static QFont FontFor(const TReportFont& font);
    static QString DefaultFamily();

    static constexpr int kResolution = 1200; // dots per inch

private:
    const QFontMetricsF& MetricsFor(const TReportFont& font) const;

    QImage FDevice;
    mutable std::unordered_map<std::string, QFontMetricsF> FCache;
};
