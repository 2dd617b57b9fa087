#include "exchange/CommaText.h"

#include <gtest/gtest.h>

namespace {
using commatext::CommaText;
using commatext::SplitCommaText;
using V = std::vector<std::string>;

TEST(CommaText, Splits) {
    struct Case {
        const char* Text;
        V Items;
    } cases[] = {
        {"", {}},
        {"   ", {}},
        {"a,b", {"a", "b"}},
        {"a b", {"a", "b"}},
        {"a,,b", {"a", "", "b"}},
        {"a,", {"a", ""}},
        {",b", {"", "b"}},
        {"\"My Tool\",/usr/bin/x,,0", {"My Tool", "/usr/bin/x", "", "0"}},
        {"\"say \"\"hi\"\"\", x", {"say \"hi\"", "x"}},
        {"\"unclosed, still", {"unclosed, still"}},
        {"Mary Ann Smith", {"Mary", "Ann", "Smith"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitCommaText(c.Text), c.Items) << c.Text;
}

TEST(CommaText, JoinRoundTripsThroughSplit) {
    for (const V& items : {V{"My, Tool", "/usr/bin/x", "", "0"}, V{"a\"b", "c d"}, V{""},
                           V{"x", ""}, V{"tab\there"}})
        EXPECT_EQ(SplitCommaText(CommaText(items)), items) << CommaText(items);
    EXPECT_EQ(CommaText({"a", "b c", "d,e"}), "a,\"b c\",\"d,e\"");
}

TEST(CommaText, QuoteFieldsKeepsBlanksInsidePieces) {
    std::string text = ",,12 High St,Leeds";
    commatext::QuoteFields(text);
    EXPECT_EQ(text, "\"\",\"\",\"12 High St\",\"Leeds\"");
    EXPECT_EQ(SplitCommaText(text), (V{"", "", "12 High St", "Leeds"}));
    std::string quoted = "\"a,b\",c d";
    commatext::QuoteFields(quoted);
    EXPECT_EQ(SplitCommaText(quoted), (V{"a,b", "c d"}));
}

} // namespace
