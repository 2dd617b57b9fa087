#pragma once

#include "records/OKBottomDlg.h"

#include <string>
#include <vector>

// The website dialog ("Website"): title, the address in an editable combo box
// offering the usual schemes, and comment.
class TWebSiteDlg : public TOKBottomDlg {
public:
    TWebSiteDlg();
    std::string FormName() const override { return "TWebSiteDlg"; }

    std::string WebTitle;
    std::string Web = "http://";
    std::vector<std::string> WebItems; // the combo box's drop-down entries
    std::string WebComment;

    // OK with an address that is no URL says so and keeps the dialog open,
    // so that a mistyped address does not silently cost the user's edits.
    void OKBtnClick() override;

    static constexpr int kTitleMax = 40;
    static constexpr int kCommentMax = 255;

    // A new record: the title starts as "New Website". False when cancelled or
    // when the address is no URL (the caller then deletes the record).
    static bool EditNew(TKexObject& record);
    // An existing record: OK with an address that is no URL changes nothing.
    static void EditRecord(TKexObject& record);

private:
    bool Apply(TKexObject& record) const;
};
