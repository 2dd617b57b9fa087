#include "records/AddressObject.h"
#include "records/CategoryPopup.h"
#include "records/EditAddressDlg.h"
#include "store/ContactStore.h"
#include "store/DataFile.h"
#include "store/FieldText.h"
#include "store/ObjectFactory.h"
#include "store/TextWriter.h"
#include "store/TreeNodes.h"
#include "support/TestServices.h"

#include <gtest/gtest.h>

namespace {

std::string ClassLineOf(const TKexObject& r) {
    std::string text;
    r.GetSaveText(text, 1);
    return text.substr(text.find("\r\n") + 2);
}

struct AddressFixture : ::testing::Test {
    TTestServices svc;
    TTreeNodes tree;
    TTreeNode* root = CreateRoot(tree);

    TAddressObject& Make(const std::string& classLine = "", const std::string& title = "Home") {
        return dynamic_cast<TAddressObject&>(
            *CreateObject(kindAddress, title, "", "", root, classLine, 11).Object);
    }
    std::string Html(const TAddressObject& a) {
        TTextWriter w;
        a.WriteHtmlContent(w, false);
        return w.Text();
    }
};

using Lines = std::vector<std::string>;

} // namespace

TEST_F(AddressFixture, ClassLinesReadAndWriteBack) {
    struct Case {
        std::string Stored, Written;
        Lines Street;
        std::string City;
        uint32_t Categories;
    } cases[] = {
        {"{Addr}a~~b~~c~~d~~e~~f~~g~~3", "{Addr}a~~b~~c~~d~~e~~f~~g~~3", {"a", "b", "c"}, "d", 3},
        {"{Addr}12 High St~~~~~~Leeds~~~~LS1 4AB~~UK~~5",
         "{Addr}12 High St~~~~~~Leeds~~~~LS1 4AB~~UK~~5",
         {"12 High St", "", ""},
         "Leeds",
         5},
        {"{Addr}~~~~~~~~~~~~~~-1", "{Addr}~~~~~~~~~~~~~~-1", {"", "", ""}, "", 0xFFFFFFFFu},
        // Cut short: what was read stays, the categories become 0.
        {"{Addr}12 High St~~x", "{Addr}12 High St~~x~~~~~~~~~~~~0", {"12 High St", "x", ""}, "", 0},
        {"{Addr}a~~b~~c~~d~~e~~f~~g", "{Addr}a~~b~~c~~d~~e~~f~~g~~0", {"a", "b", "c"}, "d", 0},
        // Untagged or damaged: still three lines to write.
        {"", "{Addr}~~~~~~~~~~~~~~0", {"", "", ""}, "", 0},
        {"{addr}a~~b~~c~~d~~e~~f~~g~~3", "{Addr}~~~~~~~~~~~~~~0", {"", "", ""}, "", 0},
        {"{Addr}a~~b~~c~~d~~e~~f~~g~~x3", "{Addr}a~~b~~c~~d~~e~~f~~g~~0", {"a", "b", "c"}, "d", 0},
    };
    for (const Case& c : cases) {
        TAddressObject& a = Make(c.Stored);
        EXPECT_EQ(ClassLineOf(a), c.Written) << c.Stored;
        EXPECT_EQ(a.AddressLines(), c.Street) << c.Stored;
        EXPECT_EQ(a.City(), c.City) << c.Stored;
        EXPECT_EQ(a.GetCategories(), c.Categories) << c.Stored;
    }
}

TEST(AddressDataFile, DetailRecordsSurviveLoadAndSaveByteForByte) {
    TTestServices svc;
    const std::string file = "{Params}\r\n{0 11 }My Contacts~~~~~~32892645\r\n"
                             "{1 5 }Home~~12 High St~~front door~~11\r\n"
                             "{Addr}12 High St~~~~~~Leeds~~~~LS1 4AB~~UK~~5\r\n"
                             "{1 0 }Friends~~~~~~18542\r\n{Fold}0\r\n"
                             "{2 6 }Mobile~~(555)123-4567~~~~99120\r\n{Phon}22~~0\r\n"
                             "{2 6 }Desk~~555 0100~~~~7\r\n{Phon}~~7\r\n"
                             "{2 8 }Office~~555 0199~~~~8\r\n{Faxs}4\r\n";
    WriteText(svc.File("tavi.dat"), file);
    TContactStore doc;
    TTreeNode* root = doc.Root();
    doc.Load();
    ASSERT_EQ(root->Data()->ItemCount(), 1);
    EXPECT_EQ(dynamic_cast<TAddressObject*>(root->Data()->GetItem(0))->City(), "Leeds");
    doc.Save();
    EXPECT_EQ(ReadText(svc.File("tavi.dat")), file);
}

TEST_F(AddressFixture, ColumnImportFillsTheRecordAndKeepsOnlyCompleteRows) {
    const Lines names = {"Title",          "Address Line 1", "Address Line 2",
                         "Address Line 3", "City",           "State/Province",
                         "Postal Code",    "Country",        "Comment"};
    Lines row = {"Work", "1 Mill Rd", "", "Unit 4", "York", "N Yorks", "YO1 1AA", "UK", "back"};
    TAddressObject& a = Make();
    ASSERT_TRUE(a.ImportColumns(row, names));
    EXPECT_EQ(a.GetTitle(), "Work");
    EXPECT_EQ(a.GetTarget(), "1 Mill Rd");
    EXPECT_EQ(a.AddressLines(), (Lines{"1 Mill Rd", "", "Unit 4"}));
    EXPECT_EQ(ClassLineOf(a), "{Addr}1 Mill Rd~~~~Unit 4~~York~~N Yorks~~YO1 1AA~~UK~~0");
    EXPECT_EQ(a.GetComment(), ""); // no comment column for addresses

    Lines only = {"2 Elm St"};
    TAddressObject& b = Make();
    EXPECT_TRUE(b.ImportColumns(only, {"Address Line 1"}));
    EXPECT_EQ(b.GetTitle(), "New Address");
    EXPECT_EQ(b.AddressLines(), (Lines{"2 Elm St", "", ""}));

    Lines emptyLine = {"Work", ""};
    EXPECT_FALSE(Make().ImportColumns(emptyLine, {"Title", "Address Line 1"}));
    Lines noLine = {"Work", "York"};
    EXPECT_FALSE(Make().ImportColumns(noLine, {"Title", "City"}));

    Lines unsafe = {"A~~B", "1 ~~Mill\r\nRd"};
    TAddressObject& c = Make();
    ASSERT_TRUE(c.ImportColumns(unsafe, {"Title", "Address Line 1"}));
    EXPECT_EQ(c.GetTitle().find("~~"), std::string::npos);
    EXPECT_EQ(ClassLineOf(c).find('\n'), std::string::npos);
    EXPECT_EQ(Make(ClassLineOf(c)).AddressLines(), c.AddressLines());
}

TEST_F(AddressFixture, ColumnExportQuotesKnownNamesOnly) {
    TAddressObject& a = Make("{Addr}a~~b~~c~~Leeds~~e~~f~~UK~~3");
    a.SetComment("note");
    const std::pair<const char*, const char*> cases[] = {
        {"Title", "\"Home\","},
        {"Address Line 1", "\"a\","},
        {"Address Line 2", "\"b\","},
        {"Address Line 3", "\"c\","},
        {"City", "\"Leeds\","},
        {"State/Province", "\"e\","},
        {"Postal Code", "\"f\","},
        {"Country", "\"UK\","},
        {"Comment", "\"note\","},
        {"Phone Number", ""},
        {"city", ""},
    };
    for (const auto& [name, expected] : cases) {
        std::string text = "stale";
        a.GetCsvField(name, text);
        EXPECT_EQ(text, expected) << name;
    }
}

TEST_F(AddressFixture, HtmlVCardAndClipboardTextShowTheAddress) {
    TAddressObject& a = Make("{Addr}12 High St~~~~~~Leeds~~~~LS1 4AB~~UK~~5");
    a.SetComment("front door");
    EXPECT_EQ(Html(a), "<em><strong>Home</strong></em><br>\r\nfront door<br>\r\n12 High St<br>\r\n"
                       "Leeds,  LS1 4AB<br>\r\nUK<br>\r\n");
    std::string line;
    a.GetVCardLine(line);
    EXPECT_EQ(line, "ADR:12 High St;;;Leeds;;LS1 4AB;UK");
    std::string text;
    a.GetClipboardText(text);
    EXPECT_EQ(text, "12 High St\r\nLeeds,  LS1 4AB\r\nUK\r\n");

    // Nothing but a title: the city line is always there, the country line
    // only in the plain text.
    TAddressObject& empty = Make("", "Blank");
    EXPECT_EQ(Html(empty), "<em><strong>Blank</strong></em><br>\r\n,  <br>\r\n");
    empty.GetClipboardText(text);
    EXPECT_EQ(text, ",  \r\n\r\n");

    TItemPopup menu;
    menu.Visible.fill(true);
    a.SetupPopup(menu);
    for (bool v : menu.Visible)
        EXPECT_FALSE(v);
}

TEST_F(AddressFixture, FourStreetLinesStayInMemoryButOnlyThreeAreStored) {
    svc.Views.On<TEditAddressDlg>("TEditAddressDlg", [](TEditAddressDlg& d) {
        d.Addr = "Flat 2\r\nThe Mill\r\n1 Mill Rd\r\nHolbeck";
        d.City = "Leeds";
        return mrOk;
    });
    TAddressObject& a = Make();
    ASSERT_TRUE(a.EditNew(nullptr));
    EXPECT_EQ(a.AddressLines().size(), 4u);
    std::string text;
    a.GetClipboardText(text);
    EXPECT_EQ(text, "Flat 2\r\nThe Mill\r\n1 Mill Rd\r\nHolbeck\r\nLeeds,  \r\n\r\n");
    a.GetVCardLine(text);
    EXPECT_EQ(text, "ADR:Flat 2;The Mill;1 Mill Rd;Leeds;;;");
    EXPECT_EQ(Html(a).find("Holbeck"), std::string::npos);
    EXPECT_EQ(Make(ClassLineOf(a)).AddressLines(), (Lines{"Flat 2", "The Mill", "1 Mill Rd"}));
}

TEST_F(AddressFixture, NewAddressStaysOnlyWithTitleAndStreetText) {
    const struct {
        const char *Title, *Addr;
        TModalResult Result;
        bool Stays;
    } cases[] = {{"Home", "1 A St", mrCancel, false},
                 {"", "1 A St", mrOk, false},
                 {"Home", "", mrOk, false},
                 {"Home", "1 A St", mrOk, true}};
    for (const auto& c : cases)
        svc.Views.On<TEditAddressDlg>("TEditAddressDlg", [c](TEditAddressDlg& d) {
            d.AddrTitle = c.Title;
            d.Addr = c.Addr;
            return c.Result;
        });
    for (const auto& c : cases)
        EXPECT_EQ(Make("", "New Address").EditNew(nullptr), c.Stays) << c.Title << "/" << c.Addr;
}

TEST_F(AddressFixture, NewAddressDialogStartsEmptyAndStoresSafeValues) {
    svc.Views.On<TEditAddressDlg>("TEditAddressDlg", [](TEditAddressDlg& d) {
        EXPECT_EQ(d.Caption, "Address");
        EXPECT_EQ(d.HelpContext, 1039);
        EXPECT_EQ(d.AddrTitle, "New Address");
        EXPECT_EQ(d.Addr + d.City + d.State + d.PostCode + d.Country + d.AddrComment, "");
        d.AddrTitle = "Ho~~me";
        d.Addr = "12 High St\r\n\r\nArea~~51";
        d.City = "Leeds\r\n";
        d.PostCode = "LS1 4AB";
        d.Country = "UK~";
        d.AddrComment = "side\ndoor";
        return mrOk;
    });
    TAddressObject& a = Make("", "New Address");
    ASSERT_TRUE(a.EditNew(nullptr));
    EXPECT_EQ(a.GetTarget(), "12 High St");
    EXPECT_EQ(a.AddressLines().size(), 3u);
    // Separators and line ends never reach the stored fields.
    std::string saved;
    a.GetSaveText(saved, 1);
    EXPECT_EQ(saved, "{1 5 }Ho-~me~~12 High St~~side door~~11\r\n"
                     "{Addr}12 High St~~~~Area-~51~~Leeds ~~~~LS1 4AB~~UK-~~0");
}

TEST_F(AddressFixture, PropertiesShowTheRecordAndIgnoreAnOkWithoutTitle) {
    TAddressObject& a = Make("{Addr}12 High St~~Holbeck~~~~Leeds~~W Yorks~~LS1 4AB~~UK~~0");
    a.SetComment("front");
    svc.Views.On<TEditAddressDlg>("TEditAddressDlg", [](TEditAddressDlg& d) {
        EXPECT_EQ(d.AddrTitle, "Home");
        EXPECT_EQ(fieldtext::TextLines(d.Addr), (Lines{"12 High St", "Holbeck"}));
        EXPECT_EQ(d.City + "|" + d.State + "|" + d.PostCode + "|" + d.Country + "|" + d.AddrComment,
                  "Leeds|W Yorks|LS1 4AB|UK|front");
        d.AddrTitle = "";
        d.City = "York";
        return mrOk;
    });
    // An empty street text is accepted.
    svc.Views.On<TEditAddressDlg>("TEditAddressDlg", [](TEditAddressDlg& d) {
        d.Addr = "";
        d.City = "York";
        return mrOk;
    });
    a.EditProperties();
    EXPECT_EQ(a.City(), "Leeds");
    a.EditProperties();
    EXPECT_EQ(a.GetTarget(), "");
    EXPECT_EQ(a.AddressLines(), (Lines{"", "", ""}));
    EXPECT_EQ(a.City(), "York");
}

TEST_F(AddressFixture, CategoriesChosenInTheDialogStayWhenItIsCancelled) {
    svc.MainWindow.Names = Lines(32, "c");
    svc.Views.On<TCategoryPopup>("TCategoryPopup", [](TCategoryPopup& p) {
        p.CheckListBox1[2].Checked = true;
        return mrOk;
    });
    svc.Views.On<TEditAddressDlg>("TEditAddressDlg", [](TEditAddressDlg& d) {
        d.CatSelectClick({});
        return mrCancel;
    });
    TAddressObject& a = Make();
    a.EditProperties();
    EXPECT_EQ(a.GetCategories(), 4u);
}
