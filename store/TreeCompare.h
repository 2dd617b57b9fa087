#pragma once

class TKexObject;
class TTreeNode;

// The order of the tree's siblings and of the item list: folders before
// everything else, then titles without regard to ASCII case. An entry without
// a record compares equal to anything. Answers <0, 0 or >0.
int CompareObjects(const TKexObject* a, const TKexObject* b);
int FoldersCompare(const TTreeNode* a, const TTreeNode* b);
