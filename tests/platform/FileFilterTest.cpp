#include "platform/FileFilter.h"

#include <gtest/gtest.h>

namespace {

TEST(FileFilter, DescriptionAndPatternPairsBecomeQtFilters) {
    const struct {
        const char* Filter;
        const char* Qt;
    } cases[] = {
        {"", ""},
        {"Text files|*.txt", "Text files (*.txt)"},
        {"Programs|*.exe;*.com|All files|*.*", "Programs (*.exe *.com);;All files (*.*)"},
        {"vCard|*.vcf; *.VCF", "vCard (*.vcf *.VCF)"},
        {"Anything", "Anything (*)"},
        {"Shortcuts|*.url|Lonely", "Shortcuts (*.url);;Lonely (*)"},
        {"Empty patterns|", "Empty patterns (*)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QtFileFilter(c.Filter), c.Qt) << c.Filter;
}

} // namespace
