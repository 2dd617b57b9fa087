#pragma once

#include "platform/Date.h"

#include <string>

// The user's locale: month and day names, date formats, lower-casing.
// Days are numbered 1 = Sunday ... 7 = Saturday, months 1 = January.
class ILocale {
public:
    virtual ~ILocale() = default;
    virtual std::string LongMonthName(int month) const = 0;
    virtual std::string ShortMonthName(int month) const = 0;
    virtual std::string LongDayName(int day) const = 0;
    virtual std::string ShortDayName(int day) const = 0;
    // Patterns in the letters d, M, y (d, dd, ddd, dddd, M, MM, MMM, MMMM, yy, yyyy).
    virtual std::string ShortDateFormat() const = 0;
    virtual std::string LongDateFormat() const = 0;
    virtual std::string LowerCase(const std::string& text) const = 0;
    // The country of the locale as its two-letter ISO 3166 code ("DE"),
    // empty when the locale names none.
    virtual std::string Country() const = 0;

    // A date in one of the patterns above, with this locale's names.
    std::string FormatDate(const std::string& pattern, const TDate& date) const;
    std::string ShortDate(const TDate& date) const { return FormatDate(ShortDateFormat(), date); }
    std::string LongDate(const TDate& date) const { return FormatDate(LongDateFormat(), date); }
};

// A fixed English locale (short format d/M/yy, long format dddd, d MMMM yyyy)
// for the command line and the tests. Lower-cases ASCII letters only. Its
// country is CountryCode, "US" unless set.
class TEnglishLocale : public ILocale {
public:
    std::string LongMonthName(int month) const override;
    std::string ShortMonthName(int month) const override;
    std::string LongDayName(int day) const override;
    std::string ShortDayName(int day) const override;
    std::string ShortDateFormat() const override { return "d/M/yy"; }
    std::string LongDateFormat() const override { return "dddd, d MMMM yyyy"; }
    std::string LowerCase(const std::string& text) const override;
    std::string Country() const override { return CountryCode; }

    std::string CountryCode = "US";
};
