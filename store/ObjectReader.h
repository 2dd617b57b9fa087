#pragma once

class TTextReader;
class TTreeNode;

// Reads records up to the end of f and attaches them below parent (record
// lines with their class lines, levels counted from 1 below parent). Raises
// EInOutError 106 with the line where a line is not a record line; the records
// read before it stay in the tree.
void ReadObjects(TTextReader& f, TTreeNode* parent);
