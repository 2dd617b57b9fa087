#include "records/OrgObject.h"
#include "store/ObjectFactory.h"
#include "store/TextWriter.h"
#include "store/TreeNodes.h"
#include "support/TestServices.h"

#include <gtest/gtest.h>

namespace {

struct OrgFixture : ::testing::Test {
    TTestServices svc;
    TTreeNodes tree;
    TTreeNode* root = CreateRoot(tree);

    TOrgObject& NewOrg(const std::string& title, const std::string& classLine) {
        TCreated c = CreateObject(kindOrg, title, "", "", root, classLine, 0);
        return dynamic_cast<TOrgObject&>(*c.Object);
    }
};

} // namespace

TEST_F(OrgFixture, ClassLineNamesThePrimariesAndWritesBackUnchanged) {
    const std::string line = "{Orgn}Head Office~~Switchboard~~~~Sales~~Web URL~~0";
    TOrgObject& o = NewOrg("Acme", line);
    EXPECT_EQ(o.PrimaryAddress(), "Head Office");
    EXPECT_EQ(o.PrimaryPhone(), "Switchboard");
    EXPECT_EQ(o.PrimaryFax(), "");
    EXPECT_EQ(o.PrimaryEMail(), "Sales");
    EXPECT_EQ(o.PrimaryWeb(), "Web URL");
    std::string text;
    o.GetSaveText(text, 2);
    EXPECT_EQ(text, "{2 1 }Acme~~~~~~" + std::to_string(o.GetObjectId()) + "\r\n" + line);

    TOrgObject& cut = NewOrg("Cut", "{Orgn}Head Office~~Switchboard");
    EXPECT_EQ(cut.PrimaryPhone(), "Switchboard");
    EXPECT_EQ(cut.PrimaryWeb(), "");
    EXPECT_EQ(cut.GetCategories(), 0u);
}

TEST_F(OrgFixture, ColumnImportKeepsOnlyTheItemsTheRowFills) {
    TOrgObject& o = NewOrg("New", "");
    std::vector<std::string> names = {"Title", "Phone Number", "Comment"};
    std::vector<std::string> values = {"Acme", "555 0100", "supplier"};
    ASSERT_TRUE(o.ImportColumns(values, names));
    EXPECT_EQ(o.GetTitle(), "Acme");
    EXPECT_EQ(o.GetComment(), "supplier");
    EXPECT_EQ(o.PrimaryPhone(), "Primary Phone");
    EXPECT_EQ(o.PrimaryAddress() + o.PrimaryFax() + o.PrimaryEMail() + o.PrimaryWeb(), "");
    ASSERT_EQ(o.ItemCount(), 1);
    EXPECT_EQ(o.GetItem(0)->GetTitle(), "Primary Phone");
    EXPECT_EQ(o.GetItem(0)->GetComment(), "");
    EXPECT_EQ(o.GetNode()->Count(), 0);

    TOrgObject& untitled = NewOrg("New", "");
    std::vector<std::string> row = {"", "555 0100"};
    EXPECT_FALSE(untitled.ImportColumns(row, {"Title", "Phone Number"}));
    EXPECT_EQ(untitled.ItemCount(), 0);
}

TEST_F(OrgFixture, HtmlBlockHasNoNameLineAndNoParagraphsBetweenOtherItems) {
    TOrgObject& o = NewOrg("Acme", "{Orgn}~~Switchboard~~~~~~Web URL~~0");
    CreateObject(kindPhone, "Switchboard", "555 0100", "", o.GetNode(), "{Phon}~~0", 0);
    CreateObject(kindFax, "Switchboard", "555 0101", "", o.GetNode(), "", 0);
    CreateObject(kindFax, "Orders", "555 0102", "", o.GetNode(), "", 0);
    CreateObject(kindWeb, "Web URL", "http://acme.example", "", o.GetNode(), "", 0);
    TTextWriter f;
    o.WriteHtmlContent(f, true);
    const std::string id = std::to_string(o.GetObjectId());
    EXPECT_EQ(f.Text(), "<p><table width=100%>\r\n"
                        "<tr><td valign=top><a name=\"r" +
                            id +
                            "\"><font size=4>Acme</font></a><br>\r\n"
                            "<p><font size=1><a href=\"vc" +
                            id +
                            ".vcf\"><img src=\"vcard.gif\" align=left border=0 width=16 height=16>"
                            "Get vCard</a></font></p>\r\n"
                            "</td><td valign=top>\r\n"
                            "<em><strong>Switchboard</strong></em> 555 0100<br>\r\n"
                            "</td></tr>\r\n"
                            "<tr><td valign=top>\r\n"
                            "<a href=\"http://acme.example\">Web URL</a><br>\r\n"
                            "</td><td valign=top>\r\n"
                            "<em><strong>Orders</strong></em> 555 0102<br>\r\n"
                            "</td></tr></table>\r\n"
                            "<hr>\r\n");
}
