#pragma once

#include <string>
#include <vector>

class TContactStore;

// merrowin-cli import TYPE FILE-OR-DIR [PATH] [options]: the import wizard's
// import without a display, below the node at PATH (the root by default).
// Prints "N records created, M lines skipped" and saves. An error stops the
// import: what was made before it is saved, the error names the file and
// line, and the status is 1. Answers the exit status (2 on a usage error)
// after printing any error on standard error.
int ImportCommand(TContactStore& document, const std::vector<std::string>& args);

extern const char* const kImportUsage;
