// The one conversion of engine text to screen text: UTF-8, else Latin-1 byte by byte, where
// Windows used its ANSI code page, so that UTF-8 and older single-byte texts both show as written.
#include "platform/DisplayText.h"

#include <gtest/gtest.h>

TEST(DisplayText, DecodesUtf8AndTakesOtherBytesAsLatin1)
{
    EXPECT_EQ(platform::displayText("\xC3\xA9"), QString(QChar(0xE9)));
    EXPECT_EQ(platform::displayText("\xE9"), QString(QChar(0xE9)));
    EXPECT_EQ(platform::displayText("Mond \xE9t\xC3\xA9"), QStringLiteral("Mond \u00E9t\u00E9"));
    EXPECT_EQ(platform::displayText("\xF0\x9F\x98\x80"), QString::fromUcs4(U"\U0001F600", 1));
    // Overlong forms, surrogates and cut sequences are not UTF-8: each byte stands alone.
    EXPECT_EQ(platform::displayText("\xC0\xAF"), QStringLiteral("\u00C0\u00AF"));
    EXPECT_EQ(platform::displayText("\xED\xA0\x80"), QStringLiteral("\u00ED\u00A0\u0080"));
    EXPECT_EQ(platform::displayText("\xE2\x82"), QStringLiteral("\u00E2\u0082"));
    EXPECT_EQ(platform::displayText(""), QString());
}

TEST(DisplayText, TextReadBackKeepsItsBytesUntilChanged)
{
    EXPECT_EQ(platform::storedText(platform::displayText("\xE9t\xE9"), "\xE9t\xE9"), "\xE9t\xE9");
    EXPECT_EQ(platform::storedText(platform::displayText("\xC3\xA9"), "\xC3\xA9"), "\xC3\xA9");
    EXPECT_EQ(platform::storedText(QStringLiteral("\u00E9t\u00E9!"), "\xE9t\xE9"), "\xC3\xA9t\xC3\xA9!");
}
