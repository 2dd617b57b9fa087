#include "records/PersonObject.h"
#include "store/ObjectFactory.h"
#include "store/TextWriter.h"
#include "store/TreeNodes.h"
#include "support/TestServices.h"

#include <gtest/gtest.h>

namespace {

// The class line part of a record's stored text.
std::string ClassLineOf(const TKexObject& r) {
    std::string text;
    r.GetSaveText(text, 1);
    return text.substr(text.find("\r\n") + 2);
}

struct PersonFixture : ::testing::Test {
    TTestServices svc;
    TTreeNodes tree;
    TTreeNode* root = CreateRoot(tree);

    TPersonObject& NewPerson(const std::string& title, const std::string& classLine) {
        TCreated c = CreateObject(kindPerson, title, "", "", root, classLine, 0);
        return dynamic_cast<TPersonObject&>(*c.Object);
    }
    static TKexObject* Add(TPersonObject& p, uint8_t kind, const std::string& title,
                           const std::string& target, const std::string& classLine = "") {
        TCreated c = CreateObject(kind, title, target, "", p.GetNode(), classLine, 0);
        return c.Object;
    }
};

} // namespace

TEST_F(PersonFixture, ClassLinesReadAndWriteBack) {
    struct Case {
        const char* Line;
        const char* Written;
        const char* Last;
        const char* Web;
        uint32_t Categories;
    };
    const Case cases[] = {
        {"{Pers}Dr.~~Ann~~B~~Lee~~Home~~Work~~Fax~~Mail~~Site~~-2147483648",
         "{Pers}Dr.~~Ann~~B~~Lee~~Home~~Work~~Fax~~Mail~~Site~~-2147483648", "Lee", "Site",
         0x80000000u},
        // Only the four names: the primary fields stay empty, categories 0.
        {"{Pers}Ms.~~Ann~~~~Lee", "{Pers}Ms.~~Ann~~~~Lee~~~~~~~~~~~~0", "Lee", "", 0},
        // A damaged category number keeps the fields and gives 0.
        {"{Pers}~~~~~~Lee~~~~~~~~~~Site~~x7", "{Pers}~~~~~~Lee~~~~~~~~~~Site~~0", "Lee", "Site", 0},
        // Another class's line is not read at all.
        {"{Orgn}Head~~~~~~~~~~5", "{Pers}~~~~~~~~~~~~~~~~~~0", "", "", 0},
    };
    for (const Case& c : cases) {
        TPersonObject& p = NewPerson("P", c.Line);
        EXPECT_EQ(p.LastName(), c.Last) << c.Line;
        EXPECT_EQ(p.PrimaryWeb(), c.Web) << c.Line;
        EXPECT_EQ(p.GetCategories(), c.Categories) << c.Line;
        EXPECT_EQ(ClassLineOf(p), c.Written) << c.Line;
    }
}

TEST_F(PersonFixture, PopupShowsCommandsForNamedPrimariesEvenWhenTheItemIsGone) {
    TPersonObject& p = NewPerson("P", "{Pers}~~~~~~~~~~Work~~~~Mail~~~~0");
    TItemPopup menu;
    p.SetupPopup(menu);
    EXPECT_TRUE(menu.IsVisible(peOpen));
    EXPECT_TRUE(menu.IsVisible(peDial));
    EXPECT_TRUE(menu.IsVisible(peSendMail));
    EXPECT_FALSE(menu.IsVisible(peSendFax));
    EXPECT_FALSE(menu.IsVisible(peBrowse));
    EXPECT_FALSE(menu.IsVisible(peLaunch));

    // No phone is titled "Work": dialing does nothing.
    Add(p, kindEMail, "Work", "w@example.org");
    p.Dial();
    EXPECT_TRUE(svc.Telephony.Calls.empty());
}

TEST_F(PersonFixture, CommandsReachThePrimaryItems) {
    TPersonObject& p = NewPerson("Ann Lee", "{Pers}~~~~~~~~~~Work~~Fax~~~~Site~~0");
    Add(p, kindPhone, "Home", "555 0100", "{Phon}~~0");
    Add(p, kindPhone, "Work", "555 0199", "{Phon}~~0");
    CreateObject(kindWeb, "Site", "http://example.org", "", p.GetNode(), "", 0);
    p.Dial();
    p.Browse();
    p.SendFax(""); // no fax item: nothing
    ASSERT_EQ(svc.Telephony.Calls.size(), 1u);
    EXPECT_EQ(svc.Telephony.Calls[0].Dest, "555 0199");
    ASSERT_EQ(svc.Browser.Opened.size(), 1u);
    EXPECT_EQ(svc.Browser.Opened[0].Address, "http://example.org");
    EXPECT_TRUE(svc.Mail.Sent.empty());
}

TEST_F(PersonFixture, ColumnImportComposesTheTargetAndRejectsRowsWithoutNames) {
    struct Case {
        std::vector<std::string> Names, Values;
        bool Accepted;
        const char* Target;
        const char* Title;
    };
    const Case cases[] = {
        {{"Salutation", "First Name", "Last Name"}, {"Ms.", "Ann", ""}, true, "Ann ", "Ann "},
        {{"Title"}, {"Lee"}, false, " ", "Lee"},
        {{"Title", "First Name", "Last Name"}, {"Boss", "Ann", "Lee"}, true, "Ann Lee", "Boss"},
    };
    for (const Case& c : cases) {
        TPersonObject& p = NewPerson("", "");
        std::vector<std::string> values = c.Values;
        EXPECT_EQ(p.ImportColumns(values, c.Names), c.Accepted) << c.Target;
        EXPECT_EQ(p.GetTarget(), c.Target);
        EXPECT_EQ(p.GetTitle(), c.Title);
        EXPECT_EQ(p.ItemCount(), 0);
    }
}

TEST_F(PersonFixture, ColumnImportCreatesPrimaryItemsWithoutTheRowComment) {
    TPersonObject& p = NewPerson("New", "");
    std::vector<std::string> names = {"Title",   "First Name",   "Last Name",  "Address Line 1",
                                      "City",    "Phone Number", "Fax Number", "E-Mail Address",
                                      "Website", "Comment"};
    std::vector<std::string> values = {"Ann Lee",      "Ann",          "Lee",      "1 Main St",
                                       "Leeds",        "555 0100",     "555 0101", "a@x.org",
                                       "http://x.org", "met at a fair"};
    ASSERT_TRUE(p.ImportColumns(values, names));
    EXPECT_EQ(p.GetComment(), "met at a fair");
    EXPECT_EQ(p.PrimaryAddress(), "Primary Address");
    EXPECT_EQ(p.PrimaryPhone(), "Primary Phone");
    EXPECT_EQ(p.PrimaryFax(), "Primary Fax");
    EXPECT_EQ(p.PrimaryEMail(), "Primary EMail");
    EXPECT_EQ(p.PrimaryWeb(), "Primary Website");
    ASSERT_EQ(p.ItemCount(), 4);
    for (const auto& item : p.Items())
        EXPECT_EQ(item->GetComment(), "") << item->GetTitle();
    ASSERT_EQ(p.GetNode()->Count(), 1);
    EXPECT_EQ(p.GetNode()->GetFirstChild()->Data()->GetTarget(), "http://x.org");
    EXPECT_EQ(p.GetNode()->GetFirstChild()->Data()->GetComment(), "");
}

TEST_F(PersonFixture, ColumnImportWithoutTitleColumnStillImportsThePrimaryItems) {
    // The automation interface writes one column at a time.
    TPersonObject& p = NewPerson("Ann Lee", "{Pers}~~Ann~~~~Lee~~~~~~~~~~~~0");
    std::vector<std::string> names = {"Phone Number"};
    std::vector<std::string> values = {"555 0100"};
    ASSERT_TRUE(p.ImportColumns(values, names));
    EXPECT_EQ(values, std::vector<std::string>{"555 0100"});
    EXPECT_EQ(p.GetTitle(), "Ann Lee");
    EXPECT_EQ(p.PrimaryPhone(), "Primary Phone");
    EXPECT_EQ(p.PrimaryAddress(), "");
    ASSERT_EQ(p.ItemCount(), 1);
    EXPECT_EQ(p.GetItem(0)->GetTarget(), "555 0100");
    EXPECT_EQ(p.GetNode()->Count(), 0); // the website attempt left no node behind
}

TEST_F(PersonFixture, ColumnExportAsksThePrimaryItemsInOrder) {
    TPersonObject& p = NewPerson("Ann Lee", "{Pers}Ms.~~Ann~~~~Lee~~~~~~~~Mail~~~~0");
    Add(p, kindEMail, "Other", "o@x.org");
    Add(p, kindEMail, "Mail", "a@x.org");
    std::string text;
    p.GetCsvField("E-Mail Address", text);
    EXPECT_EQ(text, "\"a@x.org\",");
    p.GetCsvField("First Name", text);
    EXPECT_EQ(text, "\"Ann\",");
    p.GetCsvField("Phone Number", text);
    EXPECT_EQ(text, ",");
}

TEST_F(PersonFixture, HtmlBlockPlacesPrimariesAndLeavesTheirTitlesOutOfOtherItems) {
    TPersonObject& p = NewPerson("Ann Lee", "{Pers}Ms.~~Ann~~~~Lee~~~~Work~~~~~~~~0");
    p.SetComment("friend");
    Add(p, kindPhone, "Work", "555 0199", "{Phon}~~0");
    Add(p, kindEMail, "Work", "w@x.org"); // titled like the primary phone: left out
    Add(p, kindEMail, "Home", "h@x.org");
    Add(p, kindEMail, "", "e@x.org"); // an empty title is no primary title
    TTextWriter f;
    p.WriteHtmlContent(f, true);
    p.WriteHtmlIndex(f, "page1.htm");
    const std::string id = std::to_string(p.GetObjectId());
    EXPECT_EQ(f.Text(),
              "<p><table width=100%>\r\n"
              "<tr><td valign=top><a name=\"r" +
                  id +
                  "\"><font size=4>Ann Lee</font></a><br>\r\n"
                  "friend<br>\r\n"
                  "<p><font size=2><a href=\"vc" +
                  id +
                  ".vcf\"><img src=\"vcard.gif\" align=left border=0 width=16 height=16>"
                  "Get vCard</a></font></p>\r\n"
                  "Ms. Ann  Lee<br>\r\n"
                  "</td><td valign=top>\r\n"
                  "<em><strong>Work</strong></em> 555 0199<br>\r\n"
                  "</td></tr>\r\n"
                  "<tr><td valign=top>\r\n"
                  "</td><td valign=top>\r\n"
                  "<em><strong>Home </strong></em><a href=\"mailto:h@x.org\">h@x.org</a><br>\r\n"
                  "<p>\r\n"
                  "<em><strong> </strong></em><a href=\"mailto:e@x.org\">e@x.org</a><br>\r\n"
                  "<p>\r\n"
                  "</td></tr></table>\r\n"
                  "<hr>\r\n"
                  "<a href=\"page1.htm#r" +
                  id +
                  "\"><img src=\"person.gif\" align=bottom border=0 "
                  "hspace=5 width=16 height=16>Ann Lee</a><br>\r\n");
}
