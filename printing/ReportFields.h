#pragma once

#include "report/ReportFont.h"
#include "store/TreeNode.h"
#include "store/TreeNodes.h"

#include <initializer_list>
#include <string>
#include <vector>

class TKexObject;

// What the report forms share: the nodes a report covers, the column values
// they read from records and the lines of a printed address.
namespace reportfields {

// A report covers its node and everything below it: the node's position in
// the tree's depth-first order and that of the last node of its subtree.
struct TNodeRange {
    int First = 0;
    int Last = -1;
};
TNodeRange NodeRange(const TTreeNode& node);

// Calls visit with the record of every node in the range, in tree order.
template <typename F>
void ForEachRecord(const TTreeNodes& tree, TNodeRange range, F&& visit) {
    for (int i = range.First; i <= range.Last; ++i)
        if (TTreeNode* node = tree.Item(i); node && node->Data()) visit(*node->Data());
}

// The object's values of the named export columns, unquoted. Each column is
// read on its own, so a record that lacks one gives "" in its place and the
// columns after it keep their positions.
std::vector<std::string> Fields(const TKexObject& object, std::initializer_list<const char*> names);

// The street lines, city and postal lines of a label or an address book
// entry from the values of "Address Line 1" to "Country" (seven of them):
// the street lines that are not empty, "City, State" (the state alone when
// there is no city; no line when both are empty), "Postal Country".
std::vector<std::string> PostalLines(const std::vector<std::string>& address);

// The values of "Address Line 1" to "Country".
std::vector<std::string> AddressFields(const TKexObject& object);

// The first character of stored text: a whole UTF-8 sequence, else one byte
// (Windows-1252 text from older files).
std::string FirstCharacter(const std::string& text);

std::string JoinLines(const std::vector<std::string>& lines, const char* separator = "\n");

// Settings typed without their decimal point ("05" for 0.5): the digits as a
// number, a blank position counting as 0; "" is 0.
int DigitsValue(const std::string& text);
// A length for an edit: decimal, padded on the left with "0" to width digits.
std::string PaddedDigits(int value, int width);

// The height of one line of text in a font, with room to spare, for bands
// whose height follows their number of lines.
double LineHeight(const TReportFont& font);

} // namespace reportfields
