#include "reminders/RemdDlg.h"

#include "reminders/ReminderObject.h"

void TRemdDlg::SetDateBtnClick() {
    if (!Rule) return;
    Rule->Execute();
    TargetDateLabel = Rule->Description();
    Changed();
}

void TRemdDlg::AdvanceBtnClick() {
    if (!Rule) return;
    Rule->Advance();
    TargetDateLabel = Rule->Description();
    Changed();
}

bool TRemdDlg::Run(TReminderObject& reminder, const std::string& title, bool isNew) {
    const std::string ruleBefore = reminder.Rule().AsText();
    TRecurringDate rule = reminder.Rule();
    TRemdDlg dlg;
    dlg.Rule = &rule;
    dlg.TitleEdit = title;
    dlg.RemdComment = reminder.GetComment();
    dlg.TargetDateLabel = reminder.Rule().Description();
    dlg.BindCategories(reminder);
    if (dlg.ShowModal() != mrOk || dlg.TitleEdit.empty()) return false;
    reminder.Rule() = rule;
    reminder.SetTitle(dlg.TitleEdit);
    // The date text of an unchanged date stays as stored (it may be written
    // in another locale's format).
    if (isNew || reminder.Rule().AsText() != ruleBefore)
        reminder.SetTarget(reminder.Rule().DateText());
    reminder.SetComment(dlg.RemdComment);
    reminder.UpdateDue();
    return true;
}

bool TRemdDlg::EditNew(TReminderObject& reminder) {
    return Run(reminder, "New Reminder", true);
}

void TRemdDlg::EditRecord(TReminderObject& reminder) {
    Run(reminder, reminder.GetTitle(), false);
}
