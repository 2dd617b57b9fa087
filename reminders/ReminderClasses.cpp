#include "reminders/ReminderClasses.h"

#include "reminders/ReminderObject.h"
#include "store/RecordRegistry.h"

void RegisterReminderClasses() {
    TRecordRegistry::Register(kindReminder, MakeRecord<TReminderObject>);
}
