#include "reminders/RecurringDate.h"

#include "platform/Errors.h"
#include "reminders/RecurringDateDlg.h"
#include "support/TestServices.h"

#include <gtest/gtest.h>
#include <ostream>

// Dates print as year-month-day in failure messages.
inline std::ostream& operator<<(std::ostream& os, const TDate& d) {
    return os << d.Year << '-' << d.Month << '-' << d.Day;
}

namespace {

TRecurringDate Rule(int y, int m, int d, int mode) {
    TRecurringDate r;
    r.Year = y;
    r.Month = m;
    r.Day = d;
    r.RecurMode = mode;
    return r;
}

struct AdvanceCase {
    TDate From;
    int Mode;
    TDate To;
};

std::ostream& operator<<(std::ostream& os, const AdvanceCase& c) {
    return os << c.From << " mode " << c.Mode << " -> " << c.To;
}

class RecurringDateAdvance : public ::testing::TestWithParam<AdvanceCase> {};

} // namespace

TEST_P(RecurringDateAdvance, MovesToNextOccurrenceThatExists) {
    TTestServices svc;
    const AdvanceCase& c = GetParam();
    TRecurringDate r = Rule(c.From.Year, c.From.Month, c.From.Day, c.Mode);
    r.Advance();
    EXPECT_EQ(r.GetDate(), c.To);
    EXPECT_EQ(r.RecurMode, c.Mode);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, RecurringDateAdvance,
    ::testing::Values(
        // Monthly: a day the next month lacks moves on to the next month
        // that has it.
        AdvanceCase{{2026, 1, 31}, 1, {2026, 3, 31}}, AdvanceCase{{1998, 1, 30}, 1, {1998, 3, 30}},
        AdvanceCase{{2000, 1, 30}, 1, {2000, 3, 30}}, AdvanceCase{{2000, 1, 29}, 1, {2000, 2, 29}},
        AdvanceCase{{1998, 3, 31}, 1, {1998, 5, 31}}, AdvanceCase{{1998, 7, 31}, 1, {1998, 8, 31}},
        AdvanceCase{{1998, 1, 28}, 1, {1998, 2, 28}}, AdvanceCase{{1998, 12, 15}, 1, {1999, 1, 15}},
        AdvanceCase{{1998, 12, 31}, 1, {1999, 1, 31}},

        // Yearly: 29 February moves to the next leap year, past 1900.
        AdvanceCase{{2000, 2, 29}, 2, {2004, 2, 29}}, AdvanceCase{{1896, 2, 29}, 2, {1904, 2, 29}},
        AdvanceCase{{2000, 3, 1}, 2, {2001, 3, 1}},
        // No later month or year has the day: the rule stays.
        AdvanceCase{{9999, 12, 15}, 1, {9999, 12, 15}},
        AdvanceCase{{9996, 2, 29}, 2, {9996, 2, 29}},

        // Same weekday of the same week; a fifth week means the last one.
        AdvanceCase{{1998, 3, 10}, 5, {1998, 4, 14}}, AdvanceCase{{1998, 5, 29}, 5, {1998, 6, 26}},
        AdvanceCase{{1996, 11, 29}, 5, {1996, 12, 27}},
        AdvanceCase{{1998, 3, 31}, 5, {1998, 4, 28}}, AdvanceCase{{1998, 1, 30}, 5, {1998, 2, 27}},
        AdvanceCase{{1998, 12, 1}, 5, {1999, 1, 5}},
        // Day, week and fortnight steps cross month and year ends.
        AdvanceCase{{1998, 12, 31}, 0, {1999, 1, 1}}, AdvanceCase{{2000, 2, 28}, 0, {2000, 2, 29}},
        AdvanceCase{{1998, 3, 28}, 3, {1998, 4, 4}}, AdvanceCase{{1998, 12, 25}, 4, {1999, 1, 8}},
        // Unknown modes and dates that do not exist never move.
        AdvanceCase{{1998, 3, 14}, 6, {1998, 3, 14}}, AdvanceCase{{1998, 2, 31}, 0, {1998, 2, 31}},
        AdvanceCase{{1998, 13, 1}, 3, {1998, 13, 1}}));

TEST(RecurringDate, OrdinalsAndWeekLabels) {
    const std::pair<int, const char*> ordinals[] = {
        {1, "1st"},   {2, "2nd"},   {3, "3rd"},   {4, "4th"},   {10, "10th"},
        {11, "11th"}, {12, "12th"}, {13, "13th"}, {20, "20th"}, {21, "21st"},
        {22, "22nd"}, {23, "23rd"}, {30, "30th"}, {31, "31st"}};
    for (const auto& [n, text] : ordinals)
        EXPECT_EQ(TRecurringDate::Ordinal(n), text) << n;
    const std::pair<int, const char*> weeks[] = {
        {1, "1st"}, {7, "1st"}, {8, "2nd"}, {21, "3rd"}, {28, "4th"}, {29, "Last"}, {31, "Last"}};
    for (const auto& [day, text] : weeks)
        EXPECT_EQ(TRecurringDate::WeekLabel(day), text) << day;
}

TEST(RecurringDate, DescriptionWordsEachModeInTheLocale) {
    TTestServices svc;
    const std::pair<int, const char*> cases[] = {
        {0, "14/3/98"},
        {1, "14/3/98 and every following 14th of the month"},
        {2, "14/3/98 and every following March 14th"},
        {3, "14/3/98 and every following Saturday"},
        {4, "14/3/98 and every following other Saturday"},
        {5, "14/3/98 and every following 2nd Sat of the month"},
        {9, "14/3/98"}};
    for (const auto& [mode, text] : cases)
        EXPECT_EQ(Rule(1998, 3, 14, mode).Description(), text) << mode;
    EXPECT_EQ(Rule(1998, 5, 29, 5).Description(),
              "29/5/98 and every following Last Fri of the month");
    EXPECT_EQ(Rule(1998, 2, 31, 2).Description(), "31/2/98");
}

TEST(RecurringDate, StoredTextRoundTripsAndOnlyFourItemsAreTaken) {
    TTestServices svc;
    TRecurringDate r = Rule(1999, 7, 5, 3);
    EXPECT_EQ(r.AsText(), "1999,7,5,3");

    r.SetFromText("1998,3,14,5");
    EXPECT_EQ(r.AsText(), "1998,3,14,5");
    r.SetFromText(" 2001 2, 3 ,4 ");
    EXPECT_EQ(r.AsText(), "2001,2,3,4");
    for (const char* ignored : {"1,2,3", "1,2,3,4,5", "", "1 2 3"}) {
        r.SetFromText(ignored);
        EXPECT_EQ(r.AsText(), "2001,2,3,4") << '"' << ignored << '"';
    }
}

TEST(RecurringDate, NonIntegerItemRaisesAfterTakingTheItemsBeforeIt) {
    TTestServices svc;
    TRecurringDate r = Rule(1998, 3, 14, 0);
    EXPECT_THROW(r.SetFromText("2001,x,3,4"), EConvertError);
    EXPECT_EQ(r.AsText(), "2001,3,14,0");
    EXPECT_THROW(r.SetFromText("1999,7,,1"), EConvertError);
    EXPECT_EQ(r.AsText(), "1999,7,14,0");
    EXPECT_THROW(r.SetFromText("1999,7,5,99999999999"), EConvertError);
    // A final comma leaves an empty fourth item.
    EXPECT_THROW(r.SetFromText("1,2,3,"), EConvertError);
}

// --- the date dialog ---------------------------------------------------------

namespace {
TRecurringDateDlg& Open(TRecurringDateDlg& dlg, TDate start, int mode = 0) {
    dlg.UseToday = false;
    dlg.StartDate = start;
    dlg.RecurMode = mode;
    dlg.FormActivate();
    return dlg;
}
} // namespace

TEST(RecurringDateDlg, DrawsTheMonthWithWeekdayHeaderAndSelectsTheDay) {
    TTestServices svc;
    TRecurringDateDlg dlg;
    Open(dlg, {1998, 3, 14}, 5);
    // March 1998 begins on a Sunday and ends on a Tuesday in row 5.
    EXPECT_EQ(dlg.MonthGrid[0][0], "Sun");
    EXPECT_EQ(dlg.MonthGrid[0][6], "Sat");
    EXPECT_EQ(dlg.MonthGrid[1][0], "1");
    EXPECT_EQ(dlg.MonthGrid[5][2], "31");
    EXPECT_EQ(dlg.MonthGrid[5][3], "");
    EXPECT_EQ(dlg.MonthGrid[6][0], "");
    EXPECT_EQ(dlg.MonthGridRow, 2);
    EXPECT_EQ(dlg.MonthGridCol, 6);
    EXPECT_EQ(dlg.DateLabel, "Saturday, 14 March 1998");
    EXPECT_EQ(dlg.MonthSelector, 2);
    EXPECT_EQ(dlg.YearSelector, "1998");
    EXPECT_EQ(dlg.RecurModeCombo, 5);
    EXPECT_EQ(dlg.RecurModeComboItems,
              (std::vector<std::string>{"Does not recur", "Every 14th of the month",
                                        "Every March 14th", "Every Saturday",
                                        "Every other Saturday", "Every 2nd Sat of the month"}));

    // May 1998 starts on a Friday: 31 lands in the sixth row.
    dlg.MonthSelector = 4;
    dlg.MonthSelectorChange();
    EXPECT_EQ(dlg.MonthGrid[1][5], "1");
    EXPECT_EQ(dlg.MonthGrid[6][0], "31");
}

TEST(RecurringDateDlg, DayIsFittedToTheChosenMonthAndYear) {
    TTestServices svc;
    struct Case {
        TDate Start;
        int Month; // chosen in the selector
        int Day;   // expected afterwards
    };
    const Case cases[] = {{{1998, 1, 31}, 2, 28}, {{2000, 1, 31}, 2, 29},  {{1900, 1, 30}, 2, 28},
                          {{1998, 1, 31}, 4, 30}, {{1998, 1, 31}, 12, 31}, {{1998, 3, 15}, 2, 15}};
    for (const Case& c : cases) {
        TRecurringDateDlg dlg;
        Open(dlg, c.Start);
        dlg.MonthSelector = c.Month - 1;
        dlg.MonthSelectorChange();
        EXPECT_EQ(dlg.CurrentDate(), (TDate{c.Start.Year, c.Month, c.Day}))
            << c.Start << " to month " << c.Month;
        const auto& cell = dlg.MonthGrid[static_cast<size_t>(dlg.MonthGridRow)]
                                        [static_cast<size_t>(dlg.MonthGridCol)];
        EXPECT_EQ(cell, std::to_string(c.Day));
    }

    TRecurringDateDlg leap;
    Open(leap, {2000, 2, 29});
    leap.YearUpDownClick(btNext);
    EXPECT_EQ(leap.CurrentDate(), (TDate{2001, 2, 28}));
    EXPECT_EQ(leap.YearSelector, "2001");
}

TEST(RecurringDateDlg, GridClickOnADayRewordsModesAndKeepsTheSelectedMode) {
    TTestServices svc;
    TRecurringDateDlg dlg;
    Open(dlg, {1998, 3, 14}, 5);
    dlg.MonthGridClick(2, 5); // Tuesday 31 March
    EXPECT_EQ(dlg.CurrentDate(), (TDate{1998, 3, 31}));
    EXPECT_EQ(dlg.RecurModeCombo, 5);
    EXPECT_EQ(dlg.RecurModeComboItems[5], "Every Last Tue of the month");
    EXPECT_EQ(dlg.RecurModeComboItems[2], "Every March 31st");
    EXPECT_EQ(dlg.DateLabel, "Tuesday, 31 March 1998");

    // Empty cells and the header change nothing.
    dlg.MonthGridClick(6, 6);
    dlg.MonthGridClick(3, 0);
    EXPECT_EQ(dlg.CurrentDate(), (TDate{1998, 3, 31}));
    EXPECT_EQ(dlg.MonthGridRow, 5);
    EXPECT_EQ(dlg.MonthGridCol, 2);
}

TEST(RecurringDateDlg, ActivatingAgainKeepsTheUsersChoice) {
    TTestServices svc;
    TRecurringDateDlg dlg;
    Open(dlg, {1998, 3, 14});
    dlg.MonthGridClick(0, 1);
    dlg.FormActivate();
    EXPECT_EQ(dlg.CurrentDate(), (TDate{1998, 3, 1}));
}

TEST(RecurringDate, ExecuteTakesDateAndModeOnlyOnOk) {
    TTestServices svc;
    TRecurringDate r = Rule(1998, 5, 29, 0);
    r.UseToday = false;
    r.DialogCaption = "Due date";
    std::string caption;
    TDate shownAt;
    svc.Views.On<TRecurringDateDlg>("TRecurringDateDlg", [&](TRecurringDateDlg& d) {
        caption = d.Caption;
        shownAt = d.CurrentDate();
        d.MonthGridClick(1, 2); // Monday 4 May
        d.RecurModeCombo = 4;
        d.OKButtonClick();
        return mrNone;
    });
    svc.Views.On<TRecurringDateDlg>("TRecurringDateDlg", [](TRecurringDateDlg& d) {
        d.MonthGridClick(3, 3);
        d.RecurModeCombo = 1;
        d.CancelButtonClick();
        return mrNone;
    });
    EXPECT_TRUE(r.Execute());
    EXPECT_EQ(caption, "Due date");
    EXPECT_EQ(shownAt, (TDate{1998, 5, 29}));
    EXPECT_EQ(r.AsText(), "1998,5,4,4");

    EXPECT_FALSE(r.Execute());
    EXPECT_EQ(r.AsText(), "1998,5,4,4");
}

TEST(RecurringDate, ExecuteStartsAtTodayWhenAskedOrWhenTheRuleHasNoRealDate) {
    TTestServices svc;
    std::vector<TDate> shown;
    svc.Views.On<TRecurringDateDlg>("TRecurringDateDlg", [&](TRecurringDateDlg& d) {
        shown.push_back(d.CurrentDate());
        d.OKButtonClick();
        return mrNone;
    });
    TRecurringDate useToday = Rule(2001, 1, 1, 0);
    EXPECT_TRUE(useToday.Execute());
    TRecurringDate damaged = Rule(1998, 2, 31, 7);
    damaged.UseToday = false;
    EXPECT_TRUE(damaged.Execute());
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], (TDate{1998, 3, 14}));
    EXPECT_EQ(shown[1], (TDate{1998, 3, 14}));
    // A mode outside the list stays when the list had nothing selected.
    EXPECT_EQ(damaged.AsText(), "1998,3,14,7");
}
