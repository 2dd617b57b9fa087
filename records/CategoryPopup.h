#pragma once

#include "platform/FormPresenter.h"

#include <cstdint>
#include <string>
#include <vector>

class TKexObject;

// The category picker: a small tool window "Select Categories" with one
// check list of the 32 categories, placed below the picture that opened it.
class TCategoryPopup : public TFormPresenter {
public:
    TCategoryPopup();
    std::string FormName() const override { return "TCategoryPopup"; }

    struct TCheckItem {
        std::string Name;
        bool Checked = false;
    };
    // CheckListBox1: one entry per category.
    std::vector<TCheckItem> CheckListBox1;

    // Fills the list from the names (at most 32) and ticks the bits of set.
    void SetCategories(const std::vector<std::string>& names, uint32_t set);
    // The set of ticked entries.
    uint32_t GetCategories() const;

    // The picker for a record's categories, opened at the point: the
    // categories are the ticked set however the picker closes.
    static void EditCategories(TKexObject& record, const TScreenPoint& at);

    static constexpr int kClientWidth = 175;
    static constexpr int kClientHeight = 204;

private:
    // Bits of categories that had no entry in the list; kept as they were.
    uint32_t FUnlisted = 0;
};
