#pragma once

#include <compare>

// A calendar date without time. Serial numbers count days from 30 December 1899
// (the day 0 of the date type the stored files were written with).
struct TDate {
    int Year = 1899;
    int Month = 12;
    int Day = 30;

    auto operator<=>(const TDate&) const = default;

    static bool IsLeapYear(int year);
    static int DaysInMonth(int year, int month);
    static bool IsValid(int year, int month, int day);
    static TDate FromSerial(long serial);
    long ToSerial() const;
    // 1 = Sunday ... 7 = Saturday.
    int DayOfWeek() const;
    TDate AddDays(long days) const { return FromSerial(ToSerial() + days); }
};
