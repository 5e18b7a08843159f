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

// Limits count characters: a name is never stored with half a character (invalid UTF-8).
TEST(CutText, CutsBetweenCharactersNeverInsideOne)
{
    const std::string e = "\xC3\xA9"; // two bytes
    const std::string clef = "\xF0\x9D\x84\x9E"; // four bytes
    EXPECT_EQ(platform::cutText(std::string(253, 'x') + e + "yz", 254), std::string(253, 'x') + e);
    EXPECT_EQ(platform::cutText(std::string(30, 'x') + e, 31), std::string(30, 'x') + e);
    EXPECT_EQ(platform::cutText(e + clef + e, 2), e + clef);
    EXPECT_EQ(platform::cutText("ab\x80\x80"
                                "cd",
                  3),
        "ab\x80")
        << "a stray continuation byte counts as one";
}
