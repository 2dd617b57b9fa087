#include "records/FaxObject.h"

#include "platform/AskUser.h"
#include "platform/FileIO.h"
#include "platform/MailSystem.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"
#include "platform/Telephony.h"
#include "records/ColumnValue.h"
#include "records/FaxEditDlg.h"
#include "store/ContainerRules.h"
#include "store/FieldText.h"

namespace {
constexpr const char* kMarker = "{Faxs}";
constexpr const char* kSendError =
    "MAPI Error. Unable to send Fax using Windows Messaging Services";
} // namespace

TFaxObject::TFaxObject(uint8_t kind, const std::string& title, const std::string& target,
                       const std::string& comment, int32_t objectId, const std::string& classLine)
    : TKexObject(kind, title, target, comment, objectId) {
    ReadClassLine(classLine);
}

void TFaxObject::ReadClassLine(const std::string& line) {
    if (line.compare(0, 6, kMarker) != 0) return;
    SetCategories(container::ReadCategories(line, kMarker));
}

bool TFaxObject::AppendClassLine(std::string& out) const {
    container::AppendCategoriesLine(out, kMarker, GetCategories());
    return true;
}

void TFaxObject::SetupPopup(TItemPopup& menu) const {
    TKexObject::SetupPopup(menu);
    menu.Hide(peOpen);
    menu.Show(peSendFax);
    menu.Show(peDial);
}

bool TFaxObject::EditNew(TTreeNode* /*created*/) {
    return TFaxEditDlg::EditNew(*this);
}

void TFaxObject::EditProperties() {
    TFaxEditDlg::EditProperties(*this);
}

bool TFaxObject::ImportColumns(std::vector<std::string>& values,
                               const std::vector<std::string>& names) {
    std::string v;
    bool hasTitle = ColumnValue(values, names, "Title", v);
    if (hasTitle) SetTitle(v);
    bool hasNumber = ColumnValue(values, names, "Fax Number", v);
    if (hasNumber) SetTarget(v);
    if (ColumnValue(values, names, "Comment", v)) SetComment(v);
    return hasTitle && hasNumber && !GetTitle().empty() && !GetTarget().empty();
}

void TFaxObject::GetCsvField(const std::string& fieldName, std::string& text) const {
    if (fieldName == "Title")
        text = CsvValue(GetTitle());
    else if (fieldName == "Fax Number")
        text = CsvValue(GetTarget());
    else if (fieldName == "Comment")
        text = CsvValue(GetComment());
    else
        text.clear();
}

void TFaxObject::DefaultAction() {
    SendFax("");
}

void TFaxObject::SendFax(const std::string& document) {
    TMapiMessage msg;
    msg.Recips.push_back({mapi::To, GetTitle(), "FAX:" + GetTarget()});
    // A document that is gone is left out rather than failing the whole send.
    if (!document.empty() && fileio::FileExists(document)) msg.Files.push_back({-1, document, ""});

    uint32_t result =
        Svc().UseMail().SendMail(0, msg, mapi::LogonUI | mapi::NewSession | mapi::Dialog);
    if (result != mapi::SuccessSuccess) AskUser(kSendError, "Merrowin", mb::Ok | mb::IconError);
}

void TFaxObject::Dial() {
    Svc().UseTelephony().RequestMakeCall(GetTarget(), "Tessalin", GetTitle(), GetComment());
}

void TFaxObject::GetVCardLine(std::string& line) const {
    line = "TEL;FAX:" + GetTarget();
}
