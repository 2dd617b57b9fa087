#pragma once

#include <string>
#include <vector>

class TKexObject;
class TTreeNode;

// What records ask of the main window (its presenter implements this).
class IMainWindow {
public:
    virtual ~IMainWindow() = default;
    // The 32 category names, in order.
    virtual std::vector<std::string> CategoryNames() const = 0;
    // "Folders" or "MainItems".
    virtual std::string ActivePaneName() const = 0;
    // The records of the item list's selected rows, in list order.
    virtual std::vector<TKexObject*> SelectedListObjects() const = 0;
    // Makes the node visible and starts editing its label in place.
    virtual void EditNodeText(TTreeNode* node) = 0;
    // Selects the node in the tree (the item list follows).
    virtual void SelectNode(TTreeNode* node) = 0;
    // The image index of the configured tool whose program is fileName
    // (exact), or 13, the generic document image, when no tool matches.
    virtual int ToolImageIndex(const std::string& fileName) const = 0;
};
