#include "records/EditMask.h"

#include "records/PhoneFormats.h"

#include <gtest/gtest.h>

namespace {
const std::string kUsa = "!\\(999\\)000-0000;0;_";
}

TEST(EditMask, TypedCharactersFillTheInputPositionsFromTheLeft) {
    struct Case {
        int Format;
        std::string Typed, Shown;
    } cases[] = {
        {0, "5551234567", "(555)123-4567"},
        {0, "555 123 4567", "(555)123-4567"},  // blanks are refused, not stored
        {0, "(555)123-4567", "(555)123-4567"}, // typed literals step over theirs
        {0, "555", "(555)___-____"},
        {0, "55512345678999", "(555)123-4567"}, // the rest does not fit
        {2, "12345678", "+45 12 34 56 78"},
        {3, "12345678", "16-12-34-56-78"},
        {4, "1234567890", "(123 45) 67890"},
        {6, "12345678901", "01234-5678901"},
        {7, "12345678", "12 34 56 78"},
        {10, "123456789", "01234 56789__"},
        {1, "+44 (0)20 7946 0000 ext. 12", "+44 (0)20 7946 0000 ext. 12"},
    };
    for (const Case& c : cases) {
        TEditMask m(PhoneFormatMask(c.Format));
        EXPECT_EQ(m.Apply(c.Typed), c.Shown) << PhoneFormatMasks[c.Format].Name << " " << c.Typed;
    }
}

TEST(EditMask, EveryFormatShowsItsLiteralsAndCountsNoEnteredCharacterWhenEmpty) {
    const char* empties[] = {"(___)___-____",   "",
                             "+45 __ __ __ __", "16-__-__-__-__",
                             "(___ __) _____",  "(____) ____ ____",
                             "0____-_______",   "__ __ __ __",
                             "(___)_______",    "__ __ __ __",
                             "0____ _______"};
    for (int i = 0; i < kPhoneFormatCount; ++i) {
        TEditMask m(PhoneFormatMask(i));
        EXPECT_EQ(m.EmptyText(), empties[i]) << PhoneFormatMasks[i].Name;
        EXPECT_EQ(m.Length(), static_cast<int>(std::string(empties[i]).size()));
        // The literal digits of Denmark, France, Netherlands, UK are no input.
        EXPECT_FALSE(m.HasEnteredCharacter(m.EmptyText())) << PhoneFormatMasks[i].Name;
        EXPECT_TRUE(m.HasEnteredCharacter(m.Apply("5"))) << PhoneFormatMasks[i].Name;
    }
    EXPECT_EQ(PhoneFormatMask(7), PhoneFormatMask(9));
    EXPECT_EQ(PhoneFormatMask(-1), "");
    EXPECT_EQ(PhoneFormatMask(11), "");
}

TEST(EditMask, FormatValuePlacesUnfilledOptionalPositionsByTheLeadingBlankFlag) {
    // USA has "!": missing optional digits are the leading ones.
    EXPECT_EQ(TEditMask(kUsa).FormatValue("5551234"), "(___)555-1234");
    // Sweden has none: they are the trailing ones.
    EXPECT_EQ(TEditMask(PhoneFormatMask(9)).FormatValue("1234567"), "12 34 56 7_");
    EXPECT_EQ(TEditMask(kUsa).FormatValue(""), "(___)___-____");
}

TEST(EditMask, FitKeepsADisplayedTextAndFormatsARawValue) {
    TEditMask m(kUsa);
    EXPECT_EQ(m.Fit("(555)123-4567"), "(555)123-4567");
    EXPECT_EQ(m.Fit("(555)___-45__"), "(555)___-45__");
    EXPECT_EQ(m.Fit("5551234567"), "(555)123-4567");
    EXPECT_EQ(m.Fit("555-123-4567"), "(555)123-4567");
    EXPECT_EQ(m.Value("(555)123-4567"), "5551234567");
    EXPECT_FALSE(m.IsComplete("(555)123-45__"));
    EXPECT_TRUE(m.IsComplete("(___)123-4567")); // the area code is optional

    TEditMask freeText;
    EXPECT_FALSE(freeText.HasEnteredCharacter(""));
    EXPECT_TRUE(freeText.HasEnteredCharacter("(___)___-____"));
}

TEST(EditMask, EditingAtTheCursorSkipsLiteralsAndClearsPositions) {
    TEditMask m(kUsa);
    std::string t = m.EmptyText();
    int cursor = 0;
    for (char c : std::string("555123"))
        ASSERT_TRUE(m.TypeChar(t, cursor, c));
    EXPECT_EQ(t, "(555)123-____");
    EXPECT_EQ(cursor, 9); // past the "-"
    EXPECT_FALSE(m.TypeChar(t, cursor, 'x'));
    EXPECT_EQ(t, "(555)123-____");

    m.Backspace(t, cursor); // clears the 3 before the "-"
    EXPECT_EQ(t, "(555)12_-____");
    EXPECT_EQ(cursor, 7);
    m.Delete(t, 4); // at the ")": the next input position goes
    EXPECT_EQ(t, "(555)_2_-____");
    m.ClearRange(t, 0, 4);
    EXPECT_EQ(t, "(___)_2_-____");
    EXPECT_TRUE(m.HasEnteredCharacter(t));

    int end = m.Length();
    ASSERT_TRUE(m.TypeChar(t, cursor, '9'));
    EXPECT_EQ(t, "(___)_29-____");
    t = m.Apply("5551234567");
    EXPECT_FALSE(m.TypeChar(t, end, '1')); // no position left
}

TEST(EditMask, ChangingTheMaskKeepsTheEnteredDigits) {
    TEditMask usa(kUsa), free, sweden(PhoneFormatMask(9));
    EXPECT_EQ(free.Refit(usa, "(555)123-4567"), "5551234567");
    EXPECT_EQ(free.Refit(usa, usa.EmptyText()), "");
    EXPECT_EQ(usa.Refit(free, "555-0100"), "(___)555-0100");
    EXPECT_EQ(sweden.Refit(usa, "(555)123-4567"), "55 51 23 45");
    EXPECT_EQ(usa.Refit(free, ""), "(___)___-____");
}

TEST(EditMask, TypedTextThatDoesNotFitIsRefusedWhole) {
    struct Case {
        int Format;
        std::string Before; // typed first; Text goes in at the cursor after it
        std::string Text;
        bool Fits;
        std::string Shown; // after Text: the masked field, or the free text
    } cases[] = {
        {0, "", "(555) 123-4567", true, "(555)123-4567"},
        {0, "", "555.123.4567", true, "(555)123-4567"},
        {0, "", "(555)123-4567", true, "(555)123-4567"},
        {2, "", "+45 12 34 56 78", true, "+45 12 34 56 78"}, // the display as it is
        {0, "555", "1234567", true, "(555)123-4567"},
        // A "+", a letter or a digit too many: nothing is cut.
        {4, "", "+49 30 1234567", false, "+49 30 1234567"},
        {0, "", "+1 555 123 4567", false, "+1 555 123 4567"},
        {0, "", "55512345678", false, "55512345678"},
        {0, "5551234567", "8", false, "55512345678"},
        {0, "555", "x", false, "555x"},
        {3, "", "06 12 34 56 78", false, "06 12 34 56 78"},
        {1, "030", " 1234567", true, "030 1234567"},
    };
    for (const Case& c : cases) {
        TEditMask m(PhoneFormatMask(c.Format));
        std::string text = m.EmptyText();
        int cursor = 0;
        ASSERT_TRUE(m.TypeText(text, cursor, c.Before)) << c.Before;
        const std::string before = text;
        const int cursorBefore = cursor;
        const bool fits = m.TypeText(text, cursor, c.Text);
        EXPECT_EQ(fits, c.Fits) << PhoneFormatMasks[c.Format].Name << " " << c.Text;
        if (fits) {
            EXPECT_EQ(text, c.Shown) << c.Text;
            continue;
        }
        EXPECT_EQ(text, before) << "a refused text changes nothing: " << c.Text;
        EXPECT_EQ(cursor, cursorBefore);
        std::string free = m.Unfitted(text, cursor, c.Text);
        EXPECT_EQ(free, c.Shown) << c.Text;
        EXPECT_EQ(cursor, static_cast<int>(c.Shown.size())) << c.Text;
    }
}

TEST(EditMask, UnfittedTextGoesWhereTheCursorStood) {
    TEditMask usa(kUsa);
    std::string t = usa.Apply("5551234");
    int cursor = 5; // between "(555)" and "123"
    EXPECT_EQ(usa.Unfitted(t, cursor, "+1 "), "555+1 1234");
    EXPECT_EQ(cursor, 6);
}

TEST(PhoneFormats, EachCountryStartsOnItsOwnEntryAndOthersOnFreeFormat) {
    const std::pair<const char*, const char*> cases[] = {{"US", "USA"},
                                                         {"CA", "USA"},
                                                         {"DK", "Denmark"},
                                                         {"FR", "France"},
                                                         {"DE", "Germany"},
                                                         {"IT", "Italy"},
                                                         {"NL", "Netherlands"},
                                                         {"NO", "Norway"},
                                                         {"ES", "Spain"},
                                                         {"SE", "Sweden"},
                                                         {"GB", "United Kingdom"},
                                                         {"PL", "Free Format"},
                                                         {"AT", "Free Format"},
                                                         {"", "Free Format"},
                                                         {"U", "Free Format"},
                                                         {"USA", "Free Format"}};
    for (const auto& [country, entry] : cases)
        EXPECT_STREQ(PhoneFormatMasks[PhoneFormatForCountry(country)].Name, entry) << country;
}

TEST(PhoneFormats, ChoosingAFormatKeepsTheNumberOrFallsBackToFreeFormat) {
    struct Case {
        int From;
        std::string Number; // as the field shows it under From
        int Chosen;
        int Format; // the list afterwards
        std::string Shown;
    } cases[] = {
        {kFreeFormat, "5551234567", 0, 0, "(555)123-4567"},
        {kFreeFormat, "030 1234567", 4, 4, "(030 12) 34567"},
        {0, "(555)123-4567", 4, 4, "(555 12) 34567"},
        {0, "(555)123-4567", kFreeFormat, kFreeFormat, "5551234567"},
        // What the chosen format cannot hold stays, under "Free Format".
        {kFreeFormat, "+49 30 1234567", 4, kFreeFormat, "+49 30 1234567"},
        {kFreeFormat, "0221 12345 ext. 7", 4, kFreeFormat, "0221 12345 ext. 7"},
        {0, "(555)123-4567", 2, kFreeFormat, "5551234567"}, // Denmark has 8 positions
        {kFreeFormat, "", 3, 3, "16-__-__-__-__"},
    };
    for (const Case& c : cases) {
        int format = c.Chosen;
        std::string mask = PhoneFormatMask(c.From);
        std::string number = c.Number;
        ChooseFormat(format, mask, number);
        EXPECT_EQ(format, c.Format) << c.Number << " as " << PhoneFormatMasks[c.Chosen].Name;
        EXPECT_EQ(mask, PhoneFormatMask(c.Format)) << c.Number;
        EXPECT_EQ(number, c.Shown) << c.Number << " as " << PhoneFormatMasks[c.Chosen].Name;
    }
}
