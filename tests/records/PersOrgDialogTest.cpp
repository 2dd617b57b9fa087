#include "records/AddressObject.h"
#include "records/EditMask.h"
#include "records/EditPersDlg.h"
#include "records/OrgEditDlg.h"
#include "records/OrgObject.h"
#include "records/PersonObject.h"
#include "records/PhoneFormats.h"
#include "records/PhoneObject.h"
#include "store/ObjectFactory.h"
#include "store/TreeNodes.h"
#include "support/TestServices.h"

#include <gtest/gtest.h>

namespace {

struct DialogFixture : ::testing::Test {
    TTestServices svc;
    TTreeNodes tree;
    TTreeNode* root = CreateRoot(tree);

    template <typename R>
    R& Create(uint8_t kind, const std::string& title, const std::string& classLine = "") {
        return dynamic_cast<R&>(*CreateObject(kind, title, "", "", root, classLine, 0).Object);
    }
    static TKexObject* Add(TKexObject& owner, uint8_t kind, const std::string& title,
                           const std::string& target, const std::string& comment,
                           const std::string& classLine = "") {
        return CreateObject(kind, title, target, comment, owner.GetNode(), classLine, 0).Object;
    }
    template <typename D>
    void Script(const char* form, std::function<TModalResult(D&)> f) {
        svc.Views.On<D>(form, std::move(f));
    }
};

// Every page of a new record's dialog filled in, as a user would.
void FillAllPages(TPrimaryPagesDlg& d) {
    d.FormShow();
    d.Addr = "1 Main St\r\nFloor 2";
    d.City = "Leeds";
    d.PostCode = "LS1";
    d.AddrComment = "office";
    d.PhoneNum = TEditMask(d.PhoneNumMask).Apply("5551234567");
    d.Extension = "22";
    d.FaxNum = TEditMask(d.FaxNumMask).Apply("5559876543");
    d.EMailAddr = "ann@example.org";
    d.Web = "http://example.org";
    d.WebComment = "home page";
}

} // namespace

TEST_F(DialogFixture, NewPersonWithDefaultPagesCreatesNoItems) {
    auto& p = Create<TPersonObject>(kindPerson, "New Person");
    Script<TEditPersDlg>("TEditPersDlg", [](TEditPersDlg& d) {
        d.FormShow();
        EXPECT_EQ(d.AddrTitle, "Primary Address");
        EXPECT_EQ(d.FaxTitle, "Primary FAX");
        EXPECT_EQ(d.EMailTitle, "Primary E-Mail");
        EXPECT_EQ(d.PhoneNumMask, PhoneFormatMask(0));
        EXPECT_EQ(d.FaxNumMask, PhoneFormatMask(0));
        d.Title = "Ann Lee";
        d.Salutation = "Ms.";
        d.FName = "Ann";
        return mrOk;
    });
    ASSERT_TRUE(p.EditNew(p.GetNode()));
    EXPECT_EQ(p.ItemCount(), 0);
    EXPECT_EQ(p.GetNode()->Count(), 0);
    EXPECT_EQ(p.PrimaryAddress() + p.PrimaryPhone() + p.PrimaryFax() + p.PrimaryEMail() +
                  p.PrimaryWeb(),
              "");
    EXPECT_EQ(p.GetTarget(), "Ms. Ann ");
    EXPECT_EQ(p.GetNode()->Text(), "Ann Lee");
    TItemPopup menu;
    p.SetupPopup(menu);
    for (int e = peSendMail; e < pePopupEntryCount; ++e)
        EXPECT_FALSE(menu.IsVisible(static_cast<TPopupEntry>(e))) << e;
}

TEST_F(DialogFixture, NewPersonWithAllPagesFilledCreatesFivePrimaryItems) {
    auto& p = Create<TPersonObject>(kindPerson, "New Person");
    Script<TEditPersDlg>("TEditPersDlg", [](TEditPersDlg& d) {
        FillAllPages(d);
        d.Title = "Ann Lee";
        return mrOk;
    });
    ASSERT_TRUE(p.EditNew(p.GetNode()));
    EXPECT_EQ(p.PrimaryAddress(), "Primary Address");
    EXPECT_EQ(p.PrimaryPhone(), "Primary Phone");
    EXPECT_EQ(p.PrimaryFax(), "Primary FAX");
    EXPECT_EQ(p.PrimaryEMail(), "Primary E-Mail");
    EXPECT_EQ(p.PrimaryWeb(), "Primary Website");
    ASSERT_EQ(p.ItemCount(), 4);

    auto* a = dynamic_cast<TAddressObject*>(p.FindItem("Primary Address", kindAddress));
    ASSERT_TRUE(a);
    EXPECT_EQ(a->GetTarget(), "1 Main St");
    EXPECT_EQ(a->AddressLines(), (std::vector<std::string>{"1 Main St", "Floor 2", ""}));
    EXPECT_EQ(a->City(), "Leeds");
    EXPECT_EQ(a->GetComment(), "office");
    EXPECT_EQ(a->GetCategories(), 0u);
    auto* ph = dynamic_cast<TPhoneObject*>(p.FindItem("Primary Phone", kindPhone));
    ASSERT_TRUE(ph);
    EXPECT_EQ(ph->GetTarget(), "(555)123-4567");
    EXPECT_EQ(ph->Extension(), "22");
    ASSERT_TRUE(p.FindItem("Primary FAX", kindFax));
    EXPECT_EQ(p.FindItem("Primary E-Mail", kindEMail)->GetTarget(), "ann@example.org");
    ASSERT_EQ(p.GetNode()->Count(), 1);
    TKexObject* web = p.GetNode()->GetFirstChild()->Data();
    EXPECT_EQ(web->GetKind(), kindWeb);
    EXPECT_EQ(web->GetComment(), "home page");
}

TEST_F(DialogFixture, CancelledNewPersonAnswersFalseAndChangesNothing) {
    auto& p = Create<TPersonObject>(kindPerson, "New Person");
    Script<TEditPersDlg>("TEditPersDlg", [](TEditPersDlg& d) {
        FillAllPages(d);
        d.Title = "Ann Lee";
        return mrCancel;
    });
    EXPECT_FALSE(p.EditNew(p.GetNode()));
    EXPECT_EQ(p.GetTitle(), "New Person");
    EXPECT_EQ(p.ItemCount(), 0);
    EXPECT_EQ(p.PrimaryPhone(), "");
}

TEST_F(DialogFixture, PersonPropertiesLoadAndUpdateThePickedItems) {
    auto& p =
        Create<TPersonObject>(kindPerson, "Ann Lee", "{Pers}Ms.~~Ann~~~~Lee~~Home~~Work~~~~~~~~0");
    auto* home = dynamic_cast<TAddressObject*>(
        Add(p, kindAddress, "Home", "1 Old Rd", "", "{Addr}1 Old Rd~~~~~~York~~~~~~~~0"));
    Add(p, kindPhone, "Work", "555 0100", "desk", "{Phon}11~~0");
    auto* mobile =
        dynamic_cast<TPhoneObject*>(Add(p, kindPhone, "Mobile", "555 0199", "cell", "{Phon}~~0"));
    CreateObject(kindWeb, "Blog", "http://blog.example", "", p.GetNode(), "", 0);

    Script<TEditPersDlg>("TEditPersDlg", [](TEditPersDlg& d) {
        EXPECT_FALSE(d.PhoneFmtVisible);
        EXPECT_FALSE(d.FaxFmtVisible);
        d.FormShow();
        EXPECT_EQ(d.PhoneNumMask, ""); // stored numbers show as they are
        EXPECT_EQ(d.PhoneTitleItems, (std::vector<std::string>{"Work", "Mobile"}));
        EXPECT_EQ(d.WebTitleItems, std::vector<std::string>{"Blog"});
        EXPECT_EQ(d.Addr, "1 Old Rd\r\n\r\n");
        EXPECT_EQ(d.City, "York");
        EXPECT_EQ(d.PhoneNum, "555 0100");
        EXPECT_EQ(d.Extension, "11");
        d.PhoneTitle = "Mobile";
        d.PhoneTitleClick();
        EXPECT_EQ(d.PhoneNum, "555 0199");
        EXPECT_EQ(d.PhoneComment, "cell");
        EXPECT_EQ(d.Extension, "");
        d.PhoneNum = "555 0200";
        d.Addr = "2 New Rd";
        d.EMailTitle = "Mail";
        d.EMailAddr = "ann@example.org";
        d.WebTitle = "";
        return mrOk;
    });
    p.EditProperties();
    EXPECT_EQ(p.PrimaryPhone(), "Mobile");
    EXPECT_EQ(mobile->GetTarget(), "555 0200");
    EXPECT_EQ(home->AddressLines(), (std::vector<std::string>{"2 New Rd", "", ""}));
    EXPECT_EQ(home->GetTarget(), "2 New Rd");
    EXPECT_EQ(p.PrimaryEMail(), "Mail");
    EXPECT_EQ(p.FindItem("Mail", kindEMail)->GetTarget(), "ann@example.org");
    EXPECT_EQ(p.PrimaryWeb(), "");
    EXPECT_EQ(p.ItemCount(), 4);
    EXPECT_EQ(p.GetTarget(), ""); // no name changed
}

TEST_F(DialogFixture, RecordWithOnlyWebsiteChildrenOpensWithEmptyPages) {
    auto& o = Create<TOrgObject>(kindOrg, "Acme", "{Orgn}~~~~~~~~Site~~0");
    CreateObject(kindWeb, "Site", "http://acme.example", "", o.GetNode(), "", 0);
    Script<TOrgEditDlg>("TOrgEditDlg", [](TOrgEditDlg& d) {
        EXPECT_TRUE(d.WebTitleItems.empty());
        EXPECT_EQ(d.WebTitle, "");
        EXPECT_EQ(d.Web, "http://");
        return mrCancel;
    });
    o.EditProperties();
    EXPECT_EQ(svc.Views.Shown, std::vector<std::string>{"TOrgEditDlg"});
}

TEST_F(DialogFixture, NewOrganizationStoresFilledPagesAndSkipsTheOthers) {
    auto& o = Create<TOrgObject>(kindOrg, "New Organization");
    Script<TOrgEditDlg>("TOrgEditDlg", [](TOrgEditDlg& d) {
        EXPECT_EQ(d.Caption, "Organization");
        FillAllPages(d);
        d.Title = "Acme";
        d.Addr = ""; // a new address needs address text
        d.FaxFmt = 1;
        d.PhoneFmtChange("FaxFmt");
        EXPECT_EQ(d.FaxNumMask, "");
        EXPECT_EQ(d.FaxNum, "5559876543"); // the digits stay, the USA literals go
        EXPECT_EQ(d.PhoneNumMask, PhoneFormatMask(0));
        d.PhoneFmt = 2; // Denmark: 8 digits
        d.PhoneFmtChange("PhoneFmt");
        EXPECT_EQ(d.PhoneFmt, kFreeFormat);
        EXPECT_EQ(d.PhoneNum, "5551234567");
        d.PhoneFmt = 4; // Germany: room for all 10
        d.PhoneFmtChange("PhoneFmt");
        EXPECT_EQ(d.PhoneNum, "(555 12) 34567");
        d.FaxNum = "+44 1632 960000";
        d.Web = "www.acme.example"; // no scheme: no website
        return mrOk;
    });
    ASSERT_TRUE(o.EditNew(o.GetNode()));
    EXPECT_EQ(o.GetTitle(), "Acme");
    EXPECT_EQ(o.PrimaryAddress(), "");
    EXPECT_EQ(o.PrimaryWeb(), "");
    EXPECT_EQ(o.PrimaryFax(), "Primary FAX");
    EXPECT_EQ(o.FindItem("Primary FAX", kindFax)->GetTarget(), "+44 1632 960000");
    EXPECT_EQ(o.ItemCount(), 3);
    EXPECT_EQ(o.GetNode()->Count(), 0);
}

TEST_F(DialogFixture, OrganizationPropertiesCreateAnAddressForANewTitleWithoutText) {
    auto& o = Create<TOrgObject>(kindOrg, "Acme", "{Orgn}~~Desk~~~~~~~~0");
    Add(o, kindPhone, "Desk", "555 0100", "", "{Phon}~~0");
    Script<TOrgEditDlg>("TOrgEditDlg", [](TOrgEditDlg& d) {
        d.AddrTitle = "Depot";
        d.City = "Hull";
        return mrOk;
    });
    o.EditProperties();
    EXPECT_EQ(o.PrimaryAddress(), "Depot");
    auto* a = dynamic_cast<TAddressObject*>(o.FindItem("Depot", kindAddress));
    ASSERT_TRUE(a);
    EXPECT_EQ(a->City(), "Hull");
    EXPECT_EQ(a->AddressLines().size(), 3u);
    EXPECT_EQ(o.PrimaryPhone(), "Desk");
}

TEST(PersonDialog, LeavingAChangedTitleFillsTheNamesFromItsWords) {
    struct Case {
        const char* Title;
        const char* First;
        const char* Middle;
        const char* Last;
    };
    const Case cases[] = {
        {"Mary Ann Smith", "Mary", "Ann", "Smith"},
        {"Smith", "f", "m", "l"},
        {"Mary Ann Lee Smith", "Mary", "Ann", "Lee"},
        {"\"Mary Ann\" Smith", "Mary Ann", "m", "Smith"},
        // A comma right after the first word: last name first.
        {"Smith, John", "John", "m", "Smith"},
        {"Keller, Anna Maria", "Anna", "Maria", "Keller"},
        {"Keller,Anna", "Anna", "m", "Keller"},
        {"\"van Dijk\", Anna", "Anna", "m", "van Dijk"},
        {"Keller,", "", "m", "Keller"}, // the empty word after the comma counts
        // A comma further on is only a separator.
        {"Anna Keller, Jr.", "Anna", "Keller", "Jr."},
    };
    for (const Case& c : cases) {
        TEditPersDlg d;
        d.FName = "f";
        d.MName = "m";
        d.LName = "l";
        d.Title = c.Title;
        d.TitleExit();
        EXPECT_EQ(d.FName, c.First) << c.Title;
        EXPECT_EQ(d.MName, c.Middle) << c.Title;
        EXPECT_EQ(d.LName, c.Last) << c.Title;
    }
}

TEST_F(DialogFixture, LeavingTheTitleUnchangedKeepsTheNames) {
    // Names that do not follow from the title: passing through it, as Tab
    // does, must leave them be.
    auto& p =
        Create<TPersonObject>(kindPerson, "Keller, Anna", "{Pers}~~Anna~~B.~~Keller~~~~~~~~~~~~0");
    Script<TEditPersDlg>("TEditPersDlg", [](TEditPersDlg& d) {
        d.TitleExit();
        EXPECT_EQ(d.FName, "Anna");
        EXPECT_EQ(d.MName, "B.");
        EXPECT_EQ(d.LName, "Keller");
        d.Title = "Anna Berta Keller";
        d.TitleExit();
        EXPECT_EQ(d.MName, "Berta");
        // Typed over after the split, the names stay the user's own when the
        // focus passes the same title again.
        d.MName = "B.";
        d.TitleExit();
        EXPECT_EQ(d.MName, "B.");
        return mrOk;
    });
    p.EditProperties();
    EXPECT_EQ(p.MiddleName(), "B.");

    auto& fresh = Create<TPersonObject>(kindPerson, "New Person");
    Script<TEditPersDlg>("TEditPersDlg", [](TEditPersDlg& d) {
        d.TitleExit();
        EXPECT_EQ(d.FName + d.LName, "");
        return mrOk;
    });
    ASSERT_TRUE(fresh.EditNew(fresh.GetNode()));
    EXPECT_EQ(fresh.FirstName() + fresh.LastName(), "");
}

TEST_F(DialogFixture, PropertiesComposeTheTargetOnlyWhenANameOfItChanges) {
    struct Case {
        const char* Field; // what the user changes, "" for nothing
        const char* Target;
    };
    const Case cases[] = {
        {"", "Anna Keller"}, // as the column import made it
        {"MName", "Anna Keller"},
        {"Salutation", "Ms. Anna Keller"},
        {"LName", " Anna Kellner"},
    };
    for (const Case& c : cases) {
        auto& p = Create<TPersonObject>(kindPerson, "Anna", "{Pers}~~Anna~~~~Keller~~~~~~~~~~~~0");
        p.SetTarget("Anna Keller");
        std::string field = c.Field;
        Script<TEditPersDlg>("TEditPersDlg", [field](TEditPersDlg& d) {
            if (field == "MName") d.MName = "B.";
            if (field == "Salutation") d.Salutation = "Ms.";
            if (field == "LName") d.LName = "Kellner";
            return mrOk;
        });
        p.EditProperties();
        EXPECT_EQ(p.GetTarget(), c.Target) << c.Field;
    }
}

TEST_F(DialogFixture, PropertiesTouchingNothingWriteTheSameLines) {
    // Old Windows-1252 bytes, an address whose list text is not its first
    // line, a title longer than the box: all stay as they are.
    auto& p = Create<TPersonObject>(kindPerson,
                                    "M\xFCller, J\xFCrgen und sehr langer Titel f\xFCr den Test",
                                    "{Pers}Herr~~J\xFCrgen~~~~M\xFCller~~Heim~~B\xFCro~~~~~~~~3");
    p.SetTarget("J\xFCrgen M\xFCller");
    p.SetComment("Gr\xFC\337e");
    Add(p, kindAddress, "Heim", "Stra\337e", "privat",
        "{Addr}Hauptstra\337e 1~~Hinterhaus~~~~K\xF6ln~~~~50667~~~~0");
    Add(p, kindPhone, "B\xFCro", "0221 12345", "Durchwahl", "{Phon}12~~0");
    auto lines = [&] {
        std::string all;
        p.GetSaveText(all, 0);
        for (const auto& item : p.Items())
            item->GetSaveText(all, 1);
        return all;
    };
    const std::string before = lines();
    Script<TEditPersDlg>("TEditPersDlg", [](TEditPersDlg& d) {
        d.TitleExit();
        return mrOk;
    });
    p.EditProperties();
    EXPECT_EQ(lines(), before);
    EXPECT_EQ(p.ItemCount(), 2);
}

TEST_F(DialogFixture, AFilledPageWithoutATitleTakesThePageDefault) {
    struct Case {
        const char* Page;
        uint8_t Kind;
        const char* Title;
    };
    const Case cases[] = {{"address", kindAddress, "Primary Address"},
                          {"phone", kindPhone, "Primary Phone"},
                          {"fax", kindFax, "Primary FAX"},
                          {"e-mail", kindEMail, "Primary E-Mail"},
                          {"website", kindWeb, "Primary Website"}};
    for (bool fresh : {false, true}) {
        for (const Case& c : cases) {
            auto& p = Create<TPersonObject>(kindPerson, fresh ? "New Person" : "Ann");
            const std::string page = c.Page;
            Script<TEditPersDlg>("TEditPersDlg", [page](TEditPersDlg& d) {
                d.FormShow();
                d.AddrTitle = d.PhoneTitle = d.FaxTitle = d.EMailTitle = d.WebTitle = "";
                if (page == "address") d.Addr = "1 Main St";
                if (page == "phone") d.PhoneNum = TEditMask(d.PhoneNumMask).Apply("5551234567");
                if (page == "fax") d.FaxNum = TEditMask(d.FaxNumMask).Apply("5551234567");
                if (page == "e-mail") d.EMailAddr = "ann@example.org";
                if (page == "website") d.Web = "http://ann.example";
                return mrOk;
            });
            if (fresh)
                ASSERT_TRUE(p.EditNew(p.GetNode()));
            else
                p.EditProperties();
            TKexObject* item = p.FindItem(c.Title, c.Kind);
            ASSERT_NE(item, nullptr) << c.Page << (fresh ? " new" : " properties");
            const TPrimaryTitles& t = p.PrimaryTitles();
            EXPECT_EQ(t.Address + t.Phone + t.Fax + t.EMail + t.Web, c.Title) << c.Page;
        }
    }
}

TEST_F(DialogFixture, NewRecordPagesStartOnTheDesktopCountryFormat) {
    for (const char* country : {"DE", "PL"}) {
        svc.Locale.CountryCode = country;
        const int format = PhoneFormatForCountry(country);
        auto& o = Create<TOrgObject>(kindOrg, "New Organization");
        Script<TOrgEditDlg>("TOrgEditDlg", [format](TOrgEditDlg& d) {
            d.FormShow();
            EXPECT_EQ(d.PhoneFmt, format);
            EXPECT_EQ(d.FaxFmt, format);
            EXPECT_EQ(d.PhoneNumMask, PhoneFormatMask(format));
            EXPECT_EQ(d.FaxNumMask, PhoneFormatMask(format));
            // Text the page's format cannot hold switches it to free text.
            d.PhoneNumUnfit("+49 30 1234567");
            d.FaxNumUnfit("+49 30 7654321");
            EXPECT_EQ(d.PhoneFmt, kFreeFormat);
            EXPECT_EQ(d.FaxNumMask, "");
            return mrOk;
        });
        ASSERT_TRUE(o.EditNew(o.GetNode()));
        EXPECT_EQ(o.FindItem("Primary Phone", kindPhone)->GetTarget(), "+49 30 1234567");
        EXPECT_EQ(o.FindItem("Primary FAX", kindFax)->GetTarget(), "+49 30 7654321");
    }
}
