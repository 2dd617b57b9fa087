#pragma once

// The Qt views of the reminder and date dialogs, entered in the view
// factory's registry by RegisterReminderViews.
void RegisterReminderViews();

void RegisterRemdView();
void RegisterRecurringDateView();
