// What the reader takes from vCard files as other programs write them:
// folding, QUOTED-PRINTABLE, character sets, TYPE lists, groups, URIs,
// escapes, UTF-16, and what may not change the plain subset.
#include "CardFiles.h"

#include <gtest/gtest.h>

namespace {

const TCardProperty& Nth(const TCard& card, const char* name, size_t n = 0) {
    auto all = card.FindProperties(name);
    static const TCardProperty kNone;
    EXPECT_LT(n, all.size()) << name;
    return n < all.size() ? *all[n] : kNone;
}

TEST(VCardRealWorld, ExtensionsOfOneCardTable) {
    struct Case {
        const char* What;
        std::string Card; // lines between begin and end
        std::string Name;
        std::string Description;
        V Values;
    } cases[] = {
        {"folded with a blank",
         "VERSION:3.0\nNOTE:Head of \n Sales",
         "NOTE",
         "",
         {"Head of Sales"}},
        {"folded with a tab, in the parameters",
         "TEL;TYPE=VOICE,M\n\tSG,WORK:1",
         "TEL",
         "Office,Voice Line,Message Only",
         {"1"}},
        {"folded over empty lines (CR CR LF)", "TEL:555\r\r\n 0100", "TEL", "", {"5550100"}},
        {"quoted-printable with soft breaks",
         "NOTE;ENCODING=QUOTED-PRINTABLE:a=3Db=0D=0A=\nc=\n",
         "NOTE",
         "",
         {"a=b\r\nc"}},
        {"quoted-printable as bare token, lower case",
         "FN;quoted-printable:J=C3=BCrgen",
         "FN",
         "",
         {"J\xC3\xBCrgen"}},
        {"soft break before an empty line",
         "N;ENCODING=QUOTED-PRINTABLE:A;B=\n\nTEL:1",
         "N",
         "",
         {"A", "B"}},
        {"equals sign without quoted-printable",
         "NOTE:ends with=\nTEL:1",
         "NOTE",
         "",
         {"ends with="}},
        {"Windows-1252 to UTF-8",
         "ORG;CHARSET=windows-1252:Caf\xE9 \x80",
         "ORG",
         "",
         {"Caf\xC3\xA9 \xE2\x82\xAC"}},
        {"ISO-8859-1 to UTF-8", "ORG;CHARSET=\"ISO-8859-1\":Caf\xE9", "ORG", "", {"Caf\xC3\xA9"}},
        {"UTF-8 stays", "ORG;CHARSET=UTF-8:Caf\xC3\xA9", "ORG", "", {"Caf\xC3\xA9"}},
        {"TYPE repeated, lower case",
         "TEL;type=work;TYPE=voice:1",
         "TEL",
         "Office,Voice Line",
         {"1"}},
        {"TYPE quoted list", "TEL;TYPE=\"cell,pref\":1", "TEL", "Preferred,Cellular", {"1"}},
        {"PREF=1", "TEL;PREF=1;TYPE=home:1", "TEL", "Home,Preferred", {"1"}},
        {"PREF=2 is not the preferred one", "TEL;PREF=2:1", "TEL", "", {"1"}},
        {"group prefix", "item1.EMAIL;TYPE=INTERNET:a@b.c", "EMAIL", "Internet", {"a@b.c"}},
        {"tel URI", "VERSION:4.0\nTEL;VALUE=uri:tel:+1-555-0100", "TEL", "", {"+1-555-0100"}},
        {"mailto URI", "EMAIL:MAILTO:a@b.c", "EMAIL", "", {"a@b.c"}},
        {"URL keeps its scheme", "URL:mailto:a@b.c", "URL", "", {"mailto:a@b.c"}},
        {"3.0 escapes",
         "VERSION:3.0\nNOTE:a\\, b\\; c\\nd\\Ne\\\\f\\:g\\x",
         "NOTE",
         "",
         {"a, b; c\nd\ne\\f:g\\x"}},
        {"3.0 escaped separators do not split",
         "VERSION:3.0\nADR:;;1\\;2;Leeds",
         "ADR",
         "",
         {"", "", "1;2", "Leeds"}},
        {"4.0 escaped backslash before a separator",
         "VERSION:4.0\nORG:a\\\\;b",
         "ORG",
         "",
         {"a\\", "b"}},
        {"2.1 keeps backslashes", "VERSION:2.1\nNOTE:a\\,b", "NOTE", "", {"a\\", "b"}},
        {"VERSION after the properties", "NOTE:a\\,b\nVERSION:3.0", "NOTE", "", {"a,b"}},
        {"colon inside a quoted parameter",
         "ADR;LABEL=\"x: y\";TYPE=work:;;1",
         "ADR",
         "Office",
         {"", "", "1"}},
    };
    for (const Case& c : cases) {
        TVCardFile f = ReadCards("BEGIN:VCARD\n" + c.Card + "\nEND:VCARD\n");
        ASSERT_EQ(f.CardCount(), 1) << c.What;
        const TCardProperty* p = f.GetCard(0).FindProperty(c.Name);
        ASSERT_NE(p, nullptr) << c.What;
        EXPECT_EQ(p->Name, c.Name) << c.What;
        EXPECT_EQ(p->ParamDescription(), c.Description) << c.What;
        EXPECT_EQ(p->Values, c.Values) << c.What;
    }
}

TEST(VCardRealWorld, BeginInsideACardStartsTheNextCard) {
    TVCardFile f = ReadCards("BEGIN:VCARD\nFN:Cut short\nTEL:1\n"
                             "BEGIN:VCARD\nFN:Whole\nTEL:2\nEND:VCARD\n");
    ASSERT_EQ(f.CardCount(), 2);
    EXPECT_EQ(f.GetCard(0).FindProperties("TEL").size(), 1u);
    EXPECT_EQ(f.GetCard(1).FindProperty("FN")->Value(0), "Whole");
}

TEST(VCardRealWorld, ByteOrderMarksAndUtf16AreReadAsUtf8) {
    const std::string card = "BEGIN:VCARD\r\nFN:\xC5\x81"
                             "ukasz\r\nEND:VCARD\r\n";
    std::string le = "\xFF\xFE", be = "\xFE\xFF", plainLe, plainBe;
    // U+0141 and ASCII, as UTF-16 code units.
    for (char c : std::string("BEGIN:VCARD\r\nFN:\x01ukasz\r\nEND:VCARD\r\n")) {
        char hi = c == '\x01' ? '\x01' : '\0', lo = c == '\x01' ? '\x41' : c;
        plainLe += {lo, hi};
        plainBe += {hi, lo};
    }
    le += plainLe;
    be += plainBe;
    for (const std::string& text : {"\xEF\xBB\xBF" + card, le, be, plainLe, plainBe}) {
        TVCardFile f = ReadCards(text);
        ASSERT_EQ(f.CardCount(), 1);
        EXPECT_EQ(f.GetCard(0).FindProperty("FN")->Value(0), "\xC5\x81ukasz");
    }
}

TEST(VCardRealWorld, CharsetIsIgnoredInUtf16Files) {
    std::string utf16;
    for (char c : std::string("BEGIN:VCARD\nORG;CHARSET=ISO-8859-1:Caf\xE9\nEND:VCARD\n")) {
        utf16 += c;
        utf16 += '\0';
    }
    // 0xE9 as a UTF-16 unit is U+00E9; it must not be converted a second time.
    TVCardFile f = ReadCards("\xFF\xFE" + utf16);
    EXPECT_EQ(f.GetCard(0).FindProperty("ORG")->Value(0), "Caf\xC3\xA9");
}

TEST(VCardRealWorld, Version21QuotedPrintableFixture) {
    TVCardFile f = ReadFixture("v21_quoted_printable.vcf");
    ASSERT_EQ(f.CardCount(), 2);
    const TCard& a = f.GetCard(0);
    EXPECT_EQ(CardDisplayName(a), "Dr. J\xC3\xBCrgen  M\xC3\xBCller");
    EXPECT_EQ(Nth(a, "FN").Value(0), "Dr. J\xC3\xBCrgen M\xC3\xBCller");
    EXPECT_EQ(Nth(a, "ADR").Values,
              (V{"", "", "M\xC3\xBCnsterplatz 21", "Ulm", "", "89073", "Germany"}));
    EXPECT_EQ(Nth(a, "ADR").ParamDescription(), "Home");
    EXPECT_EQ(Nth(a, "TEL", 1).ParamDescription(), "Preferred,Cellular");
    EXPECT_EQ(Nth(a, "NOTE").Value(0), "first line\r\nsecond line");
    EXPECT_EQ(Nth(a, "EMAIL").ParamDescription(), "Preferred,Internet");
    EXPECT_EQ(Nth(a, "BDAY").Value(0), "19781229");
    EXPECT_EQ(a.PropertyCount(), 8);
    const TCard& b = f.GetCard(1);
    EXPECT_EQ(CardDisplayName(b), "Piotr Iksi\xC3\xB1ski");
    EXPECT_EQ(Nth(b, "NOTE").Value(0), "ends in an equals sign=");
    EXPECT_EQ(Nth(b, "TEL", 1).ParamDescription(), "Fax Line");
}

TEST(VCardRealWorld, Version30FoldedFixture) {
    TVCardFile f = ReadFixture("v30_folded.vcf");
    ASSERT_EQ(f.CardCount(), 1);
    const TCard& c = f.GetCard(0);
    EXPECT_EQ(Nth(c, "N").Values, (V{"Doe", "John", "Richter, James", "Mr.", ""}));
    EXPECT_EQ(Nth(c, "ORG").Values, (V{"Example, Inc.", "Sales"}));
    EXPECT_EQ(Nth(c, "TITLE").Value(0), "Head of Sales");
    EXPECT_EQ(Nth(c, "TEL").ParamDescription(), "Office,Voice Line");
    EXPECT_EQ(Nth(c, "TEL", 1).ParamDescription(), "Preferred,Cellular");
    EXPECT_EQ(Nth(c, "TEL", 1).Value(0), "+1 555 0199");
    EXPECT_EQ(Nth(c, "EMAIL").Value(0), "john.doe@example.com");
    EXPECT_EQ(Nth(c, "EMAIL").ParamDescription(), "Internet");
    EXPECT_EQ(Nth(c, "ADR").Value(2), "12 High St\nFlat 2");
    EXPECT_EQ(Nth(c, "NOTE").Value(0), "one, two; three\\four");
    EXPECT_EQ(Nth(c, "URL").Value(0), "http://example.com/john");
    EXPECT_EQ(c.PropertyCount(), 10);
}

TEST(VCardRealWorld, Version40UriFixture) {
    TVCardFile f = ReadFixture("v40_uris.vcf");
    ASSERT_EQ(f.CardCount(), 1);
    const TCard& c = f.GetCard(0);
    EXPECT_EQ(Nth(c, "TEL").Value(0), "+44-113-496-0000");
    EXPECT_EQ(Nth(c, "TEL").ParamDescription(), "Home,Voice Line");
    EXPECT_EQ(Nth(c, "TEL", 1).Values, (V{"+44-7700-900123", "ext=12"}));
    EXPECT_EQ(Nth(c, "TEL", 1).ParamDescription(), "Preferred,Cellular");
    EXPECT_EQ(Nth(c, "EMAIL").Value(0), "jane@example.org");
    EXPECT_EQ(Nth(c, "EMAIL").ParamDescription(), "Office");
    EXPECT_EQ(Nth(c, "ADR").Values, (V{"", "", "1 Park Row", "Leeds", "", "LS1 5AB", "UK"}));
}

TEST(VCardRealWorld, Windows1252FixtureConvertsMarkedValuesOnly) {
    TVCardFile f = ReadFixture("windows1252.vcf");
    const TCard& c = f.GetCard(0);
    EXPECT_EQ(Nth(c, "N").Values, (V{"M\xC3\xBCller", "J\xC3\xBCrgen"}));
    EXPECT_EQ(Nth(c, "ORG").Value(0), "Caf\xC3\xA9 \xE2\x82\xAC Co");
    // Unmarked bytes are stored as they are; the screen shows them as Windows-1252.
    EXPECT_EQ(Nth(c, "TITLE").Value(0), "Gesch\xE4"
                                        "ftsf\xFChrer");
}

TEST(VCardRealWorld, Utf16FixturesWithAndWithoutByteOrderMark) {
    for (const char* name : {"utf16le_bom.vcf", "utf16be.vcf"}) {
        TVCardFile f = ReadFixture(name);
        ASSERT_EQ(f.CardCount(), 1) << name;
        const TCard& c = f.GetCard(0);
        EXPECT_EQ(Nth(c, "N").Values, (V{"\xC4\xBD"
                                         "ubo\xC5\xA1",
                                         "\xC7\xBCgel", "", "", ""}))
            << name;
        EXPECT_EQ(Nth(c, "FN").Value(0), "\xC4\xBD"
                                         "ubo\xC5\xA1 \xC7\xBCgel \xF0\x9F\x98\x80")
            << name;
        EXPECT_EQ(Nth(c, "TEL").ParamDescription(), "Home") << name;
        EXPECT_EQ(Nth(c, "EMAIL").Value(0), "lubos@example.sk") << name;
    }
}

} // namespace
