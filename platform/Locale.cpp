#include "platform/Locale.h"

#include "platform/TextCodec.h"

#include <cstdio>

namespace {
std::string Padded(int value, int width) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*d", width, value);
    return buf;
}

const char* const kMonths[] = {"January",   "February", "March",    "April",
                               "May",       "June",     "July",     "August",
                               "September", "October",  "November", "December"};
const char* const kDays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                             "Thursday", "Friday", "Saturday"};
} // namespace

std::string ILocale::FormatDate(const std::string& pattern, const TDate& date) const {
    std::string out;
    size_t i = 0;
    while (i < pattern.size()) {
        char c = pattern[i];
        size_t run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c)
            ++run;
        if (c == '\'' || c == '"') {
            // Quoted literal text.
            size_t end = pattern.find(c, i + 1);
            if (end == std::string::npos) end = pattern.size();
            out += pattern.substr(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        if (c == 'd') {
            if (run == 1)
                out += std::to_string(date.Day);
            else if (run == 2)
                out += Padded(date.Day, 2);
            else if (run == 3)
                out += ShortDayName(date.DayOfWeek());
            else
                out += LongDayName(date.DayOfWeek());
        } else if (c == 'M' || c == 'm') {
            if (run == 1)
                out += std::to_string(date.Month);
            else if (run == 2)
                out += Padded(date.Month, 2);
            else if (run == 3)
                out += ShortMonthName(date.Month);
            else
                out += LongMonthName(date.Month);
        } else if (c == 'y') {
            if (run <= 2)
                out += Padded(date.Year % 100, 2);
            else
                out += Padded(date.Year, 4);
        } else {
            out.append(run, c);
        }
        i += run;
    }
    return out;
}

std::string TEnglishLocale::LongMonthName(int month) const {
    return month >= 1 && month <= 12 ? kMonths[month - 1] : std::string();
}

std::string TEnglishLocale::ShortMonthName(int month) const {
    return textcodec::CutText(LongMonthName(month), 3);
}

std::string TEnglishLocale::LongDayName(int day) const {
    return day >= 1 && day <= 7 ? kDays[day - 1] : std::string();
}

std::string TEnglishLocale::ShortDayName(int day) const {
    return textcodec::CutText(LongDayName(day), 3);
}

std::string TEnglishLocale::LowerCase(const std::string& text) const {
    std::string s = text;
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}
