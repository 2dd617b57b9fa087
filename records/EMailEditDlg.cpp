#include "records/EMailEditDlg.h"

bool TEMailEditDlg::Apply(TKexObject& record) const {
    if (EMailAddr.empty()) return false;
    record.SetTitle(EMailTitle);
    record.SetTarget(EMailAddr);
    record.SetComment(EMailComment);
    return true;
}

bool TEMailEditDlg::EditNew(TKexObject& record) {
    TEMailEditDlg dlg;
    dlg.EMailTitle = "New E-Mail";
    dlg.BindCategories(record);
    if (dlg.ShowModal() != mrOk) return false;
    return dlg.Apply(record);
}

void TEMailEditDlg::EditRecord(TKexObject& record) {
    TEMailEditDlg dlg;
    dlg.EMailTitle = record.GetTitle();
    dlg.EMailAddr = record.GetTarget();
    dlg.EMailComment = record.GetComment();
    dlg.BindCategories(record);
    if (dlg.ShowModal() != mrOk) return;
    dlg.Apply(record);
}
