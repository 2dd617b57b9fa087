#pragma once

#include "records/OKBottomDlg.h"

#include <string>

// The e-mail dialog ("E-Mail"): title, address and comment.
class TEMailEditDlg : public TOKBottomDlg {
public:
    TEMailEditDlg() { Caption = "E-Mail"; }
    std::string FormName() const override { return "TEMailEditDlg"; }

    std::string EMailTitle;
    std::string EMailAddr;
    std::string EMailComment;

    static constexpr int kTitleMax = 40;
    static constexpr int kAddrMax = 80;
    static constexpr int kCommentMax = 255;

    // A new record: the title starts as "New E-Mail". False when cancelled or
    // when no address was given (the caller then deletes the record).
    static bool EditNew(TKexObject& record);
    // An existing record: OK with an empty address changes nothing.
    static void EditRecord(TKexObject& record);

private:
    // Takes the boxes into the record when an address was given.
    bool Apply(TKexObject& record) const;
};
