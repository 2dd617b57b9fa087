#pragma once

#include <string>
#include <vector>

class TTreeNodes;

// merrowin-cli print TYPE PATH --pdf FILE [options]: a report of the node at
// PATH and everything below it, written as a PDF without a display. Answers
// the exit status (0, 1 on a failed write, 2 on a usage error) after
// printing any error on standard error.
int PrintCommand(TTreeNodes& tree, const std::vector<std::string>& args);

extern const char* const kPrintUsage;
