#include "records/TeamEditDlg.h"

void TTeamEditDlg::EditRecord(TKexObject& team) {
    TTeamEditDlg dlg;
    dlg.TeamTitle = team.GetTitle();
    dlg.TeamComment = team.GetComment();
    dlg.BindCategories(team);
    if (dlg.ShowModal() != mrOk) return;
    team.SetTitle(dlg.TeamTitle);
    team.SetComment(dlg.TeamComment);
}
