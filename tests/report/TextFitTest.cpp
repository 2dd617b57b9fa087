#include "report/TextFit.h"

#include "report/FixedFontMetrics.h"

#include <gtest/gtest.h>

namespace {
using V = std::vector<std::string>;

// 10-point text: every character 10 wide, lines 20 high.
const TFixedFontMetrics kMetrics(1, 2);
TReportFont Font() {
    TReportFont f;
    f.Size = 10;
    return f;
}

TEST(TextFit, CutToWidthKeepsWholeCharacters) {
    struct Case {
        const char* Text;
        double Width;
        const char* Expected;
    } cases[] = {
        {"Hello", 50, "Hello"},
        {"Hello", 49.9, "Hell"},
        {"Hello", 5, ""},
        {"", 5, ""},
        {"Gr\xC3\xBC\xC3\x9F"
         "e",
         30, "Gr\xC3\xBC"}, // never half of "ü"
        {"Gr\xC3\xBC\xC3\x9F"
         "e",
         40, "Gr\xC3\xBC\xC3\x9F"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(textfit::CutToWidth(kMetrics, Font(), c.Text, c.Width), c.Expected)
            << c.Text << " in " << c.Width;
}

TEST(TextFit, WrapLineBreaksAtSpacesAndInsideLongWords) {
    struct Case {
        const char* Line;
        double Width;
        V Rows;
    } cases[] = {
        {"one two three", 70, {"one two", "three"}},
        {"one  two   three", 70, {"one two", "three"}},
        {"abcdefghij", 40, {"abcd", "efgh", "ij"}},
        {"ab abcdefghij", 40, {"ab", "abcd", "efgh", "ij"}},
        {"", 40, {""}},
        {"x", 5, {"x"}}, // one character wider than the box still gets a row
    };
    for (const auto& c : cases)
        EXPECT_EQ(textfit::WrapLine(kMetrics, Font(), c.Line, c.Width), c.Rows) << c.Line;
}

TEST(TextFit, FitLinesWrapsOnlyIntoRowsTheOtherLinesLeaveFree) {
    struct Case {
        const char* Text;
        double Width, Height;
        bool Wrap;
        V Rows;
    } cases[] = {
        {"a\nb\nc", 100, 40, false, {"a", "b"}},
        {"a\r\nb", 100, 40, false, {"a", "b"}},
        {"one two three\nx", 70, 60, true, {"one two", "three", "x"}},
        {"one two three\nx", 70, 40, true, {"one two", "x"}},
        {"one two three\nx", 70, 60, false, {"one two", "x"}},
        // One spare row: the second row takes what fits of the rest.
        {"one two three four five", 70, 40, true, {"one two", "three f"}},
        {"Mr. Bartholomew Fitzgerald-Smythe", 100, 20, true, {"Mr. Bartho"}},
        // A box lower than one line still shows its first line, clipped.
        {"abc\ndef", 100, 10, true, {"abc"}},
        {"a\n\nb", 100, 60, false, {"a", "", "b"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(textfit::FitLines(kMetrics, Font(), c.Text, c.Width, c.Height, c.Wrap), c.Rows)
            << c.Text << " in " << c.Width << "x" << c.Height;
}

} // namespace
