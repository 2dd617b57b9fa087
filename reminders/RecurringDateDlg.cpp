#include "reminders/RecurringDateDlg.h"

#include "platform/Locale.h"
#include "reminders/RecurringDate.h"

TRecurringDateDlg::TRecurringDateDlg() : StartDate(TRecurringDate::Today()) {
    Caption = "Select Date";
    ResultDate = StartDate;
    FCurrent = StartDate;
}

void TRecurringDateDlg::FormActivate() {
    if (FActivated) return;
    FActivated = true;
    const ILocale& loc = TRecurringDate::Locale();
    if (UseToday) StartDate = TRecurringDate::Today();
    FCurrent = StartDate;
    FDay = FCurrent.Day;
    FMonth = FCurrent.Month;
    FYear = FCurrent.Year;
    for (int c = 0; c < kGridCols; ++c)
        MonthGrid[0][static_cast<size_t>(c)] = loc.ShortDayName(c + 1);
    MonthSelectorItems.clear();
    for (int m = 1; m <= 12; ++m)
        MonthSelectorItems.push_back(loc.LongMonthName(m));
    MonthSelector = FMonth - 1;
    DrawMonth();
    RebuildModeList();
    RecurModeCombo = RecurMode >= 0 && RecurMode < TRecurringDate::kModeCount ? RecurMode : -1;
    Changed();
}

void TRecurringDateDlg::FitDay() {
    const int last = TDate::DaysInMonth(FYear, FMonth);
    if (FDay > last) FDay = last;
    FCurrent = TDate{FYear, FMonth, FDay};
    RebuildModeList();
}

void TRecurringDateDlg::DrawMonth() {
    DateLabel = TRecurringDate::Locale().LongDate(FCurrent);
    for (size_t r = 1; r < kGridRows; ++r)
        MonthGrid[r].fill(std::string());
    int col = TDate{FYear, FMonth, 1}.DayOfWeek() - 1;
    int row = 1;
    const int days = TDate::DaysInMonth(FYear, FMonth);
    for (int d = 1; d <= days && row < kGridRows; ++d) {
        MonthGrid[static_cast<size_t>(row)][static_cast<size_t>(col)] = std::to_string(d);
        if (d == FDay) {
            MonthGridCol = col;
            MonthGridRow = row;
        }
        if (++col == kGridCols) {
            col = 0;
            ++row;
        }
    }
    YearSelector = std::to_string(FYear);
}

void TRecurringDateDlg::RebuildModeList() {
    const int selected = RecurModeCombo;
    RecurModeComboItems.clear();
    for (int m = 0; m < TRecurringDate::kModeCount; ++m)
        RecurModeComboItems.push_back(TRecurringDate::ModeText(m, FCurrent));
    RecurModeCombo = selected;
}

void TRecurringDateDlg::MonthSelectorChange() {
    if (MonthSelector < 0 || MonthSelector > 11) return;
    FMonth = MonthSelector + 1;
    FitDay();
    DrawMonth();
    Changed();
}

void TRecurringDateDlg::YearUpDownClick(TUDBtnType button) {
    if (button == btNext && FYear < 9999)
        ++FYear;
    else if (button == btPrev && FYear > 1)
        --FYear;
    FitDay();
    DrawMonth();
    Changed();
}

void TRecurringDateDlg::MonthGridClick(int col, int row) {
    if (col >= 0 && col < kGridCols && row >= 1 && row < kGridRows) {
        const std::string& cell = MonthGrid[static_cast<size_t>(row)][static_cast<size_t>(col)];
        if (!cell.empty()) {
            FDay = std::stoi(cell);
            FitDay();
        }
    }
    DrawMonth();
    Changed();
}

void TRecurringDateDlg::OKButtonClick() {
    ResultDate = FCurrent;
    SetModalResult(mrOk);
}

void TRecurringDateDlg::CancelButtonClick() {
    ResultDate = StartDate;
    SetModalResult(mrCancel);
}
