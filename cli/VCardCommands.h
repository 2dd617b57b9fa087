#pragma once

#include <string>
#include <vector>

class TContactStore;

// merrowin-cli import-vcf FILE [PATH] [--orgs ask|person|org] and export-vcf
// PATH FILE. The document is loaded here (import saves it afterwards).
// Answers the exit status (0, 1 on a failed read or write, 2 on a usage
// error) after printing what was done on standard output, or the error on
// standard error.
int VCardCommand(TContactStore& document, const std::string& command,
                 const std::vector<std::string>& args);
