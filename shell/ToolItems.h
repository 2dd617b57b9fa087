#pragma once

#include "shell/ToolItem.h"

#include <memory>
#include <string>
#include <vector>

class ISettings;

// The configured tools in their order, kept in [Tools] of "kex.ini".
class TToolItems {
public:
    TToolItems() = default;
    TToolItems(const TToolItems&) = delete;
    TToolItems& operator=(const TToolItems&) = delete;

    // Replaces the list with the tools stored in settings.
    void Load(const ISettings& settings);
    // Writes the list in its order ("Tool0", "Tool1", ...).
    void Save(ISettings& settings) const;

    TToolItem& Add(std::unique_ptr<TToolItem> tool);
    // Removes and destroys tool; a tool not in the list is left alone.
    void Remove(const TToolItem* tool);
    int Count() const { return static_cast<int>(FItems.size()); }
    // The tool at index (from 0), or null past either end.
    TToolItem* Item(int index) const;
    // The first tool whose program is fileName, compared exactly; or null.
    TToolItem* Find(const std::string& fileName) const;

private:
    std::vector<std::unique_ptr<TToolItem>> FItems;
};
