#include "support/PdfText.h"

#include <gtest/gtest.h>

namespace {

TEST(PdfText, ParsesPagesAndWordsInHundredthsOfAnInch) {
    const std::string xhtml = R"(<!DOCTYPE html>
<html xmlns="http://www.w3.org/1999/xhtml">
<head><title>Labels</title></head>
<body>
<doc>
  <page width="612.000000" height="792.000000">
    <word xMin="36.000000" yMin="72.000000" xMax="72.000000" yMax="81.000000">Smith &amp; Sons</word>
    <word xMin="0.000000" yMin="0.000000" xMax="7.200000" yMax="7.200000">&lt;b&gt;</word>
  </page>
  <page width="595.276000" height="841.890000">
  </page>
</doc>
</body>
</html>)";
    auto pages = pdftext::ParseBbox(xhtml);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_DOUBLE_EQ(pages[0].Width, 850);
    EXPECT_DOUBLE_EQ(pages[0].Height, 1100);
    EXPECT_NEAR(pages[1].Width, 826.77, 0.01);
    ASSERT_EQ(pages[0].Words.size(), 2u);
    EXPECT_EQ(pages[0].Words[0].Text, "Smith & Sons");
    EXPECT_EQ(pages[0].Words[0].Box, (TBox{50, 100, 50, 12.5}));
    EXPECT_EQ(pages[0].Find("<b>").size(), 1u);
    EXPECT_EQ(pages[0].Text(), "Smith & Sons <b>");
    EXPECT_TRUE(pages[1].Words.empty());
}

} // namespace
