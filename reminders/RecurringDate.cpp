#include "reminders/RecurringDate.h"

#include "exchange/CommaText.h"
#include "platform/Clock.h"
#include "platform/Errors.h"
#include "platform/Locale.h"
#include "platform/Services.h"
#include "reminders/RecurringDateDlg.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <vector>

namespace {

// No date lies beyond it, so the search for a month with the rule's day ends there.
constexpr int kLastYear = 9999;

// A whole decimal integer (optional sign) that fits 32 bits, as the stored
// rule writes it; anything else is a conversion error.
int StrToInt(const std::string& s) {
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    bool digits = i < s.size();
    for (size_t k = i; k < s.size(); ++k)
        if (s[k] < '0' || s[k] > '9') digits = false;
    if (digits) {
        errno = 0;
        long long v = std::strtoll(s.c_str(), nullptr, 10);
        if (errno == 0 && v >= INT_MIN && v <= INT_MAX) return static_cast<int>(v);
    }
    throw EConvertError("'" + s + "' is not a valid integer value");
}

} // namespace

TDate TRecurringDate::Today() {
    return Svc().UseClock().Today();
}

const ILocale& TRecurringDate::Locale() {
    return Svc().UseLocale();
}

TRecurringDate::TRecurringDate() {
    TDate today = Today();
    Year = today.Year;
    Month = today.Month;
    Day = today.Day;
}

std::string TRecurringDate::Ordinal(int n) {
    const char* suffix = "th";
    if (n < 10 || n > 20) {
        switch (((n % 10) + 10) % 10) {
        case 1:
            suffix = "st";
            break;
        case 2:
            suffix = "nd";
            break;
        case 3:
            suffix = "rd";
            break;
        default:
            break;
        }
    }
    return std::to_string(n) + suffix;
}

int TRecurringDate::WeekOfMonth(int day) {
    return (day + 6) / 7;
}

std::string TRecurringDate::WeekLabel(int day) {
    int week = WeekOfMonth(day);
    return week == 5 ? std::string("Last") : Ordinal(week);
}

std::string TRecurringDate::ModeText(int mode, const TDate& date) {
    const ILocale& loc = Locale();
    switch (mode) {
    case 0:
        return "Does not recur";
    case 1:
        return "Every " + Ordinal(date.Day) + " of the month";
    case 2:
        return "Every " + loc.LongMonthName(date.Month) + " " + Ordinal(date.Day);
    case 3:
        return "Every " + loc.LongDayName(date.DayOfWeek());
    case 4:
        return "Every other " + loc.LongDayName(date.DayOfWeek());
    case 5:
        return "Every " + WeekLabel(date.Day) + " " + loc.ShortDayName(date.DayOfWeek()) +
               " of the month";
    default:
        return {};
    }
}

void TRecurringDate::Advance() {
    if (!IsValidDate()) return; // nothing to count from; the dialog can repair it
    TDate d = GetDate();
    TDate next = d;
    switch (RecurMode) {
    case 0:
        next = d.AddDays(1);
        break;
    case 1:
        // A day the next month lacks (the 31st, 30 February) lands on the
        // next month that has it; the rule keeps its day.
        do {
            if (++next.Month > 12) {
                next.Month = 1;
                ++next.Year;
            }
        } while (next.Year <= kLastYear && !TDate::IsValid(next.Year, next.Month, next.Day));
        break;
    case 2:
        // 29 February moves to the next leap year.
        do
            ++next.Year;
        while (next.Year <= kLastYear && !TDate::IsValid(next.Year, next.Month, next.Day));
        break;
    case 3:
        next = d.AddDays(7);
        break;
    case 4:
        next = d.AddDays(14);
        break;
    case 5: {
        // Same weekday, same week of the month; a weekday in the fifth week
        // means the last one of its month, which may fall in week 4 or 5.
        const int n = WeekOfMonth(d.Day);
        for (;;) {
            next = next.AddDays(7);
            const int w = WeekOfMonth(next.Day);
            if (w == n) break;
            if (n == 5 && w >= 3 && next.AddDays(7).Month != next.Month) break;
        }
        break;
    }
    default:
        return;
    }
    if (!TDate::IsValid(next.Year, next.Month, next.Day)) return;
    Year = next.Year;
    Month = next.Month;
    Day = next.Day;
}

std::string TRecurringDate::DateText() const {
    return Locale().ShortDate(GetDate());
}

std::string TRecurringDate::Description() const {
    std::string s = DateText();
    if (!IsValidDate()) return s;
    const ILocale& loc = Locale();
    const TDate d = GetDate();
    switch (RecurMode) {
    case 1:
        s += " and every following " + Ordinal(Day) + " of the month";
        break;
    case 2:
        s += " and every following " + loc.LongMonthName(Month) + " " + Ordinal(Day);
        break;
    case 3:
        s += " and every following " + loc.LongDayName(d.DayOfWeek());
        break;
    case 4:
        s += " and every following other " + loc.LongDayName(d.DayOfWeek());
        break;
    case 5:
        s += " and every following " + WeekLabel(Day) + " " + loc.ShortDayName(d.DayOfWeek()) +
             " of the month";
        break;
    default:
        break;
    }
    return s;
}

std::string TRecurringDate::AsText() const {
    return std::to_string(Year) + "," + std::to_string(Month) + "," + std::to_string(Day) + "," +
           std::to_string(RecurMode);
}

void TRecurringDate::SetFromText(const std::string& text) {
    std::vector<std::string> items = commatext::SplitCommaText(text);
    if (items.size() != 4) return;
    Year = StrToInt(items[0]);
    Month = StrToInt(items[1]);
    Day = StrToInt(items[2]);
    RecurMode = StrToInt(items[3]);
}

bool TRecurringDate::Execute() {
    TRecurringDateDlg dlg;
    dlg.UseToday = UseToday;
    // A rule whose numbers form no date opens the dialog at today instead.
    if (!UseToday && IsValidDate()) dlg.StartDate = GetDate();
    dlg.RecurMode = RecurMode;
    dlg.Caption = DialogCaption;
    dlg.HasPosition = DialogPosition == dpDesigned;
    dlg.Top = DialogTop;
    dlg.Left = DialogLeft;
    dlg.FormActivate();
    if (dlg.ShowModal() != mrOk) return false;
    Year = dlg.ResultDate.Year;
    Month = dlg.ResultDate.Month;
    Day = dlg.ResultDate.Day;
    if (dlg.RecurModeCombo >= 0 && dlg.RecurModeCombo < kModeCount) RecurMode = dlg.RecurModeCombo;
    return true;
}
