#pragma once

#include <string>
#include <vector>

class TTreeNodes;

// merrowin-cli publish FORM PATH TARGET [options]: the node at PATH and
// everything below it as a web site (html, TARGET a folder), a
// comma-separated file (csv), a transfer file (tvd) or a vCard (vcf).
// Answers the exit status (0, 1 on a failed write, 2 on a usage error or a
// refused name) after printing any error on standard error.
int PublishCommand(TTreeNodes& tree, const std::vector<std::string>& args);

extern const char* const kPublishUsage;
