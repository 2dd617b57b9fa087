#pragma once

#include "platform/Date.h"
#include "platform/FormPresenter.h"

#include <array>
#include <string>
#include <vector>

// The arrows of the year's up-down control.
enum TUDBtnType { btNext, btPrev };

// The date dialog of a recurring date: a month calendar with month and year
// selectors and the list of recurrence modes worded for the chosen date.
class TRecurringDateDlg : public TFormPresenter {
public:
    TRecurringDateDlg();
    std::string FormName() const override { return "TRecurringDateDlg"; }

    static constexpr int kGridCols = 7;
    static constexpr int kGridRows = 7;

    // --- set by the caller before the dialog is shown ---
    bool UseToday = true; // start at today instead of StartDate
    TDate StartDate;      // today unless the caller gives a date
    int RecurMode = 0;    // the mode selected at the start

    // --- controls ---
    std::string DateLabel;                       // current date, long format
    std::vector<std::string> MonthSelectorItems; // long month names
    int MonthSelector = -1;                      // selected index (month - 1)
    std::string YearSelector;                    // the year as text
    // Row 0 the short weekday names (Sunday first), rows 1..6 the day
    // numbers of the month; MonthGrid[row][col].
    std::array<std::array<std::string, kGridCols>, kGridRows> MonthGrid;
    int MonthGridCol = 0; // the selected cell
    int MonthGridRow = 1;
    std::vector<std::string> RecurModeComboItems;
    int RecurModeCombo = -1;

    // --- handlers ---
    // Fills the dialog from StartDate and RecurMode. Only the first call
    // does so: activating the dialog again (after switching windows) keeps
    // what the user has chosen.
    void FormActivate();
    void MonthSelectorChange();
    void YearUpDownClick(TUDBtnType button);
    // A click on a cell; a cell holding a day number selects that day.
    void MonthGridClick(int col, int row);
    void OKButtonClick();
    void CancelButtonClick();

    // The date the dialog closed with: the chosen date after OK, the
    // starting date after Cancel.
    TDate ResultDate;
    const TDate& CurrentDate() const { return FCurrent; }

private:
    void FitDay();
    void DrawMonth();
    void RebuildModeList();

    bool FActivated = false;
    int FDay = 1;
    int FMonth = 1;
    int FYear = 1;
    TDate FCurrent;
};
