#pragma once

#include <string>

// The eleven national number formats of the phone and fax dialogs, in list
// order ("USA", "Free Format", "Denmark", ...), with their input masks.
struct TPhoneFormat {
    const char* Name;
    const char* Mask; // "" for free text
};

inline constexpr int kPhoneFormatCount = 11;
extern const TPhoneFormat PhoneFormatMasks[kPhoneFormatCount];

// The mask of list entry index; "" (no mask) outside 0..10.
std::string PhoneFormatMask(int index);
