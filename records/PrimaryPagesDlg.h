#pragma once

#include "records/OKBottomDlg.h"
#include "records/PrimaryItems.h"

#include <functional>
#include <string>
#include <vector>

// The part the person and organization dialogs share: the title and comment
// of the upper panel and the five pages of the primary items (address, phone,
// fax, e-mail, website), each with an editable title list. The dialog
// remembers the record it shows; the page title handlers look the primary
// items up through it.
class TPrimaryPagesDlg : public TOKBottomDlg {
public:
    TPrimaryPagesDlg();

    // Upper panel.
    std::string Title;
    std::string Comment;

    // Address page. Addr holds the street lines separated by "\r\n".
    std::string AddrTitle;
    std::vector<std::string> AddrTitleItems;
    std::string Addr;
    std::string City;
    std::string State;
    std::string PostCode;
    std::string Country;
    std::string AddrComment;

    // Phone page. PhoneNum is the number as the field displays it under
    // PhoneNumMask; PhoneFmt is the index in the format list.
    std::string PhoneTitle;
    std::vector<std::string> PhoneTitleItems;
    std::string PhoneNum;
    std::string PhoneNumMask;
    std::string Extension;
    int PhoneFmt = -1;
    std::string PhoneComment;
    // The format list and its label "Phone Number Format".
    bool PhoneFmtVisible = true;

    // Fax page.
    std::string FaxTitle;
    std::vector<std::string> FaxTitleItems;
    std::string FaxNum;
    std::string FaxNumMask;
    int FaxFmt = -1;
    std::string FaxComment;
    bool FaxFmtVisible = true;

    // E-mail page.
    std::string EMailTitle;
    std::vector<std::string> EMailTitleItems;
    std::string EMailAddr;
    std::string EMailComment;

    // Website page: Web is an editable list with scheme entries.
    std::string WebTitle;
    std::vector<std::string> WebTitleItems;
    std::string Web = "http://";
    std::vector<std::string> WebItems;
    std::string WebComment;

    static constexpr int kAddrMax = 120;
    static constexpr int kCityMax = 25;
    static constexpr int kStateMax = 20;
    static constexpr int kPostCodeMax = 10;
    static constexpr int kCountryMax = 15;
    static constexpr int kExtensionMax = 6;
    static constexpr int kEMailAddrMax = 80;
    static constexpr int kPageCommentMax = 255;

    // Handlers.
    void FormShow();
    void AddrTitleClick();
    void PhoneTitleClick();
    void FaxTitleClick();
    void EMailTitleClick();
    void WebTitleClick();
    void HelpBtnClick();
    // A number field took text its format cannot hold: the field keeps it as
    // typed and its page's list switches to "Free Format".
    void PhoneNumUnfit(const std::string& text);
    void FaxNumUnfit(const std::string& text);

    // The front end binds this to its help window (topic = HelpContext).
    std::function<void(int)> OnHelp;

    // The record the dialog shows (nullptr before one is set).
    TKexObject* Record() const { return FRecord; }

    // Give a number field another mask; the digits entered so far are kept.
    void SetPhoneNumMask(const std::string& mask);
    void SetFaxNumMask(const std::string& mask);

    // The defaults a new record proposes for the five page titles.
    void SetDefaultPageTitles();
    // An existing record shows its numbers as stored: no format lists.
    void HideNumberFormats();

    // Writes the pages back to the record after OK: each page that is filled
    // in (see .cpp) updates the record's primary item of its title, or
    // creates one under the record's node, and names it in titles. A filled
    // page without a title takes the page's default title ("Primary Phone").
    // Only values that differ from the item's are stored. A new record always
    // creates its items; its address page also needs address text.
    void StorePages(TKexObject& record, TPrimaryTitles& titles, bool newRecord) const;

protected:
    // Remembers the record, puts title and comment in their boxes and, when
    // the record has detail items, fills the pages from its primary items.
    void LoadRecord(TKexObject& record, const TPrimaryTitles& titles);
    // A format list changed: the mask of its selected entry goes to the
    // number field of the list's page ("PhoneFmt" or "FaxFmt"), unless that
    // mask cannot hold the number (ChooseFormat).
    void FormatChange(const std::string& sender);

private:
    TKexObject* FindPageItem(const std::string& title, uint8_t kind) const;

    TKexObject* FRecord = nullptr;
};
