#include "platform/Text.h"

#include <gtest/gtest.h>

TEST(FormatText, FormatsLikePrintfWithoutLengthLimit)
{
    EXPECT_EQ(platform::formatText("Total Loads: %8d", 42), "Total Loads:       42");
    EXPECT_EQ(platform::formatText("%lf", 0.25), "0.250000");
    const std::string longText(5000, 'x');
    EXPECT_EQ(platform::formatText("%s!", longText.c_str()).size(), 5001u);
    EXPECT_EQ(platform::formatText("%s", ""), "");
}

TEST(CutText, KeepsAtMostTheLimit)
{
    EXPECT_EQ(platform::cutText(std::string(300, 'a'), platform::kMaxTextLength), std::string(256, 'a'));
    EXPECT_EQ(platform::cutText("short", 256), "short");
    EXPECT_EQ(platform::cutText("abc", 0), "");
}
