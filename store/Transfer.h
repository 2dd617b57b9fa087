#pragma once

#include <string>
#include <vector>

class TKexObject;
class TTextWriter;
class TTreeNode;
struct TFilterState;

// Moving records through the clipboard: the transfer text (the data file's
// records without a header, levels from 1) passes through "clipdata.dat" and
// goes on the clipboard under the private format.
namespace transfer {

// The list-pane copy: each selected tree record with its whole subtree,
// each detail item at level 1; every record keeps its categories.
void WriteListSelection(TTextWriter& f, const std::vector<TKexObject*>& selected);

// Copies the node's subtree (WriteSubtree, keeping categories), without the
// records the filter hides, to the clipboard.
void CopyNode(TTreeNode* node, const TFilterState& filter);
// Copies the list selection to the clipboard; nothing when it is empty.
void CopyListSelection(const std::vector<TKexObject*>& selected);

// Pastes the clipboard's transfer text below node and sorts its children.
// Answers false when the clipboard holds no transfer text.
bool Paste(TTreeNode* node);

} // namespace transfer
