#pragma once

// Enters the classes of the record layer (folders, organizations, teams,
// persons, websites and the detail items but reminders) in the store's
// kind-to-class table.
void RegisterRecordClasses();
