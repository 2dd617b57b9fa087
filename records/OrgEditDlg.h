#pragma once

#include "records/PrimaryPagesDlg.h"

#include <string>

class TOrgObject;

// The organization dialog ("Organization"): title and comment (no length
// limit) and the five pages of the organization's primary items.
class TOrgEditDlg : public TPrimaryPagesDlg {
public:
    TOrgEditDlg() { Caption = "Organization"; }
    std::string FormName() const override { return "TOrgEditDlg"; }

    // Fills the dialog from the organization and remembers it.
    void SetOrg(TOrgObject& org);

    // sender: the name of the format list that changed ("PhoneFmt" or "FaxFmt").
    void PhoneFmtChange(const std::string& sender) { FormatChange(sender); }
};
