#pragma once

// Enters the reminder class in the store's kind-to-class table.
void RegisterReminderClasses();
