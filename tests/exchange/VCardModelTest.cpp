// The card model as the plain 2.1 subset reads: property lines, the cards of
// a file, the display name.
#include "CardFiles.h"
#include "platform/Errors.h"

#include <gtest/gtest.h>

namespace {

// One line inside a card, read as the reader reads it.
TCardProperty ReadLine(const std::string& line) {
    TVCardFile f = ReadCards("begin:vcard\r\n" + line + "\r\nend:vcard\r\n");
    EXPECT_EQ(f.CardCount(), 1);
    EXPECT_EQ(f.GetCard(0).PropertyCount(), 1) << line;
    return f.GetCard(0).PropertyCount() ? f.GetCard(0).GetProperty(0) : TCardProperty{};
}

TEST(VCardModel, PropertyLinesReadAsTheSubsetSaysWithTypeListsAndAnyLetterCase) {
    const std::string longValue(5000, 'x');
    struct Case {
        std::string Line;
        std::string Name;
        std::string Description;
        V Values;
        std::string Text;   // GetText
        const char* Lookup; // the name the record import looks for
        bool Found;
    } cases[] = {
        // Letter case: the import finds "tel" as a phone.
        {"tel;home:555 0100", "tel", "Home", {"555 0100"}, "tel;HOME:555 0100", "TEL", true},
        // "N" takes the NOTE line, but is looked up as a whole name.
        {"NOTE:call back", "NOTE", "", {"call back"}, "NOTE:call back", "N", false},
        // TYPE= lists name tokens.
        {"TEL;TYPE=WORK,VOICE:555 0100",
         "TEL",
         "Office,Voice Line",
         {"555 0100"},
         "TEL;WORK;VOICE:555 0100",
         "TEL",
         true},
        {"ADR;HOME:;;12 High St;Leeds;;LS1 4AB;UK",
         "ADR",
         "Home",
         {"", "", "12 High St", "Leeds", "", "LS1 4AB", "UK"},
         "ADR;HOME:;;12 High St;Leeds;;LS1 4AB;UK",
         "ADR",
         true},
        // A comma separates values; the blank after it stays.
        {"ORG:Smith, Jones and Co",
         "ORG",
         "",
         {"Smith", " Jones and Co"},
         "ORG:Smith; Jones and Co",
         "ORG",
         true},
        {"TITLE:Smith; John", "TITLE", "", {"Smith", " John"}, "TITLE:Smith; John", "TITLE", true},
        // Tokens in their fixed order, whatever the order of the line.
        {"TEL;VOICE;PREF;HOME:1",
         "TEL",
         "Home,Preferred,Voice Line",
         {"1"},
         "TEL;HOME;PREF;VOICE:1",
         "TEL",
         true},
        {"TEL;FAX;pref:555 0100",
         "TEL",
         "Preferred,Fax Line",
         {"555 0100"},
         "TEL;PREF;FAX:555 0100",
         "TEL",
         true},
        {"EMAIL;INTERNET;x400:a@b.c",
         "EMAIL",
         "Internet,X.400",
         {"a@b.c"},
         "EMAIL;INTERNET;X400:a@b.c",
         "EMAIL",
         true},
        // Parameters name=value other than TYPE are ignored.
        {"TEL;X-CUSTOM=HOME;CAR:1", "TEL", "Car Phone", {"1"}, "TEL;CAR:1", "TEL", true},
        {"TEL:", "TEL", "", {}, "TEL:", "TEL", true},
        {"FN:a;", "FN", "", {"a", ""}, "FN:a;", "FN", true},
        {"FN:;", "FN", "", {"", ""}, "FN:;", "FN", true},
        // Without ":" the whole line is value text and the name is empty.
        {"TEL 555 0100", "", "", {"TEL 555 0100"}, ":TEL 555 0100", "TEL", false},
        // No cut at 4,095 characters.
        {"NOTE:" + longValue, "NOTE", "", {longValue}, "NOTE:" + longValue, "NOTE", true},
        // Blanks and tabs inside values stay; double quotes are plain characters.
        {"FN:  Jane \t\"JJ\" Public ",
         "FN",
         "",
         {"  Jane \t\"JJ\" Public "},
         "FN:  Jane \t\"JJ\" Public ",
         "FN",
         true},
        // Backslashes are plain characters in 2.1.
        {"NOTE:C:\\temp\\n", "NOTE", "", {"C:\\temp\\n"}, "NOTE:C:\\temp\\n", "NOTE", true},
    };
    for (const Case& c : cases) {
        TCardProperty p = ReadLine(c.Line);
        EXPECT_EQ(p.Name, c.Name) << c.Line;
        EXPECT_EQ(p.ParamDescription(), c.Description) << c.Line;
        EXPECT_EQ(p.Values, c.Values) << c.Line;
        EXPECT_EQ(p.GetText(), c.Text) << c.Line;
        TCard card;
        card.AddProperty(p);
        EXPECT_EQ(card.FindProperty(c.Lookup) != nullptr, c.Found) << c.Line;
    }
}

TEST(VCardModel, PropertyWithoutValuesAnswersAnEmptyValue) {
    TCardProperty p;
    p.Parse("TITLE:");
    EXPECT_TRUE(p.Values.empty());
    EXPECT_EQ(p.Value(0), "");
    p.Parse("N:Public;Jane");
    EXPECT_EQ(p.Value(1), "Jane");
    EXPECT_EQ(p.Value(4), "");
}

TEST(VCardModel, EveryParameterHasItsTokenAndDescription) {
    TCardProperty p;
    std::string line = "X";
    for (int k = 0; k < kCardParamCount; ++k)
        line += std::string(";") + CardParamToken(static_cast<TCardParam>(k));
    p.Parse(line + ":v");
    EXPECT_EQ(p.Params.count(), 29u);
    EXPECT_EQ(p.ParamDescription(),
              "Domestic,International,Postal,Parcel,Home,Office,Preferred,Voice Line,Fax Line,"
              "Message Only,Cellular,Pager,BBS,MODEM,Car Phone,ISDN,Video Phone,AOL,AppleLink,"
              "ATTMail,CIS,eWorld,Internet,IBMMail,MCIMail,Powershare,PRODIGY,TLX,X.400");
    EXPECT_EQ(p.GetText(), line + ":v");
}

TEST(VCardModel, CardsAreTheBlocksBetweenBeginAndEndAndKeepOnlyTheirNamedLines) {
    TVCardFile f = ReadCards("TEL:outside\r\n"
                             "BEGIN:vCard\r\n"
                             "VERSION:2.1\r\n"
                             "FN:One\r\n"
                             "X-CUSTOM:skipped\r\n"
                             "PHOTO:skipped\r\n"
                             "TEL:1\r\n"
                             "BDAY:19800321\r\n"
                             "END:vCard\r\n"
                             "EMAIL:outside@example.com\r\n"
                             "begin:vcard\r\n"
                             "N:Two\r\n");
    ASSERT_EQ(f.CardCount(), 2);
    const TCard& one = f.GetCard(0);
    ASSERT_EQ(one.PropertyCount(), 3);
    EXPECT_EQ(one.GetProperty(0).GetText(), "FN:One");
    EXPECT_EQ(one.GetProperty(1).GetText(), "TEL:1");
    EXPECT_EQ(one.GetProperty(2).GetText(), "BDAY:19800321");
    // The last card lacks its end line and still counts.
    ASSERT_EQ(f.GetCard(1).PropertyCount(), 1);
    EXPECT_EQ(CardDisplayName(f.GetCard(1)), "Two");
}

TEST(VCardModel, FileWithoutBeginLineHasNoCards) {
    EXPECT_EQ(ReadCards("VERSION:3.0\nFN:Frank\nEND:VCARD\n").CardCount(), 0);
    EXPECT_EQ(ReadCards("").CardCount(), 0);
}

TEST(VCardModel, ReadingAgainAppends) {
    TVCardFile f;
    f.ReadText("begin:vcard\r\nFN:A\r\nend:vcard\r\n");
    f.ReadText("begin:vcard\r\nFN:B\r\nend:vcard\r\n");
    ASSERT_EQ(f.CardCount(), 2);
    EXPECT_EQ(f.GetCard(1).GetProperty(0).Value(0), "B");
}

TEST(VCardModel, LineEndsCrLfLfAndLoneCrKeepEveryCharacter) {
    for (const char* eol : {"\r\n", "\n", "\r"}) {
        std::string text;
        for (const char* line : {"BEGIN:VCARD", "FN:Jane", "TEL:555", "END:VCARD"})
            text += std::string(line) + eol;
        TVCardFile f = ReadCards(text);
        ASSERT_EQ(f.CardCount(), 1);
        ASSERT_EQ(f.GetCard(0).PropertyCount(), 2);
        EXPECT_EQ(f.GetCard(0).GetProperty(0).GetText(), "FN:Jane");
        EXPECT_EQ(f.GetCard(0).GetProperty(1).GetText(), "TEL:555");
    }
}

TEST(VCardModel, DisplayNameIsPrefixGivenMiddleFamily) {
    struct Case {
        const char* Line;
        const char* Name;
    } cases[] = {
        {"N:Public;Jane;Q.;Dr.", "Dr. Jane Q. Public"},
        {"N:Public;Jane;Q.;Dr.;Jr.", "Dr. Jane Q. Public"},
        {"N:Public;Jane;Q.", "Jane Q. Public"},
        {"N:Public;Jane", "Jane Public"},
        {"N:Public", "Public"},
        {"N:", ""},
        {"n:public;jane", "jane public"},
        {"NOTE:not a name", "New"},
        {"FN:Jane Public", "New"},
    };
    for (const Case& c : cases) {
        TVCardFile f = ReadCards(std::string("begin:vcard\n") + c.Line + "\nend:vcard\n");
        EXPECT_EQ(CardDisplayName(f.GetCard(0)), c.Name) << c.Line;
    }
}

TEST(VCardModel, CardFindsTakesAndDeletesPropertiesByName) {
    TVCardFile f = ReadCards("begin:vcard\nADR:;;1\nTEL:1\nadr:;;2\nTEL:2\nend:vcard\n");
    TCard card = f.GetCard(0);
    EXPECT_EQ(card.FindProperties("ADR").size(), 2u);
    EXPECT_EQ(card.IndexOfProperty(card.FindProperty("tel")), 1);
    std::optional<TCardProperty> first = card.TakeProperty("ADR");
    ASSERT_TRUE(first);
    EXPECT_EQ(first->Value(2), "1");
    EXPECT_EQ(card.FindProperty("ADR")->Value(2), "2");
    card.DeleteProperty(card.IndexOfProperty(card.FindProperty("ADR")));
    EXPECT_FALSE(card.TakeProperty("ADR"));
    EXPECT_EQ(card.PropertyCount(), 2);
    EXPECT_EQ(card.IndexOfProperty(&f.GetCard(0).GetProperty(0)), -1);
    EXPECT_THROW(card.GetProperty(2), EListError);
    EXPECT_THROW(card.DeleteProperty(-1), EListError);
    EXPECT_THROW(f.GetCard(1), EListError);
}

} // namespace
