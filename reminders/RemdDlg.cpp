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

bool TRemdDlg::Run(TReminderObject& reminder, const std::string& title) {
    TRemdDlg dlg;
    dlg.Rule = &reminder.Rule();
    dlg.TitleEdit = title;
    dlg.RemdComment = reminder.GetComment();
    dlg.TargetDateLabel = reminder.Rule().Description();
    dlg.BindCategories(reminder);
    if (dlg.ShowModal() != mrOk || dlg.TitleEdit.empty()) return false;
    reminder.SetTitle(dlg.TitleEdit);
    reminder.SetTarget(reminder.Rule().DateText());
    reminder.SetComment(dlg.RemdComment);
    reminder.UpdateDue();
    return true;
}

bool TRemdDlg::EditNew(TReminderObject& reminder) {
    return Run(reminder, "New Reminder");
}

void TRemdDlg::EditRecord(TReminderObject& reminder) {
    Run(reminder, reminder.GetTitle());
}
