#include "statistics_texts.h"

#include <gtest/gtest.h>

namespace qor::test {
namespace {

TEST(BufferText, LevelSizeAndTruncatedPercentage) {
    struct Case {
        std::uint16_t level;
        std::uint16_t size;
        const char* text;
    };
    const Case cases[] = {
        {0, 0, "   0 of    0      0%"},
        {7, 0, "   7 of    0      0%"},
        {12, 1024, "  12 of 1024      1%"},
        {1, 3, "   1 of    3      33%"},
        {2, 3, "   2 of    3      66%"},
        // Exact: the floating quotient 0.29 times 100 would truncate to 28.
        {29, 100, "  29 of  100      29%"},
        {57, 100, "  57 of  100      57%"},
        {1024, 1024, "1024 of 1024      100%"},
        {65535, 65535, "65535 of 65535      100%"},
        // A level above its size shows the true figure, not one cut to 16 bits.
        {2000, 1000, "2000 of 1000      200%"},
        {65535, 1, "65535 of    1      6553500%"},
    };
    for (const Case& c : cases) {
        char text[STATISTICS_TEXT_SIZE];
        BufferText(c.level, c.size, text, sizeof text);
        EXPECT_STREQ(text, c.text) << c.level << " of " << c.size;
    }
}

TEST(BufferText, CutToASmallBuffer) {
    char text[8];
    BufferText(12, 1024, text, sizeof text);
    EXPECT_STREQ(text, "  12 of");
}

TEST(FigureText, ValueBlankUnit) {
    char text[STATISTICS_TEXT_SIZE];
    FigureText(30, "ms", text, sizeof text);
    EXPECT_STREQ(text, "30 ms");
    FigureText(65535, "ms", text, sizeof text);
    EXPECT_STREQ(text, "65535 ms");
    FigureText(7, "", text, sizeof text);
    EXPECT_STREQ(text, "7 ");
}

}  // namespace
}  // namespace qor::test
