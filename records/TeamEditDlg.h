#pragma once

#include "records/OKBottomDlg.h"

#include <string>

// The team dialog ("Team"): title (at most 40 characters) and comment (at most 255).
class TTeamEditDlg : public TOKBottomDlg {
public:
    TTeamEditDlg() { Caption = "Team"; }
    std::string FormName() const override { return "TTeamEditDlg"; }

    std::string TeamTitle;
    std::string TeamComment;

    // As TFolderEditDlg::EditRecord, for a team.
    static void EditRecord(TKexObject& team);
};
