#include "platform/ColourContrast.h"

#include <gtest/gtest.h>

// The guidelines' figures: black on white 21:1, a colour on itself 1:1, the order of the two
// colours no matter, and mid grey (118) just past 4.5:1 on white.
TEST(ColourContrast, MeasuresAsTheAccessibilityGuidelinesDo)
{
    const ColourRef white = makeColour(255, 255, 255);
    const ColourRef black = makeColour(0, 0, 0);
    EXPECT_DOUBLE_EQ(platform::relativeLuminance(white), 1.0);
    EXPECT_DOUBLE_EQ(platform::relativeLuminance(black), 0.0);
    EXPECT_DOUBLE_EQ(platform::contrastRatio(black, white), 21.0);
    EXPECT_DOUBLE_EQ(platform::contrastRatio(white, black), 21.0);
    EXPECT_DOUBLE_EQ(platform::contrastRatio(makeColour(10, 200, 30), makeColour(10, 200, 30)), 1.0);
    EXPECT_NEAR(platform::contrastRatio(makeColour(118, 118, 118), white), 4.54, 0.01);
    EXPECT_NEAR(platform::contrastRatio(makeColour(0, 185, 255), white), 2.2, 0.05) << "the old cyan";
}
