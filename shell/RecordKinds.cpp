#include "shell/RecordKinds.h"

#include "records/RecordClasses.h"
#include "reminders/ReminderClasses.h"

void RegisterRecordKinds() {
    RegisterRecordClasses();
    RegisterReminderClasses();
}
