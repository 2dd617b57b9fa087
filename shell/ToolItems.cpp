#include "shell/ToolItems.h"

#include "store/Options.h"

#include <algorithm>

void TToolItems::Load(const ISettings& settings) {
    FItems.clear();
    for (const TToolOption& option : TToolOptions::Read(settings).Tools)
        FItems.push_back(std::make_unique<TToolItem>(option));
}

void TToolItems::Save(ISettings& settings) const {
    TToolOptions options;
    for (const auto& tool : FItems)
        options.Tools.push_back(tool->Option());
    options.Write(settings);
}

TToolItem& TToolItems::Add(std::unique_ptr<TToolItem> tool) {
    FItems.push_back(std::move(tool));
    return *FItems.back();
}

void TToolItems::Remove(const TToolItem* tool) {
    auto it = std::find_if(FItems.begin(), FItems.end(),
                           [tool](const auto& item) { return item.get() == tool; });
    if (it != FItems.end()) FItems.erase(it);
}

TToolItem* TToolItems::Item(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return FItems[static_cast<size_t>(index)].get();
}

TToolItem* TToolItems::Find(const std::string& fileName) const {
    for (const auto& tool : FItems)
        if (tool->FileName() == fileName) return tool.get();
    return nullptr;
}
