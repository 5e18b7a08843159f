#include "drawing/BackgroundSpec.h"

#include "platform/Message.h"

#include <gtest/gtest.h>

namespace {

class BackgroundSpecTest : public testing::Test {
protected:
    platform::MessageRecorder recorder;
    BackgroundSpec spec;

    void expectOneMessage(const std::string& text, const std::string& caption)
    {
        ASSERT_EQ(recorder.count(), 1u);
        EXPECT_EQ(recorder.last().text, text);
        EXPECT_EQ(recorder.last().caption, caption);
        EXPECT_EQ(recorder.last().icon, platform::MessageIcon::Error);
    }
};

TEST_F(BackgroundSpecTest, InitSetsNoBitmapAtLeftAndTop)
{
    spec.src = "sky.bmp";
    spec.xAlign = XAlignTile;
    spec.yAlign = YAlignBottom;
    initBackground(spec);
    EXPECT_EQ(spec.src, "");
    EXPECT_EQ(spec.xAlign, 0);
    EXPECT_EQ(spec.yAlign, 3);
}

TEST_F(BackgroundSpecTest, PlacementWordsGiveTheirCodes)
{
    const std::pair<const char*, std::int32_t> xWords[]
        = { { "left", 0 }, { "stretch", 1 }, { "tile", 2 }, { "right", 3 } };
    for (const auto& [word, code] : xWords) {
        EXPECT_EQ(applyBackgroundArg(std::string("xAlign=") + word, spec, 1), S_OK) << word;
        EXPECT_EQ(spec.xAlign, code) << word;
    }
    const std::pair<const char*, std::int32_t> yWords[]
        = { { "bottom", 0 }, { "stretch", 1 }, { "tile", 2 }, { "top", 3 } };
    for (const auto& [word, code] : yWords) {
        EXPECT_EQ(applyBackgroundArg(std::string("yAlign=") + word, spec, 1), S_OK) << word;
        EXPECT_EQ(spec.yAlign, code) << word;
    }
    EXPECT_EQ(recorder.count(), 0u);
}

TEST_F(BackgroundSpecTest, SourcePathIsSplitAtTheFirstEqualsSign)
{
    EXPECT_EQ(applyBackgroundArg("src=a=b", spec, 1), S_OK);
    EXPECT_EQ(spec.src, "a=b");
}

TEST_F(BackgroundSpecTest, LaterArgumentReplacesEarlierOne)
{
    EXPECT_EQ(applyBackgroundArg("src=first.bmp", spec, 1), S_OK);
    EXPECT_EQ(applyBackgroundArg("src=AstreonBitmaps/second.bmp", spec, 1), S_OK);
    EXPECT_EQ(spec.src, "AstreonBitmaps/second.bmp");
    EXPECT_EQ(spec.xAlign, XAlignLeft);
    EXPECT_EQ(spec.yAlign, YAlignTop);
}

TEST_F(BackgroundSpecTest, PlacementWordsAreCaseSensitive)
{
    EXPECT_EQ(applyBackgroundArg("xAlign=Left", spec, 1), E_INVALIDARG);
    expectOneMessage("Background: unrecognized argument: xAlign = Left", "Astreon Error");
    EXPECT_EQ(spec.xAlign, XAlignLeft);
}

TEST_F(BackgroundSpecTest, WordOfTheOtherAxisIsRejected)
{
    EXPECT_EQ(applyBackgroundArg("yAlign=left", spec, 1), E_INVALIDARG);
    expectOneMessage("Background: unrecognized argument: yAlign = left", "Astreon Error");
    EXPECT_EQ(spec.yAlign, YAlignTop);
}

TEST_F(BackgroundSpecTest, UnknownNameIsRejected)
{
    EXPECT_EQ(applyBackgroundArg("colour=red", spec, 1), E_INVALIDARG);
    expectOneMessage("Background: unrecognized argument: colour = red", "Astreon Error");
}

TEST_F(BackgroundSpecTest, EmptyNameIsRejected)
{
    EXPECT_EQ(applyBackgroundArg("=sky.bmp", spec, 1), E_INVALIDARG);
    expectOneMessage("Background: unrecognized argument:  = sky.bmp", "Astreon Error");
    EXPECT_EQ(spec.src, "");
}

TEST_F(BackgroundSpecTest, NothingAfterEqualsSignFailsTheSplit)
{
    EXPECT_EQ(applyBackgroundArg("src=", spec, 1), E_INVALIDARG);
    expectOneMessage("Background : unrecognized argument (src)", "Parser Error");
}

TEST_F(BackgroundSpecTest, TextWithoutEqualsSignFailsTheSplit)
{
    EXPECT_EQ(applyBackgroundArg("stretch", spec, 1), E_FAIL);
    expectOneMessage("Background : unrecognized argument (stretch)", "Parser Error");
}

TEST_F(BackgroundSpecTest, OnlyReportOneShowsMessages)
{
    EXPECT_EQ(applyBackgroundArg("stretch", spec, 0), E_FAIL);
    EXPECT_EQ(applyBackgroundArg("src=", spec, 2), E_INVALIDARG);
    EXPECT_EQ(applyBackgroundArg("xAlign=Left", spec, -1), E_INVALIDARG);
    EXPECT_EQ(recorder.count(), 0u);
}

TEST_F(BackgroundSpecTest, NamedArgumentNeedsNameAndValue)
{
    EXPECT_EQ(applyNamedBackgroundArg("src", "", spec, 0), E_INVALIDARG);
    EXPECT_EQ(applyNamedBackgroundArg("", "x", spec, 0), E_INVALIDARG);
    EXPECT_EQ(applyNamedBackgroundArg("src", "x.bmp", spec, 0), S_OK);
    EXPECT_EQ(spec.src, "x.bmp");
}

TEST_F(BackgroundSpecTest, LongPathIsCutToThePathLength)
{
    EXPECT_EQ(applyNamedBackgroundArg("src", std::string(400, 'p'), spec, 0), S_OK);
    EXPECT_EQ(spec.src, std::string(259, 'p'));
}

TEST(BackgroundAlignNames, WordsForCodesAndEmptyOutsideTheRange)
{
    EXPECT_EQ(xAlignName(0), "left");
    EXPECT_EQ(xAlignName(1), "stretch");
    EXPECT_EQ(xAlignName(2), "tile");
    EXPECT_EQ(xAlignName(3), "right");
    EXPECT_EQ(yAlignName(0), "bottom");
    EXPECT_EQ(yAlignName(1), "stretch");
    EXPECT_EQ(yAlignName(2), "tile");
    EXPECT_EQ(yAlignName(3), "top");
    EXPECT_EQ(xAlignName(4), "");
    EXPECT_EQ(yAlignName(-1), "");
}

} // namespace
