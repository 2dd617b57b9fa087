#pragma once

#include <nlohmann/json.hpp>

class TKexObject;
class TTreeNode;

// The tree as JSON for scripts: each record under the names of its fields in
// the code, tree nodes with their label (Text) and child nodes (Nodes).
nlohmann::ordered_json DumpRecord(const TKexObject& record);
nlohmann::ordered_json DumpNode(const TTreeNode& node);
