#include "platform/Date.h"
#include "platform/Locale.h"
#include "platform/TextCodec.h"

#include <gtest/gtest.h>

namespace {

TEST(TextCodec, ValidUtf8StaysAndOtherBytesReadAsWindows1252) {
    EXPECT_EQ(textcodec::ToDisplayUtf8("M\xC3\xBCller"), "M\xC3\xBCller");
    EXPECT_EQ(textcodec::ToDisplayUtf8("M\xFCller"), "M\xC3\xBCller");
    EXPECT_EQ(textcodec::ToDisplayUtf8("\x80 \x93x\x94"), "\xE2\x82\xAC \xE2\x80\x9Cx\xE2\x80\x9D");
    // Overlong forms and surrogates are not UTF-8.
    EXPECT_FALSE(textcodec::IsValidUtf8("\xC0\xAF"));
    EXPECT_FALSE(textcodec::IsValidUtf8("\xED\xA0\x80"));
    EXPECT_TRUE(textcodec::IsValidUtf8("\xF0\x9F\x98\x80"));
}

TEST(TextCodec, CutsCountLettersOfUtf8AndBytesOfWindows1252) {
    struct Case {
        std::string Text;
        size_t Max;
        std::string Cut;
    } cases[] = {
        // "Müller" with the cut right behind, and right after, the two-byte ü.
        {"M\xC3\xBCller", 1, "M"},
        {"M\xC3\xBCller", 2, "M\xC3\xBC"},
        {"M\xC3\xBCller", 6, "M\xC3\xBCller"},
        {"M\xC3\xBCller", 7, "M\xC3\xBCller"},
        // The same name from an old file: one byte a letter.
        {"M\xFCller", 2, "M\xFC"},
        {"M\xFCller", 3, "M\xFCl"},
        // Three- and four-byte characters stay whole.
        {"\xE2\x82\xAC\xE2\x82\xAC", 1, "\xE2\x82\xAC"},
        {"a\xF0\x9F\x98\200b", 2, "a\xF0\x9F\x98\x80"},
        {"abc", 0, ""},
        {"", 5, ""},
    };
    for (const Case& c : cases) {
        const std::string cut = textcodec::CutText(c.Text, c.Max);
        EXPECT_EQ(cut, c.Cut) << c.Text << " at " << c.Max;
        // A cut UTF-8 text stays UTF-8, so it is not shown as Windows-1252.
        if (textcodec::IsValidUtf8(c.Text)) {
            EXPECT_TRUE(textcodec::IsValidUtf8(cut)) << c.Text;
        }
    }
}

TEST(Date, SerialsAndWeekdays) {
    EXPECT_EQ((TDate{1899, 12, 30}.ToSerial()), 0);
    EXPECT_EQ((TDate{1998, 3, 14}.DayOfWeek()), 7); // a Saturday
    EXPECT_EQ((TDate{1998, 3, 10}.DayOfWeek()), 3); // a Tuesday
    TDate d{2000, 2, 28};
    EXPECT_EQ(d.AddDays(1), (TDate{2000, 2, 29}));
    EXPECT_EQ(d.AddDays(2), (TDate{2000, 3, 1}));
    EXPECT_EQ(TDate::FromSerial(TDate{1, 1, 1}.ToSerial()), (TDate{1, 1, 1}));
    EXPECT_FALSE(TDate::IsValid(1900, 2, 29));
    EXPECT_TRUE(TDate::IsValid(2000, 2, 29));
}

TEST(Locale, FormatsDatesWithNames) {
    TEnglishLocale loc;
    TDate d{1998, 3, 14};
    EXPECT_EQ(loc.ShortDate(d), "14/3/98");
    EXPECT_EQ(loc.LongDate(d), "Saturday, 14 March 1998");
    EXPECT_EQ(loc.FormatDate("dd/MM/yyyy ddd MMM", TDate{2005, 1, 2}), "02/01/2005 Sun Jan");
    EXPECT_EQ(loc.LowerCase("Head SALES"), "head sales");
}

} // namespace
