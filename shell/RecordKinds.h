#pragma once

// Fills the store's kind-to-class table with every record class of the
// program. The composition roots (the desktop program, the command line,
// the test and bench set-ups) call it once before a tree is read.
void RegisterRecordKinds();
