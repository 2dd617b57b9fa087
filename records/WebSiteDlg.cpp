#include "records/WebSiteDlg.h"

#include "platform/AskUser.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"

TWebSiteDlg::TWebSiteDlg()
    : WebItems{
          "http://", "https://", "ftp://", "news:", "mailto:", "gopher://", "wais:", "telnet:"} {
    Caption = "Website";
}

void TWebSiteDlg::OKBtnClick() {
    if (IsUrl(Web)) {
        SetModalResult(mrOk);
        return;
    }
    AskUser("\"" + Web + "\" is not a site address. Begin it with a scheme such as \"http://\".",
            Caption, mb::Ok | mb::IconWarning);
}

bool TWebSiteDlg::Apply(TKexObject& record) const {
    // IsUrl also refuses the empty text and a bare scheme.
    if (Web.empty() || !IsUrl(Web)) return false;
    record.SetTitle(WebTitle);
    record.SetTarget(Web);
    record.SetComment(WebComment);
    return true;
}

bool TWebSiteDlg::EditNew(TKexObject& record) {
    TWebSiteDlg dlg;
    dlg.WebTitle = "New Website";
    dlg.BindCategories(record);
    if (dlg.ShowModal() != mrOk) return false;
    return dlg.Apply(record);
}

void TWebSiteDlg::EditRecord(TKexObject& record) {
    TWebSiteDlg dlg;
    dlg.WebTitle = record.GetTitle();
    dlg.Web = record.GetTarget();
    dlg.WebComment = record.GetComment();
    dlg.BindCategories(record);
    if (dlg.ShowModal() != mrOk) return;
    dlg.Apply(record);
}
