#include "reminders/ui/ReminderViews.h"

void RegisterReminderViews() {
    RegisterRemdView();
    RegisterRecurringDateView();
}
