#include "platform/Date.h"

bool TDate::IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int TDate::DaysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool TDate::IsValid(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInMonth(year, month);
}

// Days from civil, after H. Hinnant's public-domain algorithm.
namespace {
long DaysFromCivil(long y, long m, long d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}
// 1899-12-30 relative to 1970-01-01.
const long kSerialEpoch = DaysFromCivil(1899, 12, 30);
} // namespace

long TDate::ToSerial() const {
    return DaysFromCivil(Year, Month, Day) - kSerialEpoch;
}

TDate TDate::FromSerial(long serial) {
    long z = serial + kSerialEpoch + 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long y = yoe + era * 400;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const long d = doy - (153 * mp + 2) / 5 + 1;
    const long m = mp + (mp < 10 ? 3 : -9);
    return TDate{static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

int TDate::DayOfWeek() const {
    // Serial 0 (30 December 1899) was a Saturday.
    long s = ToSerial();
    long r = ((s % 7) + 7 + 6) % 7; // 0 = Sunday
    return static_cast<int>(r) + 1;
}
