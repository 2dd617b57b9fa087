#include "records/FolderEditDlg.h"

void TFolderEditDlg::EditRecord(TKexObject& folder) {
    TFolderEditDlg dlg;
    dlg.FolderTitle = folder.GetTitle();
    dlg.FolderComment = folder.GetComment();
    dlg.BindCategories(folder);
    if (dlg.ShowModal() != mrOk) return;
    folder.SetTitle(dlg.FolderTitle);
    folder.SetComment(dlg.FolderComment);
}
