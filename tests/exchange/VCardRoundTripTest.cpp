// Persons and organizations written as cards and read back.
#include "CardFiles.h"
#include "VCardRecords.h"
#include "exchange/VCImportDlg.h"
#include "exchange/jobs/VCardExport.h"
#include "exchange/jobs/VCardImport.h"
#include "platform/Errors.h"
#include "store/ContactStore.h"
#include "store/ObjectFactory.h"
#include "store/TreeNodes.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

struct VCardRoundTrip : ::testing::Test {
    TTestServices svc;
    TContactStore doc;

    TKexObject* Make(uint8_t kind, const std::string& title, const std::string& target,
                     TTreeNode* parent, const std::string& classLine = "",
                     const std::string& comment = "") {
        return CreateObject(kind, title, target, comment, parent, classLine, 0).Object;
    }

    TPersonObject& Jane(TTreeNode* parent) {
        auto* p = Make(kindPerson, "Jane Public", "Dr. Jane Public", parent,
                       "{Pers}Dr.~~Jane~~Q.~~Public~~Home~~Desk~~Fax~~Mail~~Site~~0",
                       "call back, after 5");
        TTreeNode* n = p->GetNode();
        Make(kindAddress, "Home", "12 High St", n, "{Addr}12 High St~~~~~~Leeds~~~~LS1 4AB~~UK~~0");
        Make(kindPhone, "Desk", "555 0100", n, "{Phon}22~~0");
        Make(kindPhone, "Mobile", "555 0102", n);
        Make(kindFax, "Fax", "555 0101", n);
        Make(kindEMail, "Mail", "jane@example.org", n);
        Make(kindReminder, "Birthday", "3/5/98", n, "{Remd}1998,5,3,2~~0", "1980-05-03");
        Make(kindReminder, "Dentist", "1/4/98", n, "{Remd}1998,4,1,0~~0");
        Make(kindWeb, "Site", "http://jane.example", n);
        return dynamic_cast<TPersonObject&>(*p);
    }
};

const std::string kJaneCard = "begin:vcard\r\n"
                              "VERSION:2.1\r\n"
                              "N:Public;Jane;Q.;Dr.\r\n"
                              "FN:Dr. Jane Public\r\n"
                              "TITLE:Jane Public\r\n"
                              "ADR;PREF:12 High St;;;Leeds;;LS1 4AB;UK\r\n"
                              "TEL;PREF:555 0100\r\n"
                              "TEL:555 0102\r\n"
                              "TEL;PREF;FAX:555 0101\r\n"
                              "EMAIL;PREF;INTERNET:jane@example.org\r\n"
                              "BDAY:1980-05-03\r\n"
                              "NOTE;ENCODING=QUOTED-PRINTABLE:call back=2C after 5\r\n"
                              "end:vcard\r\n";

} // namespace

TEST_F(VCardRoundTrip, APersonIsWrittenAsOneCardAndReadsBackTheSame) {
    Jane(doc.Root()).SaveVCard(svc.File("jane.vcf"));
    EXPECT_EQ(ReadText(svc.File("jane.vcf")), kJaneCard);

    TContactStore back;
    TVCardImport done = ImportVCardFile(svc.File("jane.vcf"), back.Root());
    EXPECT_EQ(done.Summary(), "1 card read, 1 record created (0 organizations), 0 skipped");
    EXPECT_EQ(DescribeBelow(back.Root()),
              "person Jane Public|Dr. Jane Public|call back, after 5 N=Public/Jane/Q./Dr. "
              "P=Preferred/Preferred/Preferred,Fax Line/Preferred,Internet/\n"
              "  address Preferred|12 High St| A=12 High St///Leeds//LS1 4AB/UK\n"
              "  email Preferred,Internet|jane@example.org|\n"
              "  phone Preferred|555 0100|\n"
              "  phone |555 0102|\n"
              "  fax Preferred,Fax Line|555 0101|\n"
              "  reminder Birthday|3/5/98|1980-05-03\n");

    // What was read writes the same lines again (the items now in import order).
    auto& again = dynamic_cast<const TPersonObject&>(*back.Root()->Child(0)->Data());
    again.SaveVCard(svc.File("again.vcf"));
    TContactStore third;
    ImportVCardFile(svc.File("again.vcf"), third.Root());
    dynamic_cast<const TPersonObject&>(*third.Root()->Child(0)->Data())
        .SaveVCard(svc.File("third.vcf"));
    EXPECT_EQ(ReadText(svc.File("third.vcf")), ReadText(svc.File("again.vcf")));
}

TEST_F(VCardRoundTrip, TheBirthYearSurvivesAnAdvancedReminder) {
    TPersonObject& p = Jane(doc.Root());
    // Advanced twice: the rule is in 2000 now, the comment still says 1980.
    TKexObject* birthday = p.FindItem("Birthday", kindReminder);
    birthday->ReadClassLine("{Remd}2000,5,3,2~~0");
    TCard card = p.VCard();
    EXPECT_EQ(card.FindProperty("BDAY")->Value(0), "1980-05-03");
    // A date the user moved to another day is taken from the rule.
    birthday->ReadClassLine("{Remd}2000,6,9,2~~0");
    EXPECT_EQ(p.VCard().FindProperty("BDAY")->Value(0), "2000-06-09");
    // Only a yearly reminder is a birthday.
    birthday->ReadClassLine("{Remd}2000,6,9,0~~0");
    EXPECT_EQ(p.VCard().FindProperty("BDAY"), nullptr);
}

TEST_F(VCardRoundTrip, ATitleWithACommaKeepsItsFirstPart) {
    auto* p = Make(kindPerson, "Smith, John", " John Smith", doc.Root(), "{Pers}~~John~~~~Smith");
    p->SaveVCard(svc.File("john.vcf"));
    EXPECT_NE(ReadText(svc.File("john.vcf")).find("\r\nTITLE:Smith; John\r\n"), std::string::npos);
    TContactStore back;
    ImportVCardFile(svc.File("john.vcf"), back.Root());
    EXPECT_EQ(back.Root()->Child(0)->Text(), "Smith");
}

TEST_F(VCardRoundTrip, AnOrganizationRoundTripsWhenTheAnswerIsOrganization) {
    auto* org = Make(kindOrg, "Acme Ltd", "", doc.Root(), "{Orgn}~~Switchboard~~~~Sales~~~~0");
    Make(kindPhone, "Switchboard", "555 0100", org->GetNode());
    Make(kindEMail, "Sales", "sales@acme.example", org->GetNode());
    Make(kindDoc, "Price list", "/tmp/prices.pdf", org->GetNode());
    org->SaveVCard(svc.File("acme.vcf"));
    EXPECT_EQ(ReadText(svc.File("acme.vcf")),
              "begin:vcard\r\nVERSION:2.1\r\nN:Acme Ltd\r\nFN:Acme Ltd\r\nORG:Acme Ltd\r\n"
              "TEL;PREF:555 0100\r\nEMAIL;PREF;INTERNET:sales@acme.example\r\nend:vcard\r\n");

    svc.Views.On<TVCImportDlg>("TVCImportDlg", [](TVCImportDlg& d) {
        d.OrgBtnClick();
        return mrNone;
    });
    TContactStore back;
    TVCardImport done = ImportVCardFile(svc.File("acme.vcf"), back.Root());
    EXPECT_EQ(done.Summary(), "1 card read, 1 record created (1 organization), 0 skipped");
    EXPECT_EQ(DescribeBelow(back.Root()), "org Acme Ltd|| P=/Preferred//Preferred,Internet/\n"
                                          "  email Preferred,Internet|sales@acme.example|\n"
                                          "  phone Preferred|555 0100|\n");
}

TEST_F(VCardRoundTrip, AFolderGivesOneCardPerPersonAndOrganizationBelowIt) {
    auto* work = Make(kindFolder, "Work", "", doc.Root());
    auto* team = Make(kindTeam, "Team", "", work->GetNode());
    Jane(team->GetNode());
    auto* org = Make(kindOrg, "Acme Ltd", "", work->GetNode());
    Make(kindPerson, "Bo", "", org->GetNode(), "{Pers}~~Bo");
    Make(kindPerson, "Elsewhere", "", doc.Root());

    EXPECT_EQ(ExportVCardFile(work->GetNode(), svc.File("work.vcf")), 3);
    TVCardFile f = ReadCards(ReadText(svc.File("work.vcf")));
    ASSERT_EQ(f.CardCount(), 3);
    EXPECT_EQ(f.GetCard(0).FindProperty("TITLE")->Value(0), "Jane Public");
    EXPECT_EQ(f.GetCard(1).FindProperty("ORG")->Value(0), "Acme Ltd");
    EXPECT_EQ(f.GetCard(2).FindProperty("TITLE")->Value(0), "Bo");

    // An organization on its own is its one card.
    EXPECT_EQ(ExportVCardFile(org->GetNode(), svc.File("acme.vcf")), 1);
    EXPECT_EQ(ExportVCardFile(doc.Root(), svc.File("all.vcf")), 4);
}

TEST_F(VCardRoundTrip, AFailedWriteRaisesAndLeavesTheOldFile) {
    TPersonObject& p = Jane(doc.Root());
    EXPECT_THROW(p.SaveVCard(svc.File("missing/jane.vcf")), EInOutError);
    std::filesystem::create_directory(svc.File("folder.vcf"));
    EXPECT_THROW(p.SaveVCard(svc.File("folder.vcf")), EInOutError);
    EXPECT_TRUE(std::filesystem::is_directory(svc.File("folder.vcf")));
    WriteText(svc.File("old.vcf"), "old");
    WriteText(svc.File("blocker"), "x");
    EXPECT_THROW(ExportVCardFile(doc.Root(), svc.File("blocker/all.vcf")), EInOutError);
    EXPECT_EQ(ReadText(svc.File("old.vcf")), "old");
}
