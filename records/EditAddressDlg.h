#pragma once

#include "records/OKBottomDlg.h"

#include <string>

class TAddressObject;

// The address dialog ("Address"). Addr is the multi-line street text, one
// street line per text line ("\r\n" between them).
class TEditAddressDlg : public TOKBottomDlg {
public:
    TEditAddressDlg() { Caption = "Address"; }
    std::string FormName() const override { return "TEditAddressDlg"; }

    std::string AddrTitle;
    std::string Addr;
    std::string City;
    std::string State;
    std::string PostCode;
    std::string Country;
    std::string AddrComment;

    static constexpr int kTitleMax = 40;
    static constexpr int kAddrMax = 120;
    static constexpr int kCityMax = 25;
    static constexpr int kStateMax = 20;
    static constexpr int kPostCodeMax = 10;
    static constexpr int kCountryMax = 15;
    static constexpr int kCommentMax = 255;

    // A new address: true when it stays (OK with a title and a street text).
    static bool EditNew(TAddressObject& address);
    // An existing address: an OK without a title changes nothing.
    static void EditProperties(TAddressObject& address);

private:
    // Stores the dialog's values in the record.
    void Store(TAddressObject& address) const;
};
