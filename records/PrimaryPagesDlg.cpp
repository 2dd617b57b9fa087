#include "records/PrimaryPagesDlg.h"

#include "records/AddressObject.h"
#include "records/EditMask.h"
#include "records/PhoneFormats.h"
#include "records/PhoneObject.h"
#include "store/FieldText.h"
#include "store/ObjectFactory.h"

namespace {
// The street lines of the address box, at least three, each safe to store.
std::vector<std::string> StreetLines(const std::string& text) {
    std::vector<std::string> lines = fieldtext::TextLines(text);
    for (auto& l : lines)
        l = fieldtext::SafeField(l);
    while (lines.size() < 3)
        lines.emplace_back();
    return lines;
}

// Sets a field only when the dialog holds another value, so that a value the
// user left alone keeps its stored bytes.
template <typename R, typename Get, typename Set>
void Update(R& record, Get get, Set set, const std::string& value) {
    if ((record.*get)() != value) (record.*set)(value);
}
} // namespace

TPrimaryPagesDlg::TPrimaryPagesDlg()
    : WebItems{
          "http://", "https://", "ftp://", "news:", "mailto:", "gopher://", "wais:", "telnet:"} {}

void TPrimaryPagesDlg::SetDefaultPageTitles() {
    AddrTitle = primary::kSlots[0].DefaultTitle;
    PhoneTitle = primary::kSlots[1].DefaultTitle;
    FaxTitle = primary::kSlots[2].DefaultTitle;
    EMailTitle = primary::kSlots[3].DefaultTitle;
    WebTitle = primary::kSlots[4].DefaultTitle;
}

void TPrimaryPagesDlg::HideNumberFormats() {
    PhoneFmtVisible = false;
    FaxFmtVisible = false;
}

void TPrimaryPagesDlg::LoadRecord(TKexObject& record, const TPrimaryTitles& titles) {
    FRecord = &record;
    Title = record.GetTitle();
    Comment = record.GetComment();
    if (!record.HasItems()) return;
    struct Page {
        std::string& Box;
        std::vector<std::string>& Items;
        void (TPrimaryPagesDlg::*Load)();
        uint8_t Kind;
    };
    const Page pages[] = {
        {AddrTitle, AddrTitleItems, &TPrimaryPagesDlg::AddrTitleClick, kindAddress},
        {PhoneTitle, PhoneTitleItems, &TPrimaryPagesDlg::PhoneTitleClick, kindPhone},
        {FaxTitle, FaxTitleItems, &TPrimaryPagesDlg::FaxTitleClick, kindFax},
        {EMailTitle, EMailTitleItems, &TPrimaryPagesDlg::EMailTitleClick, kindEMail},
        {WebTitle, WebTitleItems, &TPrimaryPagesDlg::WebTitleClick, kindWeb},
    };
    for (const Page& p : pages) {
        primary::FillTitleList(record, p.Kind, p.Items);
        for (const auto& s : primary::kSlots)
            if (s.Kind == p.Kind) p.Box = titles.*s.Field;
        (this->*p.Load)();
    }
}

void TPrimaryPagesDlg::FormShow() {
    // Only a new record offers the formats; an existing one shows its numbers
    // as stored.
    if (!PhoneFmtVisible) return;
    PhoneFmt = DefaultPhoneFormat();
    FaxFmt = PhoneFmt;
    SetPhoneNumMask(PhoneFormatMask(PhoneFmt));
    SetFaxNumMask(PhoneFormatMask(FaxFmt));
    Changed();
}

void TPrimaryPagesDlg::PhoneNumUnfit(const std::string& text) {
    KeepAsTyped(PhoneFmt, PhoneNumMask, PhoneNum, text);
    Changed();
}

void TPrimaryPagesDlg::FaxNumUnfit(const std::string& text) {
    KeepAsTyped(FaxFmt, FaxNumMask, FaxNum, text);
    Changed();
}

void TPrimaryPagesDlg::FormatChange(const std::string& sender) {
    if (sender == "PhoneFmt")
        ChooseFormat(PhoneFmt, PhoneNumMask, PhoneNum);
    else
        ChooseFormat(FaxFmt, FaxNumMask, FaxNum);
    Changed();
}

void TPrimaryPagesDlg::SetPhoneNumMask(const std::string& mask) {
    PhoneNum = TEditMask(mask).Refit(TEditMask(PhoneNumMask), PhoneNum);
    PhoneNumMask = mask;
}

void TPrimaryPagesDlg::SetFaxNumMask(const std::string& mask) {
    FaxNum = TEditMask(mask).Refit(TEditMask(FaxNumMask), FaxNum);
    FaxNumMask = mask;
}

TKexObject* TPrimaryPagesDlg::FindPageItem(const std::string& title, uint8_t kind) const {
    if (!FRecord || !FRecord->HasItems()) return nullptr;
    return FRecord->FindItem(title, kind);
}

void TPrimaryPagesDlg::AddrTitleClick() {
    auto* a = dynamic_cast<TAddressObject*>(FindPageItem(AddrTitle, kindAddress));
    if (!a) return;
    Addr = a->AddressText();
    City = a->City();
    State = a->State();
    PostCode = a->PostCode();
    Country = a->Country();
    AddrComment = a->GetComment();
    Changed();
}

void TPrimaryPagesDlg::PhoneTitleClick() {
    auto* p = dynamic_cast<TPhoneObject*>(FindPageItem(PhoneTitle, kindPhone));
    if (!p) return;
    PhoneNum = p->GetTarget();
    PhoneComment = p->GetComment();
    Extension = p->Extension();
    Changed();
}

void TPrimaryPagesDlg::FaxTitleClick() {
    TKexObject* f = FindPageItem(FaxTitle, kindFax);
    if (!f) return;
    FaxNum = f->GetTarget();
    FaxComment = f->GetComment();
    Changed();
}

void TPrimaryPagesDlg::EMailTitleClick() {
    TKexObject* m = FindPageItem(EMailTitle, kindEMail);
    if (!m) return;
    EMailAddr = m->GetTarget();
    EMailComment = m->GetComment();
    Changed();
}

void TPrimaryPagesDlg::WebTitleClick() {
    TKexObject* w = FindPageItem(WebTitle, kindWeb);
    if (!w) return;
    Web = w->GetTarget();
    WebComment = w->GetComment();
    Changed();
}

void TPrimaryPagesDlg::HelpBtnClick() {
    if (OnHelp) OnHelp(HelpContext);
}

void TPrimaryPagesDlg::StorePages(TKexObject& record, TPrimaryTitles& titles,
                                  bool newRecord) const {
    TTreeNode* node = record.GetNode();
    // A new record has no items to update; an existing one updates the item
    // of the page's title when there is one.
    auto existing = [&](const std::string& title, uint8_t kind) -> TKexObject* {
        return newRecord ? nullptr : record.FindItem(title, kind);
    };
    // Without a node (never for a record in the tree) nothing can be created.
    auto create = [&](uint8_t kind, const std::string& title, const std::string& target,
                      const std::string& comment, const std::string& classLine) {
        if (!node) return false;
        CreateObject(kind, title, target, comment, node, classLine, 0);
        return true;
    };

    // A page filled in without a title takes the page's default title, so
    // that what was typed there is not dropped.
    auto pageTitle = [](const std::string& box, size_t slot, bool filled) {
        std::string title = fieldtext::SafeField(box);
        if (title.empty() && filled) title = primary::kSlots[slot].DefaultTitle;
        return title;
    };

    const bool addrFilled =
        !Addr.empty() || !City.empty() || !State.empty() || !PostCode.empty() || !Country.empty();
    const std::string addrTitle = pageTitle(AddrTitle, 0, addrFilled);
    if (!addrTitle.empty() && (!newRecord || !Addr.empty())) {
        std::vector<std::string> lines = StreetLines(Addr);
        bool stored = true;
        if (auto* a = dynamic_cast<TAddressObject*>(existing(addrTitle, kindAddress))) {
            // Only what the page changed is stored: an untouched value keeps
            // its bytes, and an address keeps its lines and list text.
            if (Addr != a->AddressText()) {
                a->ClearAddressLines();
                for (const auto& l : lines)
                    a->AddAddressLine(l);
                // The list shows an address by its first street line; keep it current.
                a->SetTarget(lines[0]);
            }
            Update(*a, &TAddressObject::City, &TAddressObject::SetCity, City);
            Update(*a, &TAddressObject::State, &TAddressObject::SetState, State);
            Update(*a, &TAddressObject::PostCode, &TAddressObject::SetPostCode, PostCode);
            Update(*a, &TAddressObject::Country, &TAddressObject::SetCountry, Country);
            Update<TKexObject>(*a, &TKexObject::GetComment, &TKexObject::SetComment, AddrComment);
        } else {
            using fieldtext::SafeField;
            std::string cls = "{Addr}" + lines[0] + "~~" + lines[1] + "~~" + lines[2] + "~~" +
                              SafeField(City) + "~~" + SafeField(State) + "~~" +
                              SafeField(PostCode) + "~~" + SafeField(Country);
            stored = create(kindAddress, addrTitle, lines[0], AddrComment, cls);
        }
        if (stored) titles.Address = addrTitle;
    }

    // Numbers are stored as the field displays them under its mask.
    const TEditMask phoneMask(PhoneNumMask);
    const std::string phoneNum = phoneMask.Fit(PhoneNum);
    const bool phoneFilled = phoneMask.HasEnteredCharacter(phoneNum);
    const std::string phoneTitle = pageTitle(PhoneTitle, 1, phoneFilled);
    if (!phoneTitle.empty() && phoneFilled) {
        bool stored = true;
        if (auto* p = dynamic_cast<TPhoneObject*>(existing(phoneTitle, kindPhone))) {
            Update<TKexObject>(*p, &TKexObject::GetTarget, &TKexObject::SetTarget, phoneNum);
            Update<TKexObject>(*p, &TKexObject::GetComment, &TKexObject::SetComment, PhoneComment);
            Update(*p, &TPhoneObject::Extension, &TPhoneObject::SetExtension, Extension);
        } else {
            stored = create(kindPhone, phoneTitle, phoneNum, PhoneComment,
                            "{Phon}" + fieldtext::SafeField(Extension));
        }
        if (stored) titles.Phone = phoneTitle;
    }

    // Fax, e-mail and website items keep only target and comment of their own.
    // Called only for a filled page.
    auto storePlain = [&](const std::string& box, size_t slot, const std::string& target,
                          const std::string& comment, std::string& primaryTitle) {
        const std::string title = pageTitle(box, slot, true);
        const uint8_t kind = primary::kSlots[slot].Kind;
        bool stored = true;
        if (TKexObject* item = existing(title, kind)) {
            Update(*item, &TKexObject::GetTarget, &TKexObject::SetTarget, target);
            Update(*item, &TKexObject::GetComment, &TKexObject::SetComment, comment);
        } else {
            stored = create(kind, title, target, comment, "");
        }
        if (stored) primaryTitle = title;
    };
    const TEditMask faxMask(FaxNumMask);
    const std::string faxNum = faxMask.Fit(FaxNum);
    if (faxMask.HasEnteredCharacter(faxNum))
        storePlain(FaxTitle, 2, faxNum, FaxComment, titles.Fax);
    if (!EMailAddr.empty()) storePlain(EMailTitle, 3, EMailAddr, EMailComment, titles.EMail);
    if (IsUrl(Web)) storePlain(WebTitle, 4, Web, WebComment, titles.Web);
}
