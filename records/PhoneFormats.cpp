#include "records/PhoneFormats.h"

const TPhoneFormat PhoneFormatMasks[kPhoneFormatCount] = {
    {"USA", "!\\(999\\)000-0000;0;_"},          {"Free Format", ""},
    {"Denmark", "\\+45 00 00 00 00;0;_"},       {"France", "!16\\-00\\-00\\-00\\-00;0;_"},
    {"Germany", "!\\(999 99\\) 99999;0;_"},     {"Italy", "!\\(9999\\) 0000 0000;0;_"},
    {"Netherlands", "!\\00099\\-0000999;0;_"},  {"Norway", "00 09 99 99;0;_"},
    {"Spain", "!\\(999\\)0000000;0;_"},         {"Sweden", "00 09 99 99;0;_"},
    {"United Kingdom", "!\\00009 0000099;0;_"},
};

std::string PhoneFormatMask(int index) {
    if (index < 0 || index >= kPhoneFormatCount) return {};
    return PhoneFormatMasks[index].Mask;
}
