#include "exchange/BookmarkPage.h"

#include "exchange/HtmlText.h"
#include "exchange/ImportError.h"
#include "platform/Errors.h"
#include "support/TestServices.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {
using V = std::vector<std::string>;

TEST(BookmarkPage, AnchorInfoOfOneLine) {
    struct Case {
        const char* Line;
        bool Found;
        const char* Title;
        const char* Url;
    } cases[] = {
        // A further attribute between the address and the title.
        {"<DT><A HREF=\"page.htm\" ADD_DATE=\"1\">Name</A>", true, "Name", "page.htm"},
        {"<dt><a href=\"x.htm\">Lower</a>", true, "Lower", "x.htm"},
        {"<A ID=\"1\" HREF='single.htm'>Single</A>", true, "Single", "single.htm"},
        {"<A HREF=bare.htm ICON=x>Bare</A>", true, "Bare", "bare.htm"},
        // Commas and blanks in a quoted address keep it whole.
        {"<A HREF=\"http://a.example/?x=1,y=2\" TAGS=\"a b\">T</A>", true, "T",
         "http://a.example/?x=1,y=2"},
        {"<A HREF=\"a?x=1&amp;y=2\">Tom &amp; Jerry &#233;&#x263A;</A>", true,
         "Tom & Jerry \xC3\xA9\xE2\x98\xBA", "a?x=1&y=2"},
        {"<A HREF=\"x\">  spaced \t title </A>", true, "spaced title", "x"},
        {"<A HREF=\"x\">No closing tag", true, "No closing tag", "x"},
        {"<A HREF=\"first\">1</A><A HREF=\"second\">2</A>", true, "1", "first"},
        {"<A HREF=\"\">Empty</A>", false, "", ""},
        {"<A NAME=\"top\">Top</A>", false, "", ""},
        {"<DT><H3>Folder</H3>", false, "", ""},
        {"plain text", false, "", ""},
    };
    for (const auto& c : cases) {
        std::string title, url;
        EXPECT_EQ(GetAnchorInfo(c.Line, title, url), c.Found) << c.Line;
        if (!c.Found) continue;
        EXPECT_EQ(title, c.Title) << c.Line;
        EXPECT_EQ(url, c.Url) << c.Line;
    }
}

TEST(BookmarkPage, PageTitle) {
    struct Case {
        const char* Page;
        const char* Title;
    } cases[] = {
        {"<TITLE>My Links</TITLE>\n<DL>", "My Links"},
        {"<title>My Links</title>", "My Links"},
        {"<TITLE>My Links</title>", "My Links"},
        {"<TITLE>\n  Tom &amp; Jerry\n</TITLE>", "Tom & Jerry"},
        {"<H1>No title</H1>", ""},
        {"<TITLE>First</TITLE><TITLE>Second</TITLE>", "First"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseBookmarkPage(c.Page).Title, c.Title) << c.Page;
}

TEST(BookmarkPage, CharacterReferences) {
    struct Case {
        const char* Text;
        const char* Decoded;
    } cases[] = {
        {"Tom &amp; Jerry", "Tom & Jerry"},
        {"&lt;b&gt; &quot;q&quot; &apos;", "<b> \"q\" '"},
        {"&eacute;&Uuml;&nbsp;&euro;&hellip;", "\xC3\xA9\xC3\x9C\xC2\xA0\xE2\x82\xAC\xE2\x80\xA6"},
        {"&#65;&#x42;&#X43;&#128512;", "ABC\xF0\x9F\x98\x80"},
        {"&#150;", "\xE2\x80\x93"}, // a Windows-1252 number
        {"&#0;&#xD800;", "\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"&unknown; &amp &#xZZ; & alone", "&unknown; &amp &#xZZ; & alone"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(htmltext::DecodeEntities(c.Text), c.Decoded) << c.Text;
}

// A line end written as a reference must not reach a title or an address:
// the records they become are saved as lines.
TEST(BookmarkPage, LineEndsAndControlsWrittenAsReferencesAreDropped) {
    TBookmarkPage page = ParseBookmarkPage(
        "<DT><A HREF=\"https://caf&#13;.example&#10;/&#9;x&#1;\">Two&#13;&#10;lines&#7; "
        "&#32; end&#10;</A>\n<DD>Said&#13;so\n");
    auto anchors = page.Anchors();
    ASSERT_EQ(anchors.size(), 1u);
    EXPECT_EQ(anchors[0]->Address, "https://caf.example/x");
    EXPECT_EQ(anchors[0]->Title, "Two lines end");
    EXPECT_EQ(anchors[0]->Description, "Said so");
}

// The fixture holds what browsers write and what they get wrong: a byte-order
// mark, lower-case tags, a commented-out anchor, two anchors on one line, an
// attribute over two lines holding ">", an anchor without an address, one
// without its closing tag, and folders within folders.
TEST(BookmarkPage, ReadsTheFolderTreeOfABrowserExport) {
    TBookmarkPage page = ReadBookmarkPage(DataPath("exchange/bookmarks.html"));
    EXPECT_EQ(page.Title, "Ann's Links");
    V flat;
    for (const TBookmark* b : page.Anchors())
        flat.push_back(std::to_string(b->Line) + " " + b->Title + " = " + b->Address);
    EXPECT_EQ(flat,
              (V{"9 Example & Co = https://www.example.org/",
                 "13 Intranet, home = https://intranet.example.com/?a=1,b=2&c=3",
                 "14 Builds = https://build.example.com/", "14 Wiki = https://wiki.example.com/",
                 "17 Tracker = https://tracker.example.com/",
                 "22 Caf\xC3\xA9 <Lunch> = https://caf\xC3\xA9.example/",
                 "23 Unclosed title = https://unclosed.example/"}));

    const auto& top = page.Root.Children;
    ASSERT_EQ(top.size(), 5u);
    EXPECT_EQ(top[0].Description, "Where it all began");
    EXPECT_TRUE(top[1].IsFolder);
    EXPECT_EQ(top[1].Title, "Work");
    ASSERT_EQ(top[1].Children.size(), 4u);
    EXPECT_EQ(top[1].Children[3].Title, "Projects");
    ASSERT_EQ(top[1].Children[3].Children.size(), 1u);
    EXPECT_EQ(top[1].Children[3].Children[0].Title, "Tracker");
    EXPECT_EQ(top[4].Title, "Empty");
    EXPECT_TRUE(top[4].IsFolder);
    EXPECT_TRUE(top[4].Children.empty());
}

// A folder heading whose list comes later: the anchor between them belongs
// to the outer folder, and the flat list keeps the page's order.
TEST(BookmarkPage, AnchorsComeInPageOrderWhereverTheirFolderIs) {
    TBookmarkPage page = ParseBookmarkPage("<DL><DT><H3>F</H3>\n<DT><A HREF=\"1\">one</A>\n"
                                           "<DL><DT><A HREF=\"2\">two</A></DL>\n"
                                           "<DT><A HREF=\"3\">three</A></DL>");
    V flat;
    for (const TBookmark* b : page.Anchors())
        flat.push_back(b->Title);
    EXPECT_EQ(flat, (V{"one", "two", "three"}));
    ASSERT_EQ(page.Root.Children.size(), 3u);
    EXPECT_EQ(page.Root.Children[0].Children.at(0).Title, "two");
}

TEST(BookmarkPage, PagesInOtherEncodingsBecomeUtf8) {
    struct Case {
        const char* Name;
        std::string Bytes;
        const char* Title;
    } cases[] = {
        {"Windows-1252 without a charset", "<A HREF=\"x\">Caf\xE9 \x93Q\x94</A>",
         "Caf\xC3\xA9 \xE2\x80\x9CQ\xE2\x80\x9D"},
        {"Mac Roman as the page says",
         "<META CONTENT=\"text/html; charset=x-mac-roman\"><A HREF=\"x\">Caf\x8E</A>",
         "Caf\xC3\xA9"},
        {"ISO-8859-7 as the page says", "<meta charset=iso-8859-7><A HREF=\"x\">\xE1</A>",
         "\xCE\xB1"},
        {"UTF-8 whatever the page says", "<META charset=iso-8859-1><A HREF=\"x\">Caf\xC3\xA9</A>",
         "Caf\xC3\xA9"},
    };
    for (const auto& c : cases) {
        TBookmarkPage page = ParseBookmarkPage(c.Bytes);
        auto anchors = page.Anchors();
        ASSERT_EQ(anchors.size(), 1u) << c.Name;
        EXPECT_EQ(anchors[0]->Title, c.Title) << c.Name;
    }
}

TEST(BookmarkPage, AddressBookGivesNamesAndAddresses) {
    TBookmarkPage page = ReadBookmarkPage(DataPath("exchange/address.htm"));
    EXPECT_EQ(page.Title, "Address book");
    V got;
    for (const auto& e : AddressBookEntries(page))
        got.push_back(e.Title + " <" + e.Address + ">");
    EXPECT_EQ(got, (V{"Ann Smith <ann@example.org>", "Bob Jones <bob@example.org>",
                      "Carol <carol@example.org>", "Dave & Eve <dave@example.org>"}));
}

TEST(BookmarkPage, FindsTheFileNamesBrowsersExport) {
    struct Case {
        V Files;
        const char* Bookmarks;
        const char* Address;
    } cases[] = {
        {{"bookmark.htm", "bookmarks.html"}, "bookmark.htm", ""},
        {{"bookmarks.html"}, "bookmarks.html", ""},
        {{"Bookmarks.HTML", "ADDRESS.HTM"}, "Bookmarks.HTML", "ADDRESS.HTM"},
        {{"bookmarks.htm", "addresses.htm"}, "", ""},
        {{}, "", ""},
    };
    for (const auto& c : cases) {
        TTempDir dir;
        for (const auto& f : c.Files)
            WriteText(dir.File(f), "<TITLE>x</TITLE>");
        auto expect = [&](const char* name) { return *name ? dir.File(name) : std::string(); };
        EXPECT_EQ(FindBookmarkFile(dir.Path()), expect(c.Bookmarks)) << c.Bookmarks;
        EXPECT_EQ(FindAddressFile(dir.Path()), expect(c.Address)) << c.Address;
    }
    // A folder named like the file is no file.
    TTempDir dir;
    std::filesystem::create_directory(dir.File("bookmark.htm"));
    EXPECT_EQ(FindBookmarkFile(dir.Path()), "");
}

TEST(BookmarkPage, UnreadableOrBinaryFilesSayWhere) {
    TTempDir dir;
    EXPECT_EQ(GetBMTitle(dir.File("bookmark.htm")), "");
    EXPECT_THROW(ReadBookmarkPage(dir.File("bookmark.htm")), EInOutError);
    const char binary[] = "<TITLE>x</TITLE>\n<A HREF=\"a\">\0\x01</A>";
    WriteText(dir.File("bin.htm"), std::string(binary, sizeof binary - 1));
    try {
        ReadBookmarkPage(dir.File("bin.htm"));
        FAIL() << "a NUL byte read as a page";
    } catch (const EImportError& e) {
        EXPECT_EQ(e.Where(), dir.File("bin.htm") + ":2: Not a text file");
    }
    EXPECT_EQ(GetBMTitle(dir.File("bin.htm")), "");
}

} // namespace
