#pragma once

#include <string>
#include <string_view>

// The eleven national number formats of the phone and fax dialogs, in list
// order ("USA", "Free Format", "Denmark", ...), with their input masks.
struct TPhoneFormat {
    const char* Name;
    const char* Mask;      // "" for free text
    const char* Countries; // ISO 3166 codes of the desktops that start on it
};

inline constexpr int kPhoneFormatCount = 11;
extern const TPhoneFormat PhoneFormatMasks[kPhoneFormatCount];
// The list entry without a mask.
inline constexpr int kFreeFormat = 1;

// The mask of list entry index; "" (no mask) outside 0..10.
std::string PhoneFormatMask(int index);
// The entry for a country ("DE" gives "Germany"; "US" and "CA" give "USA"),
// "Free Format" for a country the list has no entry for.
int PhoneFormatForCountry(std::string_view country);
// The entry a new number starts on: the one for the desktop locale's country.
int DefaultPhoneFormat();

// A number field with its format list: the list entry format, the field's
// mask and its displayed text change together.
// The entry format was chosen: the field takes its mask and keeps what was
// entered, unless the mask cannot hold that ("+", a digit too many); the list
// then shows "Free Format" and the entered text stays as it is.
void ChooseFormat(int& format, std::string& mask, std::string& number);
// Typed text did not fit the mask: the field holds it as free text.
void KeepAsTyped(int& format, std::string& mask, std::string& number, const std::string& text);
