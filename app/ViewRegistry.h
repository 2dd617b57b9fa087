#pragma once

// Enters every Qt view of the program in the view factory's registry: the
// desktop program calls it once at start, the Qt tests before their first
// dialog.
void RegisterAllViews();
