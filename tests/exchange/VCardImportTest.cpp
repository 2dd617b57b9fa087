// Cards made into persons and organizations, and records written back as cards.
#include "exchange/jobs/VCardImport.h"

#include "CardFiles.h"
#include "VCardRecords.h"
#include "exchange/VCImportDlg.h"
#include "platform/Errors.h"
#include "store/ContactStore.h"
#include "store/FieldText.h"
#include "store/TreeNodes.h"
#include "support/RecordingObserver.h"

#include <gtest/gtest.h>

namespace {

struct VCardImportFixture : ::testing::Test {
    TTestServices svc;
    TContactStore doc;

    TVCardImport Import(const std::string& text, TCardOrgMode mode = TCardOrgMode::Person) {
        return ImportVCardCards(ReadCards(text), doc.Root(), mode);
    }
    std::string Tree() const { return DescribeBelow(doc.Root()); }
};

std::string Card(const std::string& lines) {
    return "BEGIN:VCARD\r\n" + lines + "END:VCARD\r\n";
}

const std::string kJane = "person Jane Public| Jane Public| N=Public/Jane//";

} // namespace

TEST_F(VCardImportFixture, EdgeCasesOfTheCardImport) {
    struct Case {
        const char* What;
        std::string Lines;
        TCardOrgMode Mode;
        std::string Tree;
    } cases[] = {
        {"lower-case names are found", "N:Public;Jane\r\ntel;home:555 0100\r\n",
         TCardOrgMode::Person, kJane + " P=////\n  phone Home|555 0100|\n"},
        {"NOTE is no N, it is the comment", "N:Public;Jane\r\nNOTE:call back, after 5\r\n",
         TCardOrgMode::Person,
         "person Jane Public| Jane Public|call back, after 5 N=Public/Jane// P=////\n"},
        {"TYPE= lists name tokens", "N:Public;Jane\r\nTEL;TYPE=WORK,VOICE:555 0100\r\n",
         TCardOrgMode::Person, kJane + " P=////\n  phone Office,Voice Line|555 0100|\n"},
        {"address values in their places",
         "N:Public;Jane\r\nADR;HOME:;;12 High St;Leeds;;LS1 4AB;UK\r\n", TCardOrgMode::Person,
         kJane + " P=////\n  address Home|| A=//12 High St/Leeds//LS1 4AB/UK\n"},
        {"an organization takes value 0 of ORG", "ORG:Smith, Jones and Co\r\n",
         TCardOrgMode::Organization, "org Smith|| P=////\n"},
        {"ORG is ignored by a person", "N:Public;Jane\r\nORG:Smith\r\n", TCardOrgMode::Person,
         kJane + " P=////\n"},
        {"TITLE before FN", "TITLE:Manager\r\nFN:Jane Public\r\n", TCardOrgMode::Person,
         "person Manager|  | N=/// P=////\n"},
        {"FN without TITLE", "FN:Jane Public\r\n", TCardOrgMode::Person,
         "person Jane Public|  | N=/// P=////\n"},
        {"neither TITLE, FN nor N", "EMAIL:jane@example.org\r\n", TCardOrgMode::Person,
         "person  |  | N=/// P=////\n  email |jane@example.org|\n"},
        {"N with a prefix", "N:Public;Jane;Q.;Dr.;Jr.\r\n", TCardOrgMode::Person,
         "person Jane Public|Dr. Jane Public| N=Public/Jane/Q./Dr. P=////\n"},
        {"only the first URL", "N:Public;Jane\r\nURL:http://a.example\r\nURL:http://b.example\r\n",
         TCardOrgMode::Person, kJane + " P=////Web URL\n  web Web URL|http://a.example|\n"},
        {"PREF makes the primaries",
         "N:Public;Jane\r\nADR;WORK;PREF:;;1 Mill Rd;Leeds\r\nADR;HOME:;;2 Elm St;York\r\n"
         "EMAIL;INTERNET;PREF:jane@example.org\r\nTEL;CELL:555 0102\r\n"
         "TEL;PREF;VOICE:555 0100\r\nTEL;FAX;PREF:555 0101\r\n",
         TCardOrgMode::Person,
         kJane + " P=Office,Preferred/Preferred,Voice Line/Preferred,Fax Line/"
                 "Preferred,Internet/\n"
                 "  address Office,Preferred|| A=//1 Mill Rd/Leeds///\n"
                 "  address Home|| A=//2 Elm St/York///\n"
                 "  email Preferred,Internet|jane@example.org|\n"
                 "  phone Cellular|555 0102|\n"
                 "  phone Preferred,Voice Line|555 0100|\n"
                 "  fax Preferred,Fax Line|555 0101|\n"},
        {"an organization's items",
         "ORG:Acme\r\nTEL;WORK;PREF:555 0100\r\nURL:http://acme.example\r\n",
         TCardOrgMode::Organization,
         "org Acme|| P=/Office,Preferred///Web URL\n  phone Office,Preferred|555 0100|\n"
         "  web Web URL|http://acme.example|\n"},
        // Used properties without values are one empty value; the card still imports.
        {"TITLE without a value", "TITLE:\r\nFN:Jane Public\r\n", TCardOrgMode::Person,
         "person |  | N=/// P=////\n"},
        {"TEL without a value", "N:Public;Jane\r\nTEL:\r\nADR:\r\n", TCardOrgMode::Person,
         kJane + " P=////\n  address || A=//////\n  phone ||\n"},
        {"ORG without a value", "ORG:\r\nTEL:555 0100\r\n", TCardOrgMode::Organization,
         "org || P=////\n  phone |555 0100|\n"},
        // A birthday is a yearly reminder due on the next one (today is 14 March 1998).
        {"BDAY", "N:Public;Jane\r\nBDAY:1980-05-03\r\n", TCardOrgMode::Person,
         kJane + " P=////\n  reminder Birthday|3/5/98|1980-05-03\n"},
        {"BDAY already past this year", "N:Public;Jane\r\nBDAY:19800102T000000Z\r\n",
         TCardOrgMode::Person, kJane + " P=////\n  reminder Birthday|2/1/99|1980-01-02\n"},
        {"BDAY without a year on 29 February", "N:Public;Jane\r\nBDAY:--0229\r\n",
         TCardOrgMode::Person, kJane + " P=////\n  reminder Birthday|29/2/00|--02-29\n"},
        {"BDAY that is no date", "N:Public;Jane\r\nBDAY:soon\r\nBDAY:1981-02-29\r\n",
         TCardOrgMode::Person, kJane + " P=////\n"},
    };
    for (const Case& c : cases) {
        TContactStore fresh;
        TVCardImport done = ImportVCardCards(ReadCards(Card(c.Lines)), fresh.Root(), c.Mode);
        EXPECT_EQ(DescribeBelow(fresh.Root()), c.Tree) << c.What;
        EXPECT_EQ(done.CardsRead, 1) << c.What;
        EXPECT_EQ(done.RecordsCreated, 1) << c.What;
        EXPECT_EQ(done.Organizations, c.Mode == TCardOrgMode::Organization ? 1 : 0) << c.What;
    }
}

TEST_F(VCardImportFixture, ACardWithoutValuesDoesNotStopTheFile) {
    TVCardImport done = Import(Card("N:\r\nTITLE:\r\nTEL:\r\n") + Card("N:Public;Jane\r\n") +
                               Card("VERSION:3.0\r\n") + Card("FN:Bo\r\nORG:\r\n"));
    EXPECT_EQ(done.Summary(), "4 cards read, 3 records created (0 organizations), 1 skipped");
    EXPECT_EQ(doc.Root()->Count(), 3);
    EXPECT_EQ(doc.Root()->Child(2)->Text(), "Jane Public");
}

TEST_F(VCardImportFixture, ValuesAreMadeSafeWhereTheyEnterARecord) {
    Import(Card("N:Pub~~lic;Ja\\nne\r\nTITLE;ENCODING=QUOTED-PRINTABLE:A=0D=0AB~\r\n"
                "NOTE;ENCODING=QUOTED-PRINTABLE:one=0D=0Atwo~~three\r\n"
                "ADR;ENCODING=QUOTED-PRINTABLE:;;1 Mill=0D=0ARd~~x;Leeds~\r\n"
                "TEL;ENCODING=QUOTED-PRINTABLE;HOME:555=0A~~0100\r\n"));
    ASSERT_EQ(doc.Root()->Count(), 1);
    std::vector<const TKexObject*> all{doc.Root()->Child(0)->Data()};
    for (const auto& item : all[0]->Items())
        all.push_back(item.get());
    ASSERT_EQ(all.size(), 3u);
    for (const TKexObject* r : all) {
        std::string text;
        r->GetSaveText(text, 1);
        // One record line and one class line, each with its own fields only.
        EXPECT_EQ(fieldtext::TextLines(text).size(), 2u) << text;
        EXPECT_TRUE(fieldtext::IsSafeField(r->GetTitle()));
        EXPECT_TRUE(fieldtext::IsSafeField(r->GetTarget()));
        EXPECT_TRUE(fieldtext::IsSafeField(r->GetComment()));
    }
    auto& a = dynamic_cast<const TAddressObject&>(*all[1]);
    EXPECT_TRUE(fieldtext::IsSafeField(a.Line(2)));
    EXPECT_TRUE(fieldtext::IsSafeField(a.City()));
    EXPECT_EQ(a.City().substr(0, 5), "Leeds");
}

TEST_F(VCardImportFixture, TheQuestionIsAskedOncePerCardNamingAnOrganization) {
    const std::string file = Card("N:Public;Jane\r\n") +
                             Card("N:Smith;John;;Dr.\r\nORG:Acme;Sales\r\nTEL:555 0100\r\n") +
                             Card("N:Doe;Ann\r\nORG:Blue Ltd\r\n") + Card("FN:Bo\r\n");
    struct Case {
        const char* What;
        std::vector<TModalResult> Answers;
        std::string Tree;
        int Organizations;
    } cases[] = {
        {"both as organizations",
         {mrYes, mrYes},
         "org Acme|| P=////\n  phone |555 0100|\norg Blue Ltd|| P=////\n"
         "person Bo|  | N=/// P=////\nperson Jane Public| Jane Public| N=Public/Jane// P=////\n",
         2},
        {"Import as Person, then closed",
         {mrNo, mrCancel},
         "person Ann Doe| Ann Doe| N=Doe/Ann// P=////\nperson Bo|  | N=/// P=////\n"
         "person Jane Public| Jane Public| N=Public/Jane// P=////\n"
         "person John Smith|Dr. John Smith| N=Smith/John//Dr. P=////\n  phone |555 0100|\n",
         0},
    };
    for (const Case& c : cases) {
        TTestServices local;
        TContactStore fresh;
        std::vector<std::pair<std::string, std::string>> asked;
        for (TModalResult answer : c.Answers)
            local.Views.On<TVCImportDlg>("TVCImportDlg", [&asked, answer](TVCImportDlg& d) {
                asked.emplace_back(d.Name, d.Org);
                return answer;
            });
        TVCardImport done = ImportVCardCards(ReadCards(file), fresh.Root(), TCardOrgMode::Ask);
        EXPECT_EQ(asked, (std::vector<std::pair<std::string, std::string>>{
                             {"Dr. John  Smith", "Acme"}, {"Ann Doe", "Blue Ltd"}}))
            << c.What;
        EXPECT_EQ(DescribeBelow(fresh.Root()), c.Tree) << c.What;
        EXPECT_EQ(done.Organizations, c.Organizations) << c.What;
        EXPECT_EQ(done.RecordsCreated, 4) << c.What;
    }
}

TEST_F(VCardImportFixture, AMissingFileCreatesNothing) {
    try {
        ImportVCardFile(svc.File("absent.vcf"), doc.Root());
        FAIL() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_STREQ(e.what(), "File not found");
    }
    EXPECT_EQ(doc.Root()->Count(), 0);
}

TEST_F(VCardImportFixture, GarbageImportsWhatCouldBeReadInOneUpdate) {
    // A card cut off by garbage, then one without its end and a line of 10,000 parameters.
    std::string bytes =
        "BEGIN:VCARD\r\nN:Public;Jane\r\nTEL:555" + std::string("\0\x01\xff\xfe:;", 7);
    for (int i = 0; i < 5000; ++i)
        bytes += static_cast<char>((i * 7919) % 251);
    bytes += "\r\nBEGIN:VCARD\r\nFN:Cut off\r\nEMAIL;" + std::string(10000, ';') + ":x@y.z";
    WriteText(svc.File("garbage.vcf"), bytes);
    TRecordingObserver told(doc);
    TVCardImport done = ImportVCardFile(svc.File("garbage.vcf"), doc.Root());
    EXPECT_EQ(done.CardsRead, 2);
    EXPECT_EQ(done.RecordsCreated, 2);
    EXPECT_EQ(doc.Root()->Child(0)->Text(), "Cut off");
    EXPECT_EQ(doc.Root()->Child(0)->Data()->ItemCount(), 1);
    EXPECT_EQ(doc.Root()->Child(1)->Text(), "Jane Public");
    EXPECT_EQ(told.Deliveries.size(), 1u);
}
