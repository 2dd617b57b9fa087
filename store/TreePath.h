#pragma once

#include <string>

class TTreeNode;
class TTreeNodes;

// A node's path: the labels from the root down joined by "/".
std::string NodePath(const TTreeNode* node);

// The node a path names ("My Contacts/Friends"), the first match in tree
// order, or nullptr. A label that itself holds "/" is still found.
TTreeNode* FindNodeByPath(const TTreeNodes& tree, const std::string& path);
