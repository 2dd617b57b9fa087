#pragma once

#include "records/OKBottomDlg.h"

#include <string>

class TPhoneObject;

// The phone dialog ("Phone"). PhoneNum is the number field as displayed; its
// input mask is PhoneNumMask ("" = free text). The format list PhoneFmt is
// only shown while a new phone is entered.
class TPhoneEditDlg : public TOKBottomDlg {
public:
    TPhoneEditDlg();
    std::string FormName() const override { return "TPhoneEditDlg"; }

    std::string PhoneTitle;
    std::string PhoneNum;
    std::string PhoneNumMask;
    int PhoneFmt = -1; // index in the format list, -1 = none selected
    bool PhoneFmtVisible = true;
    std::string Extension;
    std::string PhoneComment;

    static constexpr int kTitleMax = 40;
    static constexpr int kExtensionMax = 6;
    static constexpr int kCommentMax = 255;

    // Handlers.
    void FormCreate();
    void PhoneFmtChange();
    // The number field took text its format cannot hold: the field keeps it
    // as typed and the list switches to "Free Format".
    void PhoneNumUnfit(const std::string& text);

    // Gives PhoneNum another mask; the digits entered so far are kept.
    void SetPhoneNumMask(const std::string& mask);
    // The number as the field shows it under its mask.
    std::string NumberText() const;
    // Whether the number field holds a character the user entered.
    bool HasNumber() const;

    // A new phone: true when it stays (OK with a title and a number).
    static bool EditNew(TPhoneObject& phone);
    // An existing phone: shown unmasked; an OK without a title or a number
    // changes nothing.
    static void EditProperties(TPhoneObject& phone);

private:
    void Store(TPhoneObject& phone) const;
};
