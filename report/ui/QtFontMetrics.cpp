#include "report/ui/QtFontMetrics.h"

#include <QFontDatabase>

TQtFontMetrics::TQtFontMetrics() : FDevice(1, 1, QImage::Format_ARGB32) {
    const int dotsPerMeter = qRound(kResolution / 0.0254);
    FDevice.setDotsPerMeterX(dotsPerMeter);
    FDevice.setDotsPerMeterY(dotsPerMeter);
}

QString TQtFontMetrics::DefaultFamily() {
    static const QString family = [] {
        const QString liberation = QStringLiteral("Liberation Sans");
        if (QFontDatabase::hasFamily(liberation)) return liberation;
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return family;
}

QFont TQtFontMetrics::FontFor(const TReportFont& font) {
    QString family = QString::fromUtf8(font.Family);
    if (family.isEmpty() || family.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0)
        family = DefaultFamily();
    QFont f(family);
    f.setPointSizeF(font.Size > 0 ? font.Size : 8);
    f.setBold(font.Bold);
    f.setItalic(font.Italic);
    // Hinted advances would differ between the measuring and the printing
    // resolution.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

const QFontMetricsF& TQtFontMetrics::MetricsFor(const TReportFont& font) const {
    std::string key = font.Family + '\n' + std::to_string(font.Size) + (font.Bold ? "b" : "") +
                      (font.Italic ? "i" : "");
    auto it = FCache.find(key);
    if (it == FCache.end()) it = FCache.emplace(key, QFontMetricsF(FontFor(font), &FDevice)).first;
    return it->second;
}

namespace {
constexpr double kToHundredths = 100.0 / TQtFontMetrics::kResolution;
} // namespace

double TQtFontMetrics::TextWidth(const TReportFont& font, std::string_view utf8) const {
    return MetricsFor(font).horizontalAdvance(
               QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()))) *
           kToHundredths;
}

double TQtFontMetrics::Ascent(const TReportFont& font) const {
    return MetricsFor(font).ascent() * kToHundredths;
}

double TQtFontMetrics::LineHeight(const TReportFont& font) const {
    return MetricsFor(font).lineSpacing() * kToHundredths;
}
