#pragma once

#include "platform/Date.h"

#include <string>

class ILocale;

// Where the date dialog appears: centred on the screen, or at DialogLeft and
// DialogTop.
enum TDialogPosition { dpScreenCenter, dpDesigned };

// One calendar date with a recurrence mode: it advances itself to the next
// occurrence, describes itself in words, stores itself as "year,month,day,mode"
// and lets the user pick date and mode in the date dialog.
//
// Modes: 0 does not recur, 1 monthly on the day, 2 yearly, 3 weekly,
// 4 every other week, 5 monthly on the same weekday of the same week
// ("2nd Tuesday", "Last Friday"). Other values never advance.
class TRecurringDate {
public:
    // Today's date, mode 0.
    TRecurringDate();

    // The numbers are kept as given (also when they form no real date, as a
    // damaged file may have it) so that they are written back unchanged.
    int Year;
    int Month;
    int Day;
    int RecurMode = 0;
    // The dialog opens at today's date instead of the rule's.
    bool UseToday = true;
    TDialogPosition DialogPosition = dpScreenCenter;
    int DialogTop = 0;
    int DialogLeft = 0;
    std::string DialogCaption = "Select a date";

    // Shows the date dialog; on OK takes its date and mode and answers true.
    bool Execute();
    // Moves to the next occurrence. A monthly or yearly rule whose day the
    // next month or year lacks (31 April, 29 February of a common year)
    // moves on to the next one that has it.
    void Advance();
    // "14/3/98 and every following 2nd Sat of the month".
    std::string Description() const;
    // The date in the locale's short format.
    std::string DateText() const;
    TDate GetDate() const { return TDate{Year, Month, Day}; }
    // Year, month and day form a real date.
    bool IsValidDate() const { return TDate::IsValid(Year, Month, Day); }

    // "1998,3,14,5".
    std::string AsText() const;
    // Takes four comma or blank separated integers; any other count changes
    // nothing. The numbers are taken in order, so an item that is not an
    // integer raises EConvertError after the items before it were taken.
    void SetFromText(const std::string& text);

    // "1st", "2nd", "3rd", "4th", "11th", "21st" ...
    static std::string Ordinal(int n);
    // 1 for days 1..7, 2 for 8..14 ... 5 for 29..31.
    static int WeekOfMonth(int day);
    // Ordinal of the week of the month, "Last" for the fifth.
    static std::string WeekLabel(int day);
    // The dialog's list text of a mode, worded for the given date.
    static std::string ModeText(int mode, const TDate& date);
    static constexpr int kModeCount = 6;

    // Today from the clock service, and the locale service (an English
    // locale and the system clock stand in where none is installed).
    static TDate Today();
    static const ILocale& Locale();
};
