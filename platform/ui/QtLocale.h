#pragma once

#include "platform/Locale.h"

#include <QLocale>

// The desktop user's locale: names and date formats from QLocale, the Qt
// date patterns reduced to the d/M/y letters the core formats with.
class TQtLocale : public ILocale {
public:
    explicit TQtLocale(const QLocale& locale = QLocale::system());

    std::string LongMonthName(int month) const override;
    std::string ShortMonthName(int month) const override;
    std::string LongDayName(int day) const override;
    std::string ShortDayName(int day) const override;
    std::string ShortDateFormat() const override;
    std::string LongDateFormat() const override;
    std::string LowerCase(const std::string& text) const override;
    std::string Country() const override;

    // A Qt date pattern with everything but d, M, y, quoted text and
    // separators removed (weekday and era letters, time parts).
    static std::string ToCorePattern(const QString& qtPattern);

private:
    QLocale FLocale;
};
