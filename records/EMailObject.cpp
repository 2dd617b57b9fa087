#include "records/EMailObject.h"

#include "comm/Email.h"
#include "exchange/CommaText.h"
#include "exchange/HtmlOut.h"
#include "platform/AskUser.h"
#include "platform/BrowserLink.h"
#include "platform/MainWindow.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"
#include "platform/Settings.h"
#include "platform/ShellService.h"
#include "records/ColumnValue.h"
#include "records/EMailEditDlg.h"
#include "store/ContainerRules.h"
#include "store/FieldText.h"
#include "store/Options.h"
#include "store/TextWriter.h"

namespace {
constexpr const char* kMarker = "{Mail}";
constexpr const char* kAddressColumn = "E-Mail Address";

// [Settings] INetMail: how mail to an Internet address goes out.
constexpr int kMailByShell = 1;
constexpr int kMailBySystem = 2;
constexpr int kMailByBrowser = 3;
} // namespace

TEMailObject::TEMailObject(uint8_t kind, const std::string& title, const std::string& target,
                           const std::string& comment, int32_t objectId,
                           const std::string& classLine)
    : TKexObject(kind, title, target, comment, objectId) {
    ReadClassLine(classLine);
}

void TEMailObject::ReadClassLine(const std::string& line) {
    if (line.compare(0, 6, kMarker) != 0) return;
    SetCategories(container::ReadCategories(line, kMarker));
}

bool TEMailObject::AppendClassLine(std::string& out) const {
    container::AppendCategoriesLine(out, kMarker, GetCategories());
    return true;
}

void TEMailObject::SetupPopup(TItemPopup& menu) const {
    TKexObject::SetupPopup(menu);
    menu.Hide(peOpen);
    menu.Show(peSendMail);
}

bool TEMailObject::EditNew(TTreeNode* /*created*/) {
    return TEMailEditDlg::EditNew(*this);
}

void TEMailObject::EditProperties() {
    TEMailEditDlg::EditRecord(*this);
}

bool TEMailObject::ImportColumns(std::vector<std::string>& values,
                                 const std::vector<std::string>& names) {
    std::string address;
    if (!ColumnValue(values, names, kAddressColumn, address)) return false;
    SetTarget(address);
    std::string title;
    if (!ColumnValue(values, names, "Title", title)) title = address.substr(0, address.find('@'));
    SetTitle(title);
    std::string comment;
    if (ColumnValue(values, names, "Comment", comment)) SetComment(comment);
    return !GetTitle().empty() && !GetTarget().empty();
}

void TEMailObject::GetCsvField(const std::string& fieldName, std::string& text) const {
    if (fieldName == "Title")
        text = CsvValue(GetTitle());
    else if (fieldName == kAddressColumn)
        text = CsvValue(GetTarget());
    else if (fieldName == "Comment")
        text = CsvValue(GetComment());
    else
        text.clear();
}

void TEMailObject::DefaultAction() {
    SendMail("");
}

void TEMailObject::SendMail(const std::string& attachment) {
    TEmail mail;
    const TServices& svc = Svc();
    const int route = TSettingsOptions::Read(svc.UseSettings()).INetMail;

    bool several = false;
    if (svc.MainWindow && svc.MainWindow->ActivePaneName() == "MainItems") {
        // Every selected record answers its e-mail column: a quoted address
        // and a comma, or nothing.
        std::string list;
        for (TKexObject* r : svc.MainWindow->SelectedListObjects()) {
            if (!r) continue;
            std::string field;
            r->GetCsvField(kAddressColumn, field);
            list += field;
        }
        if (!list.empty() && list.back() == ',') list.pop_back();
        mail.Recipient = commatext::SplitCommaText(list);
        if (mail.Recipient.size() >= 2 && route != kMailBySystem) {
            // Only the mail system takes several recipients at once.
            int answer = AskUser("Mailing to multiple recipients requires use of the Windows "
                                 "Messaging API (MAPI). Do you want to continue and use MAPI?",
                                 "Confirm", mb::YesNoCancel | mb::IconQuestion);
            if (answer != id::Yes) return;
            several = true;
        }
    }

    const std::string& address = GetTarget();
    if (!several && LooksLikeEmail(address)) {
        if (route == kMailByShell) {
            svc.UseShell().Open("mailto:" + address, "", "", 5);
            return;
        }
        if (route == kMailByBrowser) {
            IBrowserLink& browser = svc.UseBrowser();
            browser.SetAutoLoad(true);
            std::string reply;
            browser.OpenURL("mailto:" + address, reply);
            return;
        }
    }

    if (mail.Recipient.empty()) mail.Recipient.push_back(address);
    if (!attachment.empty()) mail.Attachment.push_back(attachment);
    mail.UseDefProfile = true;
    mail.Send(); // the mail client shows the outcome to the user
}

void TEMailObject::WriteHtmlContent(TTextWriter& f, bool withVCards) const {
    const std::string& address = GetTarget();
    if (!LooksLikeEmail(address)) {
        TKexObject::WriteHtmlContent(f, withVCards);
        return;
    }
    using htmlout::Escape;
    std::string line = "<em><strong>" + Escape(GetTitle()) +
                       " </strong></em><a href=\"mailto:" + Escape(address) + "\">" +
                       Escape(address);
    line += GetComment().empty() ? "</a><br>" : "</a> - " + Escape(GetComment()) + "<br>";
    f.WriteLn(line);
}

void TEMailObject::GetVCardLine(std::string& line) const {
    line = LooksLikeEmail(GetTarget()) ? "EMAIL;INTERNET:" : "EMAIL:";
    line += GetTarget();
}
