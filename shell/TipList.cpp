#include "shell/TipList.h"

#include "platform/RandomSource.h"
#include "platform/Services.h"

const std::vector<TTip>& TipList() {
    // Help context 0: the tip has no help topic and its bulb stays disabled.
    static const std::vector<TTip> kTips = {
        {"Did you know Merrowin works as a 'Helper Application' with your web browser? Click bulb "
         "to learn how!",
         1024},
        {"If you use Netscape E-mail, import your addresses. Click 'File...Import' to use the "
         "Import Wizard",
         1022},
        {"If you use Netscape, import your bookmarks. Click 'File...Import' to use the Import "
         "Wizard",
         1023},
        {"If you use Internet Explorer, import your bookmarks. Click 'File...Import' to use the "
         "Import Wizard",
         1021},
        {"If you use Eudora, import your address book. Click 'File...Import' to use the Import "
         "Wizard",
         1020},
        {"Did you know Merrowin supports vCards? This allows multi-platform contact import/export.",
         1019},
        {"You can import any portion of another users contact database that they choose to "
         "publish. Click bulb to learn how!",
         1018},
        {"You can import contact information from any program that creates a comma-delimited file. "
         "Select 'File...Import' to use the wizard.",
         0},
        {"To Fax or E-mail a document, drag and drop the document shortcut on the contact you wish "
         "to send it to.",
         1014},
        {"Did you know you can automatically create mailing labels? Click the Print button and "
         "select 'Address Labels' report type.",
         1013},
        {"Did you know that Merrowin can automatically create a 'Site Map' for any website?", 1009},
        {"Did you know there are two main window setups? Select 'View...Toggle Main Window' to "
         "switch. All settings are stored.",
         0},
        {"To find a contact, type any part of the title in the 'Find' edit box. Press F3 key to "
         "repeat the search.",
         1015},
        {"Your contact list can reflect the hierarchy of a real organization, with managers, "
         "teams, and people. Click bulb to learn how!",
         1012},
        {"You can easily print an envelope for any contact. Select the contact, click the Print "
         "button, and select 'Envelope' type.",
         1011},
        {"Did you know Merrowin will automatically print a nicely formatted address book for your "
         "paper organizer?",
         1010},
        {"Did you know you can store reminders for contact birthdays, anniversaries, and other "
         "important dates? Just click 'Remind'",
         1008},
        {"You can store shortcuts to documents with your contacts. Try dragging a file from your "
         "file manager to the right pane.",
         1007},
        {"Did you know Merrowin will automatically generate HTML and publish contact info. to the "
         "Web?",
         1005},
        {"You can control your Web Browser. Just right-click a contact and select 'Browse' from "
         "the popup menu.",
         1004},
        {"Did you know each contact can be flagged with one of 32 user-defined categories? This "
         "lets you group contacts.",
         1002},
        {"Did you know you can add favorite Websites to your contact list while you view them with "
         "your browser?",
         1001},
        {"Adding new contacts is easy. Select the location to add in the left pane, then click a "
         "button on the New Item Bar.",
         1006},
        {"To perform a default action with a contact item, double-click the item. This can be used "
         "to dial the phone, send mail, etc.",
         0},
        {"Use the right mouse button to select any contact item. A popup menu will appear with the "
         "available actions for the item.",
         0},
        {"Did you know you can extend capabilities by installing Add-on Tools? Any program can be "
         "used as an Add-on.",
         1026},
        {"To dial a phone number, just double-click any phone icon; or, right click a contact and "
         "select Dial from the menu.",
         1029},
        {"Did you know Merrowin can print envelopes, labels, address books, and more? Click bulb "
         "to learn how!",
         1030},
        {"Did you know you can publish your contacts for your friends and co-workers? Select "
         "'File...Publish' to see how.",
         1032},
        {"To change the arrangement of your contacts, just drag and drop the icons. You can drop "
         "any icon on the left pane to move it.",
         1034},
        {"To edit a contact, right-click the icon and select 'Properties' from the popup menu.", 0},
        {"There are three supported methods of sending Internet mail. You can change this by "
         "choosing 'View...Options'. Click bulb to learn more!",
         1040},
        {"To send a new Fax, double-click any Fax icon. To fax a document, drop a Document icon "
         "onto a Fax icon.",
         1037},
        {"To send a new E-mail, double-click any E-mail icon; or, right-click a contact and select "
         "'Send Mail' from the menu.",
         1038},
        {"You can E-mail a document as an attachment by dropping a Document icon on a contact "
         "icon.",
         1038},
        {"To send E-mail to multiple recipients, select all the recipients in the right pane; "
         "then, right click and select 'Send Mail.'",
         0},
        {"The Program Options dialog lets you choose your preferred browser. Select "
         "'View...Options' to make changes.",
         1040},
        {"You can define up to 32 categories to group your contacts. Select 'View...Options' to "
         "setup categories.",
         1040},
        {"Did you know the 'Filter' buttons allow you to display/print contacts that fit certain "
         "categories? Click bulb to learn how!",
         1046},
        {"You can copy and paste a contact's address to your word processor by clicking the "
         "address icon and selecting 'Edit...Copy.'",
         0},
        {"Did you know you can create a vCard for any contact. vCard's are supported by many "
         "programs/platforms. Click bulb to learn more!",
         1031},
        {"Did you know Merrowin is the perfect program for sharing contacts on your Intranet! "
         "Click bulb to learn more!",
         1032},
        {"To select multiple icons for editing operations, drag a box around the icons in the "
         "right pane, or hold down the CTRL key.",
         0},
        {"To make changes to a contact's info, right-click its icon and select 'Properties' from "
         "the popup menu.",
         0},
    };
    return kTips;
}

void TTipBar::Start() {
    int count = static_cast<int>(TipList().size());
    Show(Svc().UseRandom().Random(count - 1));
}

void TTipBar::Show(int index) {
    // The up-down control stops at both ends.
    int last = static_cast<int>(TipList().size()) - 1;
    FIndex = index < 0 ? 0 : index > last ? last : index;
}

void TTipBar::Next() {
    Show(FIndex + 1);
}

void TTipBar::Previous() {
    Show(FIndex - 1);
}

const std::string& TTipBar::Text() const {
    return TipList()[static_cast<size_t>(FIndex)].Text;
}

bool TTipBar::BulbEnabled() const {
    return HelpContext() != 0;
}

int TTipBar::HelpContext() const {
    return TipList()[static_cast<size_t>(FIndex)].HelpContext;
}
