#include "platform/Message.h"

#include <gtest/gtest.h>

using platform::MessageIcon;
using platform::ShownMessage;

TEST(BatchMessageLine, NamesTheCaptionAndEscapesLineBreaks)
{
    const ShownMessage message { "first\r\nsecond\nthird", "Layout Error", MessageIcon::Error };
    EXPECT_EQ(platform::batchMessageLine(message), "MessageBox[Layout Error]: first\\r\\nsecond\\nthird");
}

TEST(BatchMessageLine, KeepsOtherCharactersAsTheyAre)
{
    const ShownMessage message { "Invalid Window Type (observerwindow)  \"x\"\t", "", MessageIcon::Error };
    EXPECT_EQ(platform::batchMessageLine(message), "MessageBox[]: Invalid Window Type (observerwindow)  \"x\"\t");
}

TEST(MessageRecorder, RecordsInOrderAndRestoresThePreviousSink)
{
    platform::MessageRecorder outer;
    {
        platform::MessageRecorder inner;
        platform::showMessage("one", "Caption A");
        platform::showMessage("two", "Caption B", MessageIcon::Warning);
        ASSERT_EQ(inner.count(), 2u);
        EXPECT_EQ(inner.messages()[0].text, "one");
        EXPECT_EQ(inner.messages()[0].caption, "Caption A");
        EXPECT_EQ(inner.messages()[0].icon, MessageIcon::Error);
        EXPECT_EQ(inner.last().text, "two");
        EXPECT_EQ(inner.last().icon, MessageIcon::Warning);
        inner.clear();
        EXPECT_EQ(inner.count(), 0u);
    }
    platform::showMessage("three", "Caption C");
    ASSERT_EQ(outer.count(), 1u);
    EXPECT_EQ(outer.last().text, "three");
}
