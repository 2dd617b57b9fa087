#pragma once

#include "records/OKBottomDlg.h"

#include <string>

class TRecurringDate;
class TReminderObject;

// The reminder dialog ("Reminder"). "Set Date..." and "Advance" work on a
// copy of the reminder's rule that OK hands back, so that Cancel leaves the
// reminder as it was: a rule changed behind a cancelled dialog would no
// longer agree with the date text the list shows and the due mark.
class TRemdDlg : public TOKBottomDlg {
public:
    TRemdDlg() { Caption = "Reminder"; }
    std::string FormName() const override { return "TRemdDlg"; }

    std::string TitleEdit;
    std::string RemdComment;
    std::string TargetDateLabel; // the rule in words

    // The rule the buttons work on: the dialog's own copy.
    TRecurringDate* Rule = nullptr;

    void SetDateBtnClick();
    void AdvanceBtnClick();

    // A new reminder: false when cancelled or left without a title (the
    // caller deletes the record).
    static bool EditNew(TReminderObject& reminder);
    // An existing reminder: an OK with an empty title changes nothing.
    static void EditRecord(TReminderObject& reminder);

private:
    // Shows the dialog for the reminder; true on OK with a title, after
    // which the reminder has taken title, comment and due mark, and the date
    // text when it is new or its date changed.
    static bool Run(TReminderObject& reminder, const std::string& title, bool isNew);
};
