// Colour and background arguments of extreme values and awkward texts: parsing never
// crashes, a failure is a failure code, and what a success stores stays in its range.
#include "RobustnessCorpus.h"

#include "documents/ColourArgument.h"
#include "drawing/BackgroundSpec.h"
#include "platform/Message.h"

#include <gtest/gtest.h>

namespace {

// The names the parsers know, near misses and none at all.
const std::vector<std::string> kNames = { "red", "green", "blue", "src", "xAlign", "yAlign", "Red", " red", "", "=" };

// Texts that a message must show as they are: format directives, bytes that are not
// UTF-8, a NUL and a text longer than a path.
const std::vector<std::string> kAwkwardTexts
    = { "%s%n%x", "\xff\xfe", std::string("a\0b", 3), std::string(300, 'z'), "=", "==" };

const std::vector<std::string> kPlacements = { "stretch", "tile", "left", "right", "top", "bottom" };

// Every name with every extreme number, placement word and awkward text, and the awkward
// texts without a name.
std::vector<std::string> argumentTexts()
{
    std::vector<std::string> values = robustness::extremeNumbers();
    values.insert(values.end(), kPlacements.begin(), kPlacements.end());
    values.insert(values.end(), kAwkwardTexts.begin(), kAwkwardTexts.end());
    std::vector<std::string> texts = kAwkwardTexts;
    for (const std::string& name : kNames) {
        for (const std::string& value : values)
            texts.push_back(name + "=" + value);
    }
    return texts;
}

bool isFailureCode(HRESULT result) { return result == E_FAIL || result == E_INVALIDARG; }

class ArgumentExtremesTest : public testing::Test {
protected:
    platform::MessageRecorder recorder;
};

TEST_F(ArgumentExtremesTest, ColourArgumentsStayWithinTheirComponents)
{
    for (const std::string& text : argumentTexts()) {
        ColourRef colour = 0;
        const HRESULT result = ParseColourArgument(text, colour, 1);
        if (SUCCEEDED(result)) {
            EXPECT_EQ(colour & 0xff000000u, 0u) << text;
        } else {
            EXPECT_TRUE(isFailureCode(result)) << text;
            EXPECT_EQ(colour, 0u) << text;
        }
    }
}

TEST_F(ArgumentExtremesTest, BackgroundArgumentsKeepValidPlacements)
{
    for (const std::string& text : argumentTexts()) {
        BackgroundSpec spec;
        initBackground(spec);
        const HRESULT result = applyBackgroundArg(text, spec, 1);
        EXPECT_GE(spec.xAlign, XAlignLeft) << text;
        EXPECT_LE(spec.xAlign, XAlignRight) << text;
        EXPECT_GE(spec.yAlign, YAlignBottom) << text;
        EXPECT_LE(spec.yAlign, YAlignTop) << text;
        EXPECT_LE(spec.src.size(), 259u) << text;
        if (FAILED(result)) {
            EXPECT_TRUE(isFailureCode(result)) << text;
        }
    }
}

// A message shows the argument's text as it is: its format directives are not applied.
TEST_F(ArgumentExtremesTest, MessagesShowFormatDirectivesAsText)
{
    ColourRef colour = 0;
    EXPECT_EQ(ParseColourArgument("hue=%s%n%x", colour, 1), E_FAIL);
    EXPECT_EQ(recorder.last().text, "Invalid color argument: hue = %s%n%x");
    BackgroundSpec spec;
    initBackground(spec);
    EXPECT_EQ(applyBackgroundArg("xAlign=%s%n%x", spec, 1), E_INVALIDARG);
    EXPECT_EQ(recorder.last().text, "Background: unrecognized argument: xAlign = %s%n%x");
}

} // namespace
