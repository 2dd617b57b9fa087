#pragma once

#include <cstdint>

// The main window's category filter: two exclusive buttons (both may be up)
// and the mask of the categories ticked in the filter list, bit n-1 for
// category n.
struct TFilterState {
    bool FilterBtn1Down = false; // show items matching ANY ticked category
    bool FilterBtn2Down = false; // show items matching ALL ticked categories
    uint32_t CategoryMask = 0;

    bool FilterMode() const { return FilterBtn1Down || FilterBtn2Down; }

    bool IsFilteredOut(uint32_t categories) const {
        if (FilterBtn1Down) return CategoryMask != 0 && (CategoryMask & categories) == 0;
        if (FilterBtn2Down) return (CategoryMask & categories) != CategoryMask;
        return false;
    }
};
