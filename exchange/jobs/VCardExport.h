#pragma once

#include <string>

class TTreeNode;

// Writes the vCard file of a node: for a person or an organization its own
// one-card file (SaveVCard); for any other node one file holding a card for
// every person and organization below it, in tree order. Answers the number
// of cards written; raises EInOutError when the file cannot be written (an
// old file is then left whole).
int ExportVCardFile(const TTreeNode* node, const std::string& fileName);
