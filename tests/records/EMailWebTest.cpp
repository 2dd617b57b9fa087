#include "platform/Services.h"
#include "records/CategoryPopup.h"
#include "records/EMailEditDlg.h"
#include "records/EMailObject.h"
#include "records/WebObject.h"
#include "records/WebSiteDlg.h"
#include "store/ContactStore.h"
#include "store/DataFile.h"
#include "store/ObjectFactory.h"
#include "store/TextWriter.h"
#include "store/TreeNode.h"
#include "store/TreeNodes.h"
#include "support/TestServices.h"

#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;

// A root with one folder to hang records on.
struct TTree {
    TTreeNodes Nodes;
    TTreeNode* Root = CreateRoot(Nodes);
    TTreeNode* Folder = CreateObject(kindFolder, "Friends", "", "", Root, "", 1).Node;

    TKexObject* EMail(const std::string& address, const std::string& title = "Mail",
                      const std::string& comment = "") {
        return CreateObject(kindEMail, title, address, comment, Folder, "", 7).Object;
    }
    TTreeNode* Web(TTreeNode* parent, const std::string& title, const std::string& url,
                   const std::string& comment = "") {
        return CreateObject(kindWeb, title, url, comment, parent, "", 4).Node;
    }
};

std::string Html(const TKexObject& r) {
    TTextWriter w;
    r.WriteHtmlContent(w, false);
    return w.Text();
}

Strings ToNames(const std::vector<TMapiRecipient>& recips) {
    Strings out;
    for (const auto& r : recips)
        out.push_back(r.Name);
    return out;
}

const char* const kMultipleQuestion =
    "Mailing to multiple recipients requires use of the Windows Messaging API (MAPI). Do you "
    "want to continue and use MAPI?";

} // namespace

// --- stored lines -------------------------------------------------------------

TEST(EMailWebRecords, ForeignOrDamagedClassLineLeavesNoCategories) {
    TTestServices svc;
    TTree t;
    for (const char* line : {"{Webs}5", "{mail}5", "", "{Mail}abc"})
        EXPECT_EQ(
            CreateObject(kindEMail, "M", "a@x", "", t.Folder, line, 1).Object->GetCategories(), 0u)
            << line;
    EXPECT_EQ(
        CreateObject(kindWeb, "W", "http://x", "", t.Folder, "{Mail}5", 1).Object->GetCategories(),
        0u);
}

TEST(EMailWebRecords, DataFileWithNestedWebsitesAndMailSurvivesLoadAndSave) {
    TTestServices svc;
    const std::string file = "{Params}\r\n{0 11 }My Contacts~~~~~~32892645\r\n"
                             "{1 0 }Links~~~~~~18542\r\n{Fold}0\r\n"
                             "{2 7 }Ann~~ann@x.org~~~~99120\r\n{Mail}3\r\n"
                             "{2 4 }News~~http://news.x.org~~daily~~70311\r\n{Webs}0\r\n"
                             "{3 4 }Sport~~http://news.x.org/sport~~~~70312\r\n{Webs}-1\r\n";
    WriteText(svc.File("tavi.dat"), file);
    TContactStore doc;
    TTreeNode* root = doc.Root();
    doc.Load();
    TTreeNode* news = root->GetFirstChild()->GetFirstChild();
    ASSERT_NE(news, nullptr);
    EXPECT_NE(dynamic_cast<TWebObject*>(news->Data()), nullptr);
    EXPECT_NE(dynamic_cast<TEMailObject*>(root->GetFirstChild()->Data()->GetItem(0)), nullptr);
    doc.Save();
    EXPECT_EQ(ReadText(svc.File("tavi.dat")), file);
}

TEST(EMailWebRecords, PopupShowsMailForEMailAndBrowseBesideOpenForWebsites) {
    TTestServices svc;
    TTree t;
    TItemPopup mailMenu, webMenu;
    mailMenu.Visible.fill(true);
    webMenu.Visible.fill(true);
    t.EMail("a@x.org")->SetupPopup(mailMenu);
    t.Web(t.Folder, "W", "http://x.org")->Data()->SetupPopup(webMenu);
    for (int e = 0; e < pePopupEntryCount; ++e) {
        EXPECT_EQ(mailMenu.IsVisible(TPopupEntry(e)), e == peSendMail) << e;
        EXPECT_EQ(webMenu.IsVisible(TPopupEntry(e)), e == peOpen || e == peBrowse) << e;
    }
}

// --- sending -----------------------------------------------------------------

TEST(EMailSend, RouteFollowsTheOptionForAnInternetAddress) {
    enum Route { Shell, Browser, Mail };
    struct Case {
        std::optional<int> INetMail;
        Route Expected;
    };
    for (const Case& c : {Case{std::nullopt, Mail}, Case{0, Mail}, Case{1, Shell}, Case{2, Mail},
                          Case{3, Browser}, Case{4, Mail}, Case{-1, Mail}}) {
        TTestServices svc;
        if (c.INetMail) svc.Settings.WriteInteger("Settings", "INetMail", *c.INetMail);
        svc.Browser.SetAutoLoad(false);
        TTree t;
        t.EMail("ann@x.org")->SendMail("");
        const std::string label = "INetMail " + std::to_string(c.INetMail.value_or(-99));

        ASSERT_EQ(svc.Shell.Calls.size(), c.Expected == Shell ? 1u : 0u) << label;
        ASSERT_EQ(svc.Browser.Opened.size(), c.Expected == Browser ? 1u : 0u) << label;
        ASSERT_EQ(svc.Mail.Sent.size(), c.Expected == Mail ? 1u : 0u) << label;
        if (c.Expected == Shell) {
            EXPECT_EQ(svc.Shell.Calls[0].File, "mailto:ann@x.org");
            EXPECT_EQ(svc.Shell.Calls[0].Parameters, "");
            EXPECT_EQ(svc.Shell.Calls[0].Directory, "");
            EXPECT_EQ(svc.Shell.Calls[0].ShowCmd, 5);
            EXPECT_TRUE(svc.Mail.Logons.empty());
        } else if (c.Expected == Browser) {
            EXPECT_EQ(svc.Browser.Opened[0].Address, "mailto:ann@x.org");
            EXPECT_TRUE(svc.Browser.Opened[0].AutoLoad);
        } else {
            EXPECT_EQ(ToNames(svc.Mail.Sent[0].Message.Recips), Strings{"ann@x.org"}) << label;
            EXPECT_TRUE(svc.Mail.Sent[0].Message.Files.empty());
            EXPECT_EQ(svc.Mail.Sent[0].Flags, mapi::Dialog);
            EXPECT_EQ(svc.Mail.Logoffs.size(), 1u);
        }
    }
}

TEST(EMailSend, AddressWithoutAtGoesThroughTheMailSystemWhateverTheOption) {
    for (int route : {1, 3}) {
        TTestServices svc;
        svc.Settings.WriteInteger("Settings", "INetMail", route);
        TTree t;
        t.EMail("ann")->SendMail("");
        EXPECT_TRUE(svc.Shell.Calls.empty());
        EXPECT_TRUE(svc.Browser.Opened.empty());
        ASSERT_EQ(svc.Mail.Sent.size(), 1u) << route;
        EXPECT_EQ(ToNames(svc.Mail.Sent[0].Message.Recips), Strings{"ann"});
    }
}

TEST(EMailSend, MailSystemRouteUsesTheDefaultProfileAndAttachesTheDocument) {
    TTestServices svc;
    svc.Mail.Profile = "Work";
    WriteText(svc.File("offer.doc"), "x");
    TTree t;
    t.EMail("ann@x.org")->SendMail(svc.File("offer.doc"));
    ASSERT_EQ(svc.Mail.Logons.size(), 1u);
    EXPECT_EQ(svc.Mail.Logons[0].Profile, std::optional<std::string>("Work"));
    ASSERT_EQ(svc.Mail.Sent.size(), 1u);
    const TMapiMessage& m = svc.Mail.Sent[0].Message;
    ASSERT_EQ(m.Files.size(), 1u);
    EXPECT_EQ(m.Files[0].PathName, svc.File("offer.doc"));
    EXPECT_EQ(m.Subject, "");
    EXPECT_EQ(m.NoteText, std::nullopt);
}

TEST(EMailSend, SeveralSelectedRecipientsAskBeforeUsingTheMailSystem) {
    struct Case {
        int Route, Answer;
        bool Asked, Sent;
    };
    for (const Case& c : {Case{1, id::Yes, true, true}, Case{0, id::No, true, false},
                          Case{3, id::Cancel, true, false}, Case{2, id::No, false, true}}) {
        TTestServices svc;
        svc.Settings.WriteInteger("Settings", "INetMail", c.Route);
        svc.Views.Answers = {c.Answer};
        TTree t;
        TKexObject* ann = t.EMail("ann@x.org");
        TKexObject* phone = CreateObject(kindRoot + 2, "Desk", "555", "", t.Folder, "", 9).Object;
        TKexObject* bob = t.EMail("bob smith@x.org");
        svc.MainWindow.ActivePane = "MainItems";
        svc.MainWindow.Selected = {ann, phone, bob};
        ann->SendMail("");

        const std::string label = "route " + std::to_string(c.Route);
        ASSERT_EQ(svc.Views.Boxes.size(), c.Asked ? 1u : 0u) << label;
        if (c.Asked) {
            EXPECT_EQ(svc.Views.Boxes[0].Text, kMultipleQuestion);
            EXPECT_EQ(svc.Views.Boxes[0].Type, mb::YesNoCancel | mb::IconQuestion);
        }
        EXPECT_TRUE(svc.Shell.Calls.empty()) << label;
        EXPECT_TRUE(svc.Browser.Opened.empty()) << label;
        if (!c.Sent) {
            EXPECT_TRUE(svc.Mail.Logons.empty()) << label;
            continue;
        }
        ASSERT_EQ(svc.Mail.Sent.size(), 1u) << label;
        // A record without an address adds nothing; quoted entries stay whole.
        EXPECT_EQ(ToNames(svc.Mail.Sent[0].Message.Recips),
                  (Strings{"ann@x.org", "bob smith@x.org"}));
    }
}

TEST(EMailSend, AtMostOneListedRecipientLeavesTheChoiceToTheOption) {
    enum Selection { Self, NoAddress, OtherAddress, TwoInTree };
    struct Case {
        int Route;
        Selection Sel;
        std::string MailedTo; // "" when the shell opened the record's address
    };
    for (const Case& c : {Case{1, Self, ""}, Case{2, Self, "ann@x.org"},
                          Case{0, NoAddress, "ann@x.org"}, Case{1, OtherAddress, ""},
                          Case{0, OtherAddress, "bob@x.org"}, Case{0, TwoInTree, "ann@x.org"}}) {
        TTestServices svc;
        svc.Settings.WriteInteger("Settings", "INetMail", c.Route);
        TTree t;
        TKexObject* ann = t.EMail("ann@x.org");
        TKexObject* bob = t.EMail("bob@x.org");
        TKexObject* other = CreateObject(kindRoot + 3, "Thing", "x", "", t.Folder, "", 9).Object;
        svc.MainWindow.ActivePane = c.Sel == TwoInTree ? "Folders" : "MainItems";
        switch (c.Sel) {
        case Self:
            svc.MainWindow.Selected = {ann};
            break;
        case NoAddress:
            svc.MainWindow.Selected = {other};
            break;
        case OtherAddress:
            svc.MainWindow.Selected = {bob};
            break;
        case TwoInTree:
            svc.MainWindow.Selected = {ann, bob};
            break;
        }
        ann->SendMail("");
        const std::string label =
            "route " + std::to_string(c.Route) + " case " + std::to_string(c.Sel);
        EXPECT_TRUE(svc.Views.Boxes.empty()) << label;
        if (c.MailedTo.empty()) {
            ASSERT_EQ(svc.Shell.Calls.size(), 1u) << label;
            EXPECT_EQ(svc.Shell.Calls[0].File, "mailto:ann@x.org") << label;
            continue;
        }
        ASSERT_EQ(svc.Mail.Sent.size(), 1u) << label;
        EXPECT_EQ(ToNames(svc.Mail.Sent[0].Message.Recips), Strings{c.MailedTo}) << label;
    }
}

TEST(EMailSend, EachRouteWithoutItsServiceRaisesNamingIt) {
    TTestServices svc;
    TTree t;
    TKexObject* ann = t.EMail("ann@x.org");
    // INetMail and the one service that route needs, taken away.
    const struct {
        int Route;
        std::string Missing;
    } cases[] = {{1, "Shell"}, {3, "Browser"}, {0, "Mail"}, {2, "Mail"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Route);
        TServices& s = svc.Services;
        s.Shell = c.Missing == "Shell" ? nullptr : &svc.Shell;
        s.Browser = c.Missing == "Browser" ? nullptr : &svc.Browser;
        s.Mail = c.Missing == "Mail" ? nullptr : &svc.Mail;
        svc.Settings.WriteInteger("Settings", "INetMail", c.Route);
        try {
            ann->SendMail("");
            ADD_FAILURE() << "sent without " << c.Missing;
        } catch (const EServiceMissing& e) {
            EXPECT_NE(std::string(e.what()).find(c.Missing), std::string::npos) << e.what();
        }
    }
    svc.Services.Settings = nullptr;
    EXPECT_THROW(ann->SendMail(""), EServiceMissing);
}

TEST(EMailSend, SeveralRecipientsWithoutMessageBoxesAreNotSent) {
    TTestServices svc;
    TTree t;
    TKexObject* ann = t.EMail("ann@x.org");
    // The question cannot be asked without a desktop: it counts as declined.
    svc.Services.Views = nullptr;
    svc.MainWindow.ActivePane = "MainItems";
    svc.MainWindow.Selected = {ann, t.EMail("bob@x.org")};
    ann->SendMail("");
    EXPECT_TRUE(svc.Mail.Logons.empty());
    EXPECT_TRUE(svc.Mail.Sent.empty());
}

TEST(EMailSend, DefaultActionsSendMailAndBrowse) {
    TTestServices svc;
    svc.Settings.WriteInteger("Settings", "INetMail", 1);
    svc.Browser.SetAutoLoad(false);
    TTree t;
    t.EMail("ann@x.org")->DefaultAction();
    t.Web(t.Folder, "W", "http://x.org/a?b=1")->Data()->DefaultAction();
    ASSERT_EQ(svc.Shell.Calls.size(), 1u);
    EXPECT_EQ(svc.Shell.Calls[0].File, "mailto:ann@x.org");
    ASSERT_EQ(svc.Browser.Opened.size(), 1u);
    EXPECT_EQ(svc.Browser.Opened[0].Address, "http://x.org/a?b=1");
    EXPECT_TRUE(svc.Browser.Opened[0].AutoLoad);
    svc.Services.Browser = nullptr;
    EXPECT_THROW(t.Web(t.Folder, "V", "http://y.org")->Data()->Browse(), EServiceMissing);
}

// --- publishing and vCard ------------------------------------------------------

TEST(EMailWebRecords, EMailHtmlLinksInternetAddressesOnly) {
    TTestServices svc;
    TTree t;
    EXPECT_EQ(Html(*t.EMail("ann@x.org", "Work", "desk")),
              "<em><strong>Work </strong></em><a href=\"mailto:ann@x.org\">ann@x.org</a> - "
              "desk<br>\r\n");
    EXPECT_EQ(Html(*t.EMail("ann@x.org", "Work")),
              "<em><strong>Work </strong></em><a href=\"mailto:ann@x.org\">ann@x.org</a><br>\r\n");
    EXPECT_EQ(Html(*t.EMail("@", "Odd")),
              "<em><strong>Odd </strong></em><a href=\"mailto:@\">@</a><br>\r\n");
    EXPECT_EQ(Html(*t.EMail("ann", "Local", "lan")),
              "<em><strong>Local</strong></em> ann - lan<br>\r\n");
    EXPECT_EQ(Html(*t.EMail("ann", "Local")), "<em><strong>Local</strong></em> ann<br>\r\n");
}

TEST(EMailWebRecords, WebsitesUnderAWebsitePublishAsOneBlock) {
    TTestServices svc;
    TTree t;
    TTreeNode* news = t.Web(t.Folder, "News", "http://n.org", "daily");
    TTreeNode* sport = t.Web(news, "Sport", "http://n.org/s");
    TTreeNode* only = t.Web(sport, "Scores", "http://n.org/s/1", "live");
    TTreeNode* weather = t.Web(news, "Weather", "http://n.org/w");
    TTreeNode* plain = t.Web(t.Folder, "Plain", "http://p.org");

    // Those with websites below them enter the index and carry its anchor.
    auto anchor = [](TTreeNode* n) {
        return "<a name=\"r" + std::to_string(n->Data()->GetObjectId()) + "\"></a>";
    };
    EXPECT_EQ(Html(*news->Data()),
              anchor(news) + "<a href=\"http://n.org\">News</a> - daily<br>\r\n");
    EXPECT_EQ(Html(*sport->Data()),
              "<blockquote>\r\n" + anchor(sport) + "<a href=\"http://n.org/s\">Sport</a><br>\r\n");
    EXPECT_EQ(Html(*only->Data()),
              "<blockquote>\r\n<a href=\"http://n.org/s/1\">Scores</a> - live<br>\r\n"
              "</blockquote>\r\n");
    EXPECT_EQ(Html(*weather->Data()),
              "<a href=\"http://n.org/w\">Weather</a><br>\r\n</blockquote>\r\n");
    EXPECT_EQ(Html(*plain->Data()), "<a href=\"http://p.org\">Plain</a><br>\r\n");

    // A website under a person is no nested block even as an only child.
    TTreeNode* person = CreateObject(kindPerson, "Ann", "", "", t.Folder, "", 3).Node;
    EXPECT_EQ(Html(*t.Web(person, "Own", "http://a.org")->Data()),
              "<a href=\"http://a.org\">Own</a><br>\r\n");
}

TEST(EMailWebRecords, OnlyWebsitesWithSubItemsEnterTheIndex) {
    TTestServices svc;
    TTree t;
    TTreeNode* news = t.Web(t.Folder, "News", "http://n.org");
    TTreeNode* sport = t.Web(news, "Sport", "http://n.org/s");
    EXPECT_TRUE(news->Data()->InHtmlIndex());
    EXPECT_FALSE(sport->Data()->InHtmlIndex());
    TTextWriter w;
    news->Data()->WriteHtmlIndex(w, "page2.htm");
    sport->Data()->WriteHtmlIndex(w, "page2.htm");
    EXPECT_EQ(w.Text(), "<a href=\"page2.htm#r" + std::to_string(news->Data()->GetObjectId()) +
                            "\"><img src=\"web.gif\" align=bottom border=0 "
                            "hspace=5 width=16 height=16>News</a><br>\r\n");
}

TEST(EMailWebRecords, VCardLinesMarkInternetAddresses) {
    TTestServices svc;
    TTree t;
    std::string line;
    t.EMail("ann@x.org")->GetVCardLine(line);
    EXPECT_EQ(line, "EMAIL;INTERNET:ann@x.org");
    t.EMail("ann")->GetVCardLine(line);
    EXPECT_EQ(line, "EMAIL:ann");
    t.Web(t.Folder, "W", "http://x.org")->Data()->GetVCardLine(line);
    EXPECT_EQ(line, "URL:http://x.org");
}

// --- comma-separated columns ---------------------------------------------------

TEST(EMailWebRecords, ImportTakesAddressTitleAndComment) {
    struct Case {
        uint8_t Kind;
        Strings Names, Values;
        bool Result;
        std::string Title, Target, Comment;
    };
    const Case cases[] = {
        {kindEMail,
         {"Comment", "E-Mail Address", "Title"},
         {"c", "ann@x.org", "Ann"},
         true,
         "Ann",
         "ann@x.org",
         "c"},
        // Without a Comment column the comment is left as it was.
        {kindEMail, {"E-Mail Address"}, {"ann.lee@x.org"}, true, "ann.lee", "ann.lee@x.org", "old"},
        {kindEMail, {"E-Mail Address"}, {"ann"}, true, "ann", "ann", "old"},
        {kindEMail, {"E-Mail Address"}, {"@x.org"}, false, "", "@x.org", "old"},
        {kindEMail, {"E-Mail Address", "Title"}, {"ann@x.org", ""}, false, "", "ann@x.org", "old"},
        {kindEMail, {"Title", "Comment"}, {"Ann", "c"}, false, "Old", "", "old"},
        {kindEMail, {"e-mail address", "Title"}, {"ann@x.org", "Ann"}, false, "Old", "", "old"},
        {kindWeb,
         {"Website", "Title", "Comment"},
         {"ftp:abcd", "Files", "c"},
         true,
         "Files",
         "ftp:abcd",
         "c"},
        {kindWeb, {"Website"}, {"http://x.org"}, true, "http://x.org", "http://x.org", "old"},
        {kindWeb, {"Website"}, {"www.x.org"}, false, "", "www.x.org", "old"},
        {kindWeb, {"Website", "Comment"}, {"", "c"}, false, "", "", "c"},
    };
    for (const Case& c : cases) {
        TTestServices svc;
        TTree t;
        TKexObject* r = c.Kind == kindWeb ? t.Web(t.Folder, "Old", "", "old")->Data()
                                          : t.EMail("", "Old", "old");
        Strings values = c.Values;
        EXPECT_EQ(r->ImportColumns(values, c.Names), c.Result) << c.Values[0];
        EXPECT_EQ(r->GetTitle(), c.Title) << c.Values[0];
        EXPECT_EQ(r->GetTarget(), c.Target) << c.Values[0];
        EXPECT_EQ(r->GetComment(), c.Comment) << c.Values[0];
    }
}

TEST(EMailWebRecords, ExportAnswersItsThreeColumnsQuoted) {
    TTestServices svc;
    TTree t;
    TKexObject* mail = t.EMail("ann@x.org", "Work", "desk");
    TKexObject* web = t.Web(t.Folder, "Home", "http://x.org")->Data();
    std::string v;
    const std::pair<TKexObject*, Strings> cases[] = {
        {mail,
         {"Title", "\"Work\",", "E-Mail Address", "\"ann@x.org\",", "Comment", "\"desk\",",
          "Website", "", "title", "", "Fax Number", ""}},
        {web,
         {"Title", "\"Home\",", "Website", "\"http://x.org\",", "Comment", "\"\",",
          "E-Mail Address", "", "WEBSITE", ""}},
    };
    for (const auto& [record, expect] : cases) {
        for (size_t i = 0; i < expect.size(); i += 2) {
            v = "junk";
            record->GetCsvField(expect[i], v);
            EXPECT_EQ(v, expect[i + 1]) << record->GetTitle() << " / " << expect[i];
        }
    }
}

// --- dialogs --------------------------------------------------------------------

TEST(EMailEditDialog, NewRecordTakesTheBoxesOnOkWithAnAddress) {
    TTestServices svc;
    TTree t;
    svc.Views.On<TEMailEditDlg>("TEMailEditDlg", [](TEMailEditDlg& d) {
        EXPECT_EQ(d.EMailTitle, "New E-Mail");
        EXPECT_EQ(d.EMailAddr, "");
        EXPECT_EQ(d.Caption, "E-Mail");
        EXPECT_EQ(d.HelpContext, 1039);
        d.EMailTitle = "";
        d.EMailAddr = "ann@x.org";
        d.EMailComment = "home~~note";
        return mrOk;
    });
    TKexObject* r = t.EMail("", "New E-Mail");
    ASSERT_TRUE(r->EditNew(nullptr));
    EXPECT_EQ(r->GetTitle(), "");
    EXPECT_EQ(r->GetTarget(), "ann@x.org");
    EXPECT_EQ(r->GetComment().find("~~"), std::string::npos); // made safe to store
}

TEST(EMailEditDialog, NewRecordIsRefusedOnCancelOrWithoutAnAddress) {
    TTestServices svc;
    TTree t;
    EXPECT_FALSE(t.EMail("")->EditNew(nullptr)); // no script: cancelled
    svc.Views.On<TEMailEditDlg>("TEMailEditDlg", [](TEMailEditDlg& d) {
        d.EMailComment = "c";
        return mrOk;
    });
    TKexObject* r = t.EMail("", "New E-Mail");
    EXPECT_FALSE(r->EditNew(nullptr));
    EXPECT_EQ(r->GetComment(), "");
}

TEST(EMailEditDialog, PropertiesShowTheRecordAndIgnoreOkWithoutAnAddress) {
    TTestServices svc;
    TTree t;
    TKexObject* r = t.EMail("ann@x.org", "Work", "desk");
    svc.Views.On<TEMailEditDlg>("TEMailEditDlg", [](TEMailEditDlg& d) {
        EXPECT_EQ(d.EMailTitle, "Work");
        EXPECT_EQ(d.EMailAddr, "ann@x.org");
        EXPECT_EQ(d.EMailComment, "desk");
        d.EMailTitle = "Office";
        d.EMailAddr = "ann@y.org";
        return mrOk;
    });
    svc.Views.On<TEMailEditDlg>("TEMailEditDlg", [](TEMailEditDlg& d) {
        d.EMailTitle = "Lost";
        d.EMailAddr = "";
        return mrOk;
    });
    r->EditProperties();
    EXPECT_EQ(r->GetTitle(), "Office");
    EXPECT_EQ(r->GetTarget(), "ann@y.org");
    EXPECT_EQ(r->GetComment(), "desk");

    r->EditProperties();
    EXPECT_EQ(r->GetTitle(), "Office");
    EXPECT_EQ(r->GetTarget(), "ann@y.org");
}

TEST(EMailEditDialog, CategoriesChosenAreKeptWhenTheDialogIsCancelled) {
    TTestServices svc;
    TTree t;
    TKexObject* r = t.EMail("ann@x.org");
    svc.Views.On<TCategoryPopup>("TCategoryPopup", [](TCategoryPopup& p) {
        p.CheckListBox1[31].Checked = true;
        return mrOk;
    });
    svc.Views.On<TEMailEditDlg>("TEMailEditDlg", [](TEMailEditDlg& d) {
        d.CatSelectClick(TScreenPoint{10, 20});
        d.EMailAddr = "";
        return mrCancel;
    });
    r->EditProperties();
    EXPECT_EQ(r->GetCategories(), 0x80000000u);
    EXPECT_EQ(r->GetTarget(), "ann@x.org");
}

TEST(WebSiteDialog, NewWebsiteAcceptsOnlyAddressesThatAreUrls) {
    struct Case {
        std::string Web;
        bool Accepted;
    };
    for (const Case& c : {Case{"http://a", true}, Case{"HTTP://A", true}, Case{"ftp:abcd", true},
                          Case{"mailto:a@x", true}, Case{"http://", false}, Case{"", false},
                          Case{"file:///tmp/x", false}, Case{"www.x.org", false}}) {
        TTestServices svc;
        TTree t;
        svc.Views.On<TWebSiteDlg>("TWebSiteDlg", [&c](TWebSiteDlg& d) {
            EXPECT_EQ(d.WebTitle, "New Website");
            EXPECT_EQ(d.Web, "http://");
            EXPECT_EQ(d.WebItems, (Strings{"http://", "https://", "ftp://",
                                           "news:", "mailto:", "gopher://", "wais:", "telnet:"}));
            EXPECT_EQ(d.Caption, "Website");
            d.WebTitle = "Site";
            d.Web = c.Web;
            d.WebComment = "c";
            return mrOk;
        });
        TTreeNode* node = t.Web(t.Folder, "New Website", "");
        EXPECT_EQ(node->Data()->EditNew(node), c.Accepted) << c.Web;
        if (c.Accepted) {
            EXPECT_EQ(node->Data()->GetTarget(), c.Web);
            EXPECT_EQ(node->Text(), "Site"); // the node follows the title
        } else {
            EXPECT_EQ(node->Data()->GetTitle(), "New Website");
        }
    }
}

TEST(WebSiteDialog, NewWebsiteCancelledIsRefused) {
    TTestServices svc;
    TTree t;
    TTreeNode* node = t.Web(t.Folder, "New Website", "");
    EXPECT_FALSE(node->Data()->EditNew(node));
    EXPECT_EQ(svc.Views.Shown, Strings{"TWebSiteDlg"});
}

TEST(WebSiteDialog, PropertiesDropAnEditThatIsNoUrl) {
    TTestServices svc;
    TTree t;
    TKexObject* r = t.Web(t.Folder, "Home", "http://x.org", "mine")->Data();
    svc.Views.On<TWebSiteDlg>("TWebSiteDlg", [](TWebSiteDlg& d) {
        EXPECT_EQ(d.WebTitle, "Home");
        EXPECT_EQ(d.Web, "http://x.org");
        EXPECT_EQ(d.WebComment, "mine");
        d.WebTitle = "Other";
        d.Web = "x.org";
        return mrOk;
    });
    svc.Views.On<TWebSiteDlg>("TWebSiteDlg", [](TWebSiteDlg& d) {
        d.Web = "news:comp.lang";
        d.WebComment = "";
        return mrOk;
    });
    r->EditProperties();
    EXPECT_EQ(r->GetTitle(), "Home");
    EXPECT_EQ(r->GetTarget(), "http://x.org");

    r->EditProperties();
    EXPECT_EQ(r->GetTarget(), "news:comp.lang");
    EXPECT_EQ(r->GetComment(), "");
}

TEST(WebSiteDialog, OkWithAnAddressThatIsNoUrlSaysSoAndKeepsTheDialogOpen) {
    TTestServices svc;
    TTree t;
    TKexObject* r = t.Web(t.Folder, "Home", "http://x.org", "mine")->Data();
    svc.Views.On<TWebSiteDlg>("TWebSiteDlg", [&svc](TWebSiteDlg& d) {
        d.WebComment = "edited";
        d.Web = "x.org";
        d.OKBtnClick();
        EXPECT_EQ(d.ModalResult(), mrNone);
        EXPECT_EQ(svc.Views.Boxes.size(), 1u);
        d.Web = "https://x.org";
        d.OKBtnClick();
        return mrNone;
    });
    r->EditProperties();
    ASSERT_EQ(svc.Views.Boxes.size(), 1u);
    EXPECT_NE(svc.Views.Boxes[0].Text.find("\"x.org\""), std::string::npos);
    EXPECT_EQ(r->GetTarget(), "https://x.org");
    EXPECT_EQ(r->GetComment(), "edited");
}
