#include "platform/Services.h"
#include "records/EditMask.h"
#include "records/FaxEditDlg.h"
#include "records/FaxObject.h"
#include "records/PhoneEditDlg.h"
#include "records/PhoneFormats.h"
#include "records/PhoneObject.h"
#include "store/ObjectFactory.h"
#include "store/TreeNodes.h"
#include "support/TestServices.h"

#include <gtest/gtest.h>

namespace {

std::string ClassLineOf(const TKexObject& r) {
    std::string text;
    r.GetSaveText(text, 1);
    return text.substr(text.find("\r\n") + 2);
}

struct PhoneFaxFixture : ::testing::Test {
    TTestServices svc;
    TTreeNodes tree;
    TTreeNode* root = CreateRoot(tree);

    TPhoneObject& Phone(const std::string& classLine = "", const std::string& target = "555 0100") {
        return dynamic_cast<TPhoneObject&>(
            *CreateObject(kindPhone, "Desk", target, "evenings", root, classLine, 6).Object);
    }
    TFaxObject& Fax(const std::string& classLine = "", const std::string& target = "555 0199") {
        return dynamic_cast<TFaxObject&>(
            *CreateObject(kindFax, "Office", target, "ask first", root, classLine, 8).Object);
    }
};

using Lines = std::vector<std::string>;

} // namespace

TEST_F(PhoneFaxFixture, ClassLinesReadAndWriteBack) {
    struct Case {
        bool IsFax;
        std::string Stored, Written, Extension;
        uint32_t Categories;
    } cases[] = {
        {false, "{Phon}22~~0", "{Phon}22~~0", "22", 0},
        {false, "{Phon}~~7", "{Phon}~~7", "", 7},
        {false, "{Phon}22", "{Phon}22~~0", "22", 0}, // no categories field
        {false, "{Phon}~~-2147483648", "{Phon}~~-2147483648", "", 0x80000000u},
        {false, "", "{Phon}~~0", "", 0},
        {false, "{PHON}22~~5", "{Phon}~~0", "", 0},
        {true, "{Faxs}4", "{Faxs}4", "", 4},
        {true, "{Faxs}", "{Faxs}0", "", 0},
        {true, "{Faxs}x", "{Faxs}0", "", 0},
        {true, "{faxs}4", "{Faxs}0", "", 0},
    };
    for (const Case& c : cases) {
        TKexObject& r = c.IsFax ? static_cast<TKexObject&>(Fax(c.Stored)) : Phone(c.Stored);
        EXPECT_EQ(ClassLineOf(r), c.Written) << c.Stored;
        EXPECT_EQ(r.GetCategories(), c.Categories) << c.Stored;
        if (!c.IsFax) {
            EXPECT_EQ(dynamic_cast<TPhoneObject&>(r).Extension(), c.Extension);
        }
    }
}

TEST_F(PhoneFaxFixture, PopupOffersDialAndForFaxesSendFax) {
    TItemPopup menu;
    Phone().SetupPopup(menu);
    EXPECT_EQ(menu.Visible, (std::array<bool, pePopupEntryCount>{false, false, false, true}));
    Fax().SetupPopup(menu);
    EXPECT_EQ(menu.Visible, (std::array<bool, pePopupEntryCount>{false, false, true, true}));
}

TEST_F(PhoneFaxFixture, DialAsksTelephonyWithTheNumberAsStored) {
    TPhoneObject& p = Phone("{Phon}22~~0", "(555)123-4567");
    p.DefaultAction();
    Fax().Dial();
    ASSERT_EQ(svc.Telephony.Calls.size(), 2u);
    const auto& c = svc.Telephony.Calls[0];
    EXPECT_EQ(c.Dest + "|" + c.App + "|" + c.Party + "|" + c.Comment,
              "(555)123-4567|Tessalin|Desk|evenings"); // no extension
    EXPECT_EQ(svc.Telephony.Calls[1].Dest, "555 0199");
    EXPECT_TRUE(svc.Views.Boxes.empty());

    svc.Services.Telephony = nullptr;
    EXPECT_THROW(p.Dial(), EServiceMissing); // a wiring mistake, not a silent no-op
}

TEST_F(PhoneFaxFixture, SendFaxHandsOneMessageToTheMailSystem) {
    TFaxObject& f = Fax();
    WriteText(svc.File("letter.txt"), "hello");
    f.SendFax(svc.File("letter.txt"));
    f.SendFax(svc.File("gone.txt"));
    f.DefaultAction();
    ASSERT_EQ(svc.Mail.Sent.size(), 3u);
    const auto& s = svc.Mail.Sent[0];
    EXPECT_EQ(s.Session, 0u);
    EXPECT_EQ(s.Flags, 11u);
    EXPECT_EQ(s.Message.Subject, "");
    EXPECT_FALSE(s.Message.NoteText.has_value());
    EXPECT_EQ(s.Message.Flags, 0u);
    ASSERT_EQ(s.Message.Recips.size(), 1u);
    EXPECT_EQ(s.Message.Recips[0].RecipClass, mapi::To);
    EXPECT_EQ(s.Message.Recips[0].Name, "Office");
    EXPECT_EQ(s.Message.Recips[0].Address, "FAX:555 0199");
    ASSERT_EQ(s.Message.Files.size(), 1u);
    EXPECT_EQ(s.Message.Files[0].PathName, svc.File("letter.txt"));
    EXPECT_EQ(s.Message.Files[0].FileName, "");
    EXPECT_EQ(s.Message.Files[0].Position, -1);
    EXPECT_TRUE(svc.Mail.Sent[1].Message.Files.empty()); // missing file: sent without it
    EXPECT_TRUE(svc.Mail.Sent[2].Message.Files.empty());
    EXPECT_TRUE(svc.Views.Boxes.empty());
}

TEST_F(PhoneFaxFixture, FailedFaxSendIsReportedAndAMissingMailSystemRaises) {
    const std::string error = "MAPI Error. Unable to send Fax using Windows Messaging Services";
    svc.Mail.SendResult = mapi::Failure;
    Fax().SendFax("");
    ASSERT_EQ(svc.Views.Boxes.size(), 1u);
    EXPECT_EQ(svc.Views.Boxes[0].Text, error);
    EXPECT_EQ(svc.Views.Boxes[0].Type, mb::Ok | mb::IconError);
    svc.Services.Mail = nullptr;
    EXPECT_THROW(Fax().SendFax(""), EServiceMissing);
    EXPECT_EQ(svc.Views.Boxes.size(), 1u);
}

TEST_F(PhoneFaxFixture, ColumnImportAndExportUseTheirOwnColumnNames) {
    const Lines names = {"Title", "Phone Number", "Comment", "Extension", "Fax Number"};
    Lines row = {"Desk", "555 0100", "evenings", "22", "555 0199"};
    TPhoneObject& p = Phone("", "");
    ASSERT_TRUE(p.ImportColumns(row, names));
    EXPECT_EQ(ClassLineOf(p), "{Phon}22~~0");
    TFaxObject& f = Fax("", "");
    ASSERT_TRUE(f.ImportColumns(row, names));
    EXPECT_EQ(f.GetTarget(), "555 0199");

    std::string text;
    const std::pair<const char*, const char*> phoneCols[] = {
        {"Title", "\"Desk\","},       {"Phone Number", "\"555 0100\","},
        {"Comment", "\"evenings\","}, {"Extension", "\"22\","},
        {"Fax Number", ""},           {"phone number", ""}};
    for (const auto& [name, expected] : phoneCols) {
        p.GetCsvField(name, text);
        EXPECT_EQ(text, expected) << name;
    }
    const std::pair<const char*, const char*> faxCols[] = {
        {"Fax Number", "\"555 0199\","}, {"Title", "\"Desk\","}, {"Extension", ""}};
    for (const auto& [name, expected] : faxCols) {
        f.GetCsvField(name, text);
        EXPECT_EQ(text, expected) << name;
    }

    Lines noNumber = {"Desk"};
    EXPECT_FALSE(Phone("", "").ImportColumns(noNumber, {"Title"}));
    EXPECT_FALSE(Fax("", "").ImportColumns(noNumber, {"Title"}));
    Lines emptyNumber = {"Desk", ""};
    EXPECT_FALSE(Phone("", "").ImportColumns(emptyNumber, {"Title", "Phone Number"}));
    Lines noTitle = {"555"};
    EXPECT_FALSE(Fax("", "").ImportColumns(noTitle, {"Fax Number"}));
    Lines unsafe = {"Desk", "555~~0100", "1~~2"};
    TPhoneObject& u = Phone("", "");
    ASSERT_TRUE(u.ImportColumns(unsafe, {"Title", "Phone Number", "Extension"}));
    EXPECT_EQ(Phone(ClassLineOf(u)).Extension(), u.Extension());

    p.GetVCardLine(text);
    EXPECT_EQ(text, "TEL:555 0100");
    f.GetVCardLine(text);
    EXPECT_EQ(text, "TEL;FAX:555 0199");
}

TEST_F(PhoneFaxFixture, NewPhoneStartsWithTheUsaFormatAndStoresTheNumberAsShown) {
    svc.Views.On<TPhoneEditDlg>("TPhoneEditDlg", [](TPhoneEditDlg& d) {
        EXPECT_EQ(d.Caption, "Phone");
        EXPECT_EQ(d.PhoneTitle, "New Phone");
        EXPECT_TRUE(d.PhoneFmtVisible);
        EXPECT_EQ(d.PhoneFmt, 0);
        EXPECT_EQ(d.PhoneNumMask, PhoneFormatMasks[0].Mask);
        EXPECT_EQ(d.PhoneNum, "(___)___-____");
        int cursor = 0;
        for (char c : std::string("555 123 4567"))
            TEditMask(d.PhoneNumMask).TypeChar(d.PhoneNum, cursor, c);
        d.Extension = "2~~2";
        return mrOk;
    });
    TPhoneObject& p = Phone("", "");
    ASSERT_TRUE(p.EditNew(nullptr));
    EXPECT_EQ(p.GetTitle(), "New Phone");
    EXPECT_EQ(p.GetTarget(), "(555)123-4567");
    EXPECT_EQ(ClassLineOf(p), "{Phon}2-~2~~0");
}

TEST_F(PhoneFaxFixture, NewPhoneOrFaxIsDroppedWithoutTitleOrEnteredDigit) {
    const struct {
        const char *Title, *Number;
        TModalResult Result;
        bool Stays;
    } cases[] = {{"Desk", "5551234567", mrCancel, false},
                 {"Desk", "(___)___-____", mrOk, false}, // only literals and blanks
                 {"", "5", mrOk, false},
                 {"Desk", "(___)___-___7", mrOk, true},
                 {"Desk", "5551234567", mrOk, true}};
    for (const auto& c : cases) {
        svc.Views.On<TPhoneEditDlg>("TPhoneEditDlg", [c](TPhoneEditDlg& d) {
            d.PhoneTitle = c.Title;
            d.PhoneNum = c.Number;
            return c.Result;
        });
        svc.Views.On<TFaxEditDlg>("TFaxEditDlg", [c](TFaxEditDlg& d) {
            d.FaxTitle = c.Title;
            d.FaxNum = c.Number;
            return c.Result;
        });
    }
    for (const auto& c : cases) {
        EXPECT_EQ(Phone("", "").EditNew(nullptr), c.Stays) << c.Title << "/" << c.Number;
        EXPECT_EQ(Fax("", "").EditNew(nullptr), c.Stays) << c.Title << "/" << c.Number;
    }
}

TEST_F(PhoneFaxFixture, ChoosingAFormatChangesTheMaskOfTheNumberField) {
    svc.Views.On<TFaxEditDlg>("TFaxEditDlg", [](TFaxEditDlg& d) {
        EXPECT_EQ(d.FaxTitle, "New Fax");
        EXPECT_TRUE(d.FaxFmtVisible);
        d.FaxNum = TEditMask(d.FaxNumMask).Apply("46135792");
        d.FaxFmt = 9; // Sweden
        d.FaxFmtChange();
        EXPECT_EQ(d.FaxNumMask, PhoneFormatMask(7));
        EXPECT_EQ(d.FaxNum, "46 13 57 92");
        d.FaxFmt = 3; // France has room for 8 digits too
        d.FaxFmtChange();
        EXPECT_EQ(d.FaxNum, "16-46-13-57-92");
        d.FaxFmt = 1; // free text takes anything
        d.FaxFmtChange();
        EXPECT_EQ(d.FaxNumMask, "");
        d.FaxNum = "+46 (0)8 555 ~~ 0199";
        return mrOk;
    });
    TFaxObject& f = Fax("", "");
    ASSERT_TRUE(f.EditNew(nullptr));
    EXPECT_EQ(f.GetTarget(), "+46 (0)8 555 -~ 0199");
}

TEST_F(PhoneFaxFixture, PropertiesShowTheNumberUnmaskedAndOnlyFaxesAcceptItEmpty) {
    TPhoneObject& p = Phone("{Phon}22~~0", "(555)123-4567");
    svc.Views.On<TPhoneEditDlg>("TPhoneEditDlg", [](TPhoneEditDlg& d) {
        EXPECT_FALSE(d.PhoneFmtVisible);
        EXPECT_EQ(d.PhoneNumMask, "");
        EXPECT_EQ(d.PhoneNum + "|" + d.Extension + "|" + d.PhoneComment,
                  "(555)123-4567|22|evenings");
        d.PhoneNum = "";
        d.PhoneComment = "changed";
        return mrOk;
    });
    svc.Views.On<TPhoneEditDlg>("TPhoneEditDlg", [](TPhoneEditDlg& d) {
        d.PhoneNum = "ext 4 via switchboard";
        d.Extension = "";
        return mrOk;
    });
    p.EditProperties();
    EXPECT_EQ(p.GetComment(), "evenings");
    p.EditProperties();
    EXPECT_EQ(p.GetTarget(), "ext 4 via switchboard");
    EXPECT_EQ(p.Extension(), "");

    TFaxObject& f = Fax();
    svc.Views.On<TFaxEditDlg>("TFaxEditDlg", [](TFaxEditDlg& d) {
        EXPECT_FALSE(d.FaxFmtVisible);
        EXPECT_EQ(d.FaxNumMask, "");
        EXPECT_EQ(d.FaxNum, "555 0199");
        d.FaxNum = "";
        return mrOk;
    });
    svc.Views.On<TFaxEditDlg>("TFaxEditDlg", [](TFaxEditDlg& d) {
        d.FaxTitle = "";
        d.FaxNum = "1";
        return mrOk;
    });
    f.EditProperties();
    EXPECT_EQ(f.GetTarget(), "");
    f.EditProperties();
    EXPECT_EQ(f.GetTitle(), "Office");
}

TEST_F(PhoneFaxFixture, NewNumbersStartOnTheFormatOfTheDesktopCountry) {
    const struct {
        const char* Country;
        int Format;
    } cases[] = {{"US", 0},  {"CA", 0},           {"DE", 4},
                 {"GB", 10}, {"PL", kFreeFormat}, {"", kFreeFormat}};
    for (const auto& c : cases) {
        svc.Locale.CountryCode = c.Country;
        int phoneFmt = -2, faxFmt = -2;
        std::string phoneMask = "?", faxMask = "?";
        svc.Views.On<TPhoneEditDlg>("TPhoneEditDlg", [&](TPhoneEditDlg& d) {
            phoneFmt = d.PhoneFmt;
            phoneMask = d.PhoneNumMask;
            return mrCancel;
        });
        svc.Views.On<TFaxEditDlg>("TFaxEditDlg", [&](TFaxEditDlg& d) {
            faxFmt = d.FaxFmt;
            faxMask = d.FaxNumMask;
            return mrCancel;
        });
        Phone().EditNew(nullptr);
        Fax().EditNew(nullptr);
        EXPECT_EQ(phoneFmt, c.Format) << c.Country;
        EXPECT_EQ(phoneMask, PhoneFormatMask(c.Format)) << c.Country;
        EXPECT_EQ(faxFmt, c.Format) << c.Country;
        EXPECT_EQ(faxMask, PhoneFormatMask(c.Format)) << c.Country;
    }
}

TEST_F(PhoneFaxFixture, ANumberThatDoesNotFitItsFormatIsStoredAsTyped) {
    svc.Locale.CountryCode = "DE";
    svc.Views.On<TPhoneEditDlg>("TPhoneEditDlg", [](TPhoneEditDlg& d) {
        d.PhoneNumUnfit("+49 30 1234567");
        EXPECT_EQ(d.PhoneFmt, kFreeFormat);
        EXPECT_EQ(d.PhoneNumMask, "");
        return mrOk;
    });
    svc.Views.On<TFaxEditDlg>("TFaxEditDlg", [](TFaxEditDlg& d) {
        d.FaxNumUnfit("+48 22 123 45 67");
        EXPECT_EQ(d.FaxFmt, kFreeFormat);
        return mrOk;
    });
    TPhoneObject& p = Phone("", "");
    ASSERT_TRUE(p.EditNew(nullptr));
    EXPECT_EQ(p.GetTarget(), "+49 30 1234567");
    TFaxObject& f = Fax("", "");
    ASSERT_TRUE(f.EditNew(nullptr));
    EXPECT_EQ(f.GetTarget(), "+48 22 123 45 67");
}
