// The publish job: the pages, the file set and the other forms.
#include "exchange/jobs/PublishJob.h"

#include "exchange/HtmlOut.h"
#include "exchange/PublishSite.h"
#include "exchange/jobs/WebArt.h"
#include "platform/Errors.h"
#include "platform/FileIO.h"
#include "records/WebObject.h"
#include "store/ContactStore.h"
#include "store/KexObject.h"
#include "store/TreeNode.h"
#include "support/RecordingObserver.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct PublishFixture : ::testing::Test {
    TTestServices svc;
    TPublishTree site;
    TTempDir out;

    TPublishOptions Options(const std::string& title) {
        TPublishOptions o;
        o.Title = title;
        o.IconsDir = webart::IconsDir();
        return o;
    }
    std::string Publish(const std::string& path, TPublishOptions o, const std::string& page) {
        TPublishJob(std::move(o)).PublishHtml(site.At(path), out.File(page));
        return ReadText(out.File(page));
    }
};

// Golden pages: set MERROWIN_UPDATE_GOLDEN=1 to write them anew after a
// deliberate change, then read the diff.
void ExpectGolden(const std::string& actualFile, const std::string& golden) {
    const std::string goldenFile = DataPath("exchange/publish/golden/" + golden);
    const std::string actual = ReadText(actualFile);
    if (std::getenv("MERROWIN_UPDATE_GOLDEN")) WriteText(goldenFile, actual);
    EXPECT_EQ(actual, ReadText(goldenFile)) << golden;
}

} // namespace

TEST(HtmlOut, EscapesMarkupAndRefusesSchemesThatRun) {
    EXPECT_EQ(htmlout::Escape("<script>alert(\"1\")</script> & more"),
              "&lt;script&gt;alert(&quot;1&quot;)&lt;/script&gt; &amp; more");
    EXPECT_EQ(htmlout::Escape("Zo\xC3\xAB's"), "Zo\xC3\xAB's");
    struct {
        const char* Address;
        bool Linked;
    } const cases[] = {
        {"http://example.org/", true},
        {"HTTPS://example.org/a?b#c", true},
        {"mailto:ann@example.org", true},
        {"ftp://files.example.org", true},
        {"file:///home/ann/a.htm", true},
        {"page.htm#r12", true},
        {"../up/page.htm", true},
        {"#top", true},
        {"/a:b", true},
        {"", true},
        {"javascript:alert(1)", false},
        {"JavaScript:alert(1)", false},
        {" javascript:alert(1)", false},
        {"java\tscript:alert(1)", false},
        {"\x01javascript:x", false},
        {"vbscript:msgbox", false},
        {"data:text/html,<b>", false},
        {"www.example.org:8080/x", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(htmlout::IsSafeLink(c.Address), c.Linked) << c.Address;
    EXPECT_EQ(htmlout::FileUrl("my back#1 %.gif"), "my%20back%231%20%25.gif");
    EXPECT_STREQ(htmlout::Charset("plain and Zo\xC3\xAB"), "utf-8");
    EXPECT_STREQ(htmlout::Charset("caf\xE9"), "windows-1252");
}

TEST_F(PublishFixture, FramedAndSinglePagesMatchTheirGoldenFilesAndPassTidy) {
    Publish("My Contacts/Friends", Options("Friends"), "Friends.htm");
    for (const char* page : {"Friends.htm", "taviindex.htm", "tavimain.htm"})
        ExpectGolden(out.File(page), std::string("framed/") + page);

    TTempDir single;
    TPublishOptions o = Options("Friends");
    o.Frames = false;
    TPublishJob(o).PublishHtml(site.At("My Contacts/Friends"), single.File("Friends.htm"));
    ExpectGolden(single.File("Friends.htm"), "single/Friends.htm");

    for (const std::string& page :
         {out.File("Friends.htm"), out.File("taviindex.htm"), out.File("tavimain.htm"),
          out.File("tavihome.htm"), single.File("Friends.htm")}) {
        std::string errors = TidyErrors(page);
        if (errors == "no tidy") GTEST_SKIP() << "tidy is not installed";
        EXPECT_EQ(errors, "") << page;
    }
}

TEST_F(PublishFixture, HostileTextComesOutAsTextAndUnsafeAddressesAreNotLinked) {
    TTreeNode* friends = site.At("My Contacts/Friends");
    TKexObject* ann = site.At("My Contacts/Friends/Ann Lee")->Data();
    ann->SetTitle("<script>alert(1)</script>");
    ann->SetComment("\"quoted\" & <b>bold</b>");
    TKexObject* web = site.At("My Contacts/Friends/Club site")->Data();
    web->SetTarget("javascript:alert(document.cookie)");
    // Two records with one title keep one anchor each.
    site.At("My Contacts/Friends/Committee/Bob Roe")->Data()->SetTitle("Cy Dee");
    TPublishOptions o = Options("<img src=x onerror=alert(1)> & co");
    for (bool frames : {true, false}) {
        TTempDir dir;
        o.Frames = frames;
        TPublishJob(o).PublishHtml(friends, dir.File("f.htm"));
        std::string all;
        for (const std::string& name : FileNames(dir.Path()))
            if (name.ends_with(".htm")) {
                std::string errors = TidyErrors(dir.File(name));
                if (errors != "no tidy") {
                    EXPECT_EQ(errors, "") << name;
                }
                all += ReadText(dir.File(name));
            }
        EXPECT_EQ(all.find("<script>"), std::string::npos);
        EXPECT_EQ(all.find("<img src=x"), std::string::npos);
        EXPECT_EQ(all.find("href=\"javascript"), std::string::npos);
        EXPECT_NE(all.find("&lt;script&gt;alert(1)&lt;/script&gt;"), std::string::npos);
        EXPECT_NE(all.find("&quot;quoted&quot; &amp; &lt;b&gt;bold&lt;/b&gt;"), std::string::npos);
        EXPECT_NE(all.find("Club site (javascript:alert(document.cookie)) - news<br>"),
                  std::string::npos);
        EXPECT_NE(all.find("<title>&lt;img src=x onerror=alert(1)&gt; &amp; co</title>"),
                  std::string::npos);
        EXPECT_NE(all.find("<a name=\"r17\">"), std::string::npos);
        EXPECT_NE(all.find("#r10\">"), std::string::npos);
    }
}

TEST_F(PublishFixture, PagesDeclareTheirCharacterSet) {
    std::string utf8 = Publish("My Contacts/Friends", Options("Zo\xC3\xAB"), "a.htm");
    EXPECT_NE(utf8.find("<head>\r\n<meta http-equiv=\"Content-Type\" content=\"text/html; "
                        "charset=utf-8\">\r\n<title>"),
              std::string::npos);
    site.At("My Contacts/Friends/Ann Lee")->Data()->SetComment("caf\xE9");
    Publish("My Contacts/Friends", Options("Friends"), "b.htm");
    EXPECT_NE(ReadText(out.File("tavimain.htm")).find("charset=windows-1252"), std::string::npos);
    EXPECT_NE(ReadText(out.File("taviindex.htm")).find("charset=utf-8"), std::string::npos);
}

TEST_F(PublishFixture, PublishedTwiceRewritesThePagesButKeepsThePictures) {
    Publish("My Contacts/Friends", Options("Friends"), "Friends.htm");
    std::vector<std::string> expected = {
        "Friends.htm", "folder.gif",   "kex_16.gif",    "org.gif",      "person.gif",
        "tavibtn.gif", "tavihome.htm", "taviindex.htm", "tavimain.htm", "tavimain.tvd",
        "team.gif",    "vcard.gif",    "web.gif"};
    std::vector<std::string> written = FileNames(out.Path());
    written.erase(std::remove_if(written.begin(), written.end(),
                                 [](const std::string& n) { return n.ends_with(".vcf"); }),
                  written.end());
    EXPECT_EQ(written, expected);
    EXPECT_EQ(ReadText(out.File("person.gif")), ReadText(webart::IconsDir() + "person.gif"));
    // Each person's card lies beside the pages under the name its link uses.
    TKexObject* ann = site.At("My Contacts/Friends/Ann Lee")->Data();
    std::string card = "vc" + std::to_string(ann->GetObjectId()) + ".vcf";
    EXPECT_NE(ReadText(out.File("tavimain.htm")).find(card), std::string::npos);
    std::string vcard = ReadText(out.File(card));
    EXPECT_EQ(vcard.rfind("begin:vcard\r\n", 0), 0u) << vcard;
    EXPECT_NE(vcard.find("Lee"), std::string::npos) << vcard;

    WriteText(out.File("person.gif"), "the user's own picture");
    site.At("My Contacts/Friends/Ann Lee")->Data()->SetTitle("Ann Lee-Roe");
    Publish("My Contacts/Friends", Options("Friends"), "Friends.htm");
    EXPECT_EQ(ReadText(out.File("person.gif")), "the user's own picture");
    EXPECT_NE(ReadText(out.File("tavimain.htm")).find("Ann Lee-Roe"), std::string::npos);
    EXPECT_NE(ReadText(out.File("taviindex.htm")).find("Ann Lee-Roe"), std::string::npos);
    EXPECT_NE(ReadText(out.File("tavimain.tvd")).find("Ann Lee-Roe"), std::string::npos);
    EXPECT_NE(ReadText(out.File(card)).find("Ann Lee-Roe"), std::string::npos);
}

TEST_F(PublishFixture, ALinkPlantedInTheFolderIsRefusedAndWhatItPointsToStays) {
    TTempDir elsewhere;
    WriteText(elsewhere.File("precious.txt"), "mine");
    TKexObject* ann = site.At("My Contacts/Friends/Ann Lee")->Data();
    const std::string card = out.File("vc" + std::to_string(ann->GetObjectId()) + ".vcf");
    ASSERT_EQ(symlink(elsewhere.File("precious.txt").c_str(), card.c_str()), 0);
    try {
        Publish("My Contacts/Friends", Options("Friends"), "Friends.htm");
        ADD_FAILURE() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.FileName(), card);
        EXPECT_EQ(e.ErrorCode(), io_error::AccessDenied);
    }
    EXPECT_EQ(ReadText(elsewhere.File("precious.txt")), "mine");
    struct stat st {};
    EXPECT_TRUE(lstat(card.c_str(), &st) == 0 && S_ISLNK(st.st_mode));
}

TEST_F(PublishFixture, ChoicesOfTheWizardReachThePages) {
    TPublishOptions o = Options("Friends");
    o.BackgroundGif = webart::BackgroundsDir() + "marble.gif";
    o.TextColor = "Maroon";
    o.LinkColor = "Teal";
    o.IncludeTVD = false;
    o.IncludeVCard = false;
    Publish("My Contacts/Friends", o, "Friends.htm");
    std::string index = ReadText(out.File("taviindex.htm"));
    EXPECT_NE(index.find("<body background=\"marble.gif\" text=Maroon link=Teal>"),
              std::string::npos);
    EXPECT_EQ(index.find("tavimain.tvd"), std::string::npos);
    EXPECT_EQ(ReadText(out.File("tavimain.htm")).find("Get vCard"), std::string::npos);
    EXPECT_FALSE(fileio::FileExists(out.File("tavimain.tvd")));
    EXPECT_EQ(ReadText(out.File("marble.gif")), ReadText(o.BackgroundGif));
}

TEST_F(PublishFixture, TheLevelLimitCountsLevelsBelowThePublishedNode) {
    struct {
        int Levels;
        std::vector<const char*> In, Out;
    } const cases[] = {
        {0, {"Ann Lee", "Club site", "Committee", "Bob Roe", "Old minutes"}, {}},
        {1, {"Ann Lee", "Club site", "Committee"}, {"Bob Roe", "Old minutes"}},
        {2, {"Ann Lee", "Committee", "Bob Roe", "Old minutes"}, {}},
        {9, {"Bob Roe", "Old minutes"}, {}},
    };
    for (const auto& c : cases) {
        TPublishOptions o = Options("Friends");
        o.Levels = c.Levels;
        Publish("My Contacts/Friends", o, "Friends.htm");
        const std::string index = ReadText(out.File("taviindex.htm"));
        for (const char* t : c.In)
            EXPECT_NE(index.find(std::string(t) + "</a><br>"), std::string::npos)
                << c.Levels << " " << t;
        for (const char* t : c.Out)
            EXPECT_EQ(index.find(std::string(t) + "</a><br>"), std::string::npos)
                << c.Levels << " " << t;
        // Every block quote opened is closed before the page ends.
        size_t opened = 0, closed = 0;
        for (size_t p = 0; (p = index.find("<blockquote>", p)) != std::string::npos; ++p)
            ++opened;
        for (size_t p = 0; (p = index.find("</blockquote>", p)) != std::string::npos; ++p)
            ++closed;
        EXPECT_EQ(opened, closed) << c.Levels;
        EXPECT_EQ(opened, c.Levels == 1 ? 0u : 1u) << c.Levels;
    }
    // A website without websites below it has no index entry of its own.
    EXPECT_EQ(ReadText(out.File("taviindex.htm")).find("Fixtures</a>"), std::string::npos);
}

TEST_F(PublishFixture, TheLastChildOfAFolderCoversOnlyItsOwnBranch) {
    // Committee is the last child of Friends, and Work and Zoo follow Friends.
    TTreeNode* committee = site.At("My Contacts/Friends/Committee");
    ASSERT_EQ(committee->Parent()->GetLastChild(), committee);
    Publish("My Contacts/Friends/Committee", Options("Committee"), "c.htm");
    const std::string content = ReadText(out.File("tavimain.htm"));
    const std::string index = ReadText(out.File("taviindex.htm"));
    EXPECT_NE(content.find("Bob Roe"), std::string::npos);
    EXPECT_NE(index.find("Old minutes"), std::string::npos);
    for (const char* other : {"Acme", "Cy Dee", "Zoo", "Ann Lee", "Work"}) {
        EXPECT_EQ(content.find(other), std::string::npos) << other;
        EXPECT_EQ(index.find(other), std::string::npos) << other;
    }
    const std::string tvd = ReadText(out.File("tavimain.tvd"));
    EXPECT_EQ(tvd.rfind("{1 2 }Committee~~", 0), 0u);
    EXPECT_EQ(tvd.find("Acme"), std::string::npos);

    // A node without child nodes: the transfer link only, and its own block.
    TTempDir leaf;
    TPublishJob(Options("Zoo")).PublishHtml(site.At("My Contacts/Zoo"), leaf.File("z.htm"));
    const std::string leafIndex = ReadText(leaf.File("taviindex.htm"));
    EXPECT_NE(leafIndex.find("Get Merrowin&#153; file"), std::string::npos);
    EXPECT_EQ(leafIndex.find("<blockquote>"), std::string::npos);
    EXPECT_NE(ReadText(leaf.File("tavimain.htm")).find("<a name=\"r4\"><font size=4>Zoo"),
              std::string::npos);
}

TEST_F(PublishFixture, AFileThatCannotBeWrittenIsNamedAndEarlierFilesStay) {
    const std::string before = [&] {
        TTempDir d;
        PublishTransfer(site.Root, d.File("all.tvd"));
        return ReadText(d.File("all.tvd"));
    }();
    // A read-only page in the way: refused even for root.
    WriteText(out.File("tavimain.htm"), "old");
    ASSERT_EQ(chmod(out.File("tavimain.htm").c_str(), 0444), 0);
    try {
        Publish("My Contacts/Friends", Options("Friends"), "Friends.htm");
        ADD_FAILURE() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.FileName(), out.File("tavimain.htm"));
        EXPECT_NE(e.Where().find("tavimain.htm"), std::string::npos);
    }
    EXPECT_NE(ReadText(out.File("Friends.htm")).find("<frameset"), std::string::npos);
    EXPECT_TRUE(fileio::FileExists(out.File("taviindex.htm")));
    EXPECT_TRUE(fileio::FileExists(out.File("tavimain.tvd")));
    EXPECT_EQ(ReadText(out.File("tavimain.htm")), "old");
    TTempDir d;
    PublishTransfer(site.Root, d.File("all.tvd"));
    EXPECT_EQ(ReadText(d.File("all.tvd")), before);
}

TEST_F(PublishFixture, TransferAndCsvFormsAndTheirRefusals) {
    struct {
        const char* Name;
        const char* Extension;
        bool Refused;
    } const names[] = {{"a.tvd", ".tvd", false}, {"a.TVD", ".tvd", false},
                       {"a.VCF", ".vcf", false}, {"a.txt", ".vcf", true},
                       {"a", ".tvd", true},      {"a.tvd.txt", ".tvd", true}};
    for (const auto& n : names)
        EXPECT_EQ(CheckExtension(n.Name, n.Extension).empty(), !n.Refused) << n.Name;
    EXPECT_EQ(CheckExtension("x.txt", ".vcf"),
              "The exported filename needs to have an extension of \".vcf\"");
    EXPECT_TRUE(CanPublishVCard(site.At("My Contacts/Friends/Ann Lee")));
    EXPECT_TRUE(CanPublishVCard(site.At("My Contacts/Work/Acme")));
    EXPECT_FALSE(CanPublishVCard(site.At("My Contacts/Friends")));
    EXPECT_FALSE(CanPublishVCard(site.At("My Contacts/Friends/Club site")));

    PublishCsv(site.At("My Contacts"), out.File("p.csv"), kindPerson,
               {"Title", "E-Mail Address", "City"}, true);
    EXPECT_EQ(ReadText(out.File("p.csv")), "Title,\"E-Mail Address\",City\r\n"
                                           "\"Ann Lee\",\"ann@example.com\",\"Leeds\"\r\n"
                                           "\"Bob Roe\",,\r\n"
                                           "\"Cy Dee\",,\r\n");
    PublishCsv(site.At("My Contacts/Work"), out.File("o.csv"), kindPhone, {"Phone Number"}, false);
    EXPECT_EQ(ReadText(out.File("o.csv")), "\"555 0199\"\r\n");

    PublishTransfer(site.At("My Contacts/Work"), out.File("w.tvd"));
    const std::string tvd = ReadText(out.File("w.tvd"));
    EXPECT_EQ(tvd.rfind("{1 0 }Work~~~~~~3\r\n{Fold}0\r\n{2 1 }Acme", 0), 0u);
    EXPECT_EQ(tvd.find("Friends"), std::string::npos);
}

TEST_F(PublishFixture, ADocumentHearsOfAPublishOnceAndKeepsItsRecords) {
    WriteText(svc.File("tavi.dat"), ReadText(DataPath("exchange/publish/small.dat")));
    TContactStore doc;
    doc.Load();
    TTreeNode* friends = FindNodeByPath(doc.Tree(), "My Contacts/Friends");
    friends->Data()->SetCategories(5);
    TRecordingObserver heard(doc);
    TPublishJob(Options("Friends")).PublishHtml(friends, out.File("f.htm"));
    EXPECT_LE(heard.Deliveries.size(), 1u);
    EXPECT_EQ(friends->Data()->GetCategories(), 5u);
    // The transfer file leaves categories out.
    EXPECT_EQ(ReadText(out.File("tavimain.tvd"))
                  .rfind("{1 0 }Friends~~~~Zo\xC3\xAB's list~~2\r\n{Fold}0\r\n", 0),
              0u);
}
