#include "records/PhoneFormats.h"

#include "platform/Locale.h"
#include "platform/Services.h"
#include "records/EditMask.h"

const TPhoneFormat PhoneFormatMasks[kPhoneFormatCount] = {
    {"USA", "!\\(999\\)000-0000;0;_", "US CA"},
    {"Free Format", "", ""},
    {"Denmark", "\\+45 00 00 00 00;0;_", "DK"},
    {"France", "!16\\-00\\-00\\-00\\-00;0;_", "FR"},
    {"Germany", "!\\(999 99\\) 99999;0;_", "DE"},
    {"Italy", "!\\(9999\\) 0000 0000;0;_", "IT"},
    {"Netherlands", "!\\00099\\-0000999;0;_", "NL"},
    {"Norway", "00 09 99 99;0;_", "NO"},
    {"Spain", "!\\(999\\)0000000;0;_", "ES"},
    {"Sweden", "00 09 99 99;0;_", "SE"},
    {"United Kingdom", "!\\00009 0000099;0;_", "GB"},
};

std::string PhoneFormatMask(int index) {
    if (index < 0 || index >= kPhoneFormatCount) return {};
    return PhoneFormatMasks[index].Mask;
}

int PhoneFormatForCountry(std::string_view country) {
    if (country.size() != 2) return kFreeFormat;
    for (int i = 0; i < kPhoneFormatCount; ++i) {
        std::string_view codes = PhoneFormatMasks[i].Countries;
        for (size_t at = 0; at + 2 <= codes.size(); at += 3)
            if (codes.substr(at, 2) == country) return i;
    }
    return kFreeFormat;
}

int DefaultPhoneFormat() {
    return PhoneFormatForCountry(Svc().UseLocale().Country());
}

void ChooseFormat(int& format, std::string& mask, std::string& number) {
    std::string chosen = PhoneFormatMask(format);
    const TEditMask from(mask);
    if (!TEditMask(chosen).CanHold(from, number)) {
        format = kFreeFormat;
        chosen.clear();
    }
    number = TEditMask(chosen).Refit(from, number);
    mask = chosen;
}

void KeepAsTyped(int& format, std::string& mask, std::string& number, const std::string& text) {
    format = kFreeFormat;
    mask.clear();
    number = text;
}
