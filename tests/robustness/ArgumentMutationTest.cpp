// Colour and background arguments made of random text: parsing never crashes, a
// failure is a failure code, and what a success stores stays in its range.
#include "MutationEngine.h"

#include "drawing/BackgroundSpec.h"
#include "platform/Message.h"
#include "documents/ColourArgument.h"

#include <gtest/gtest.h>
#include <random>

namespace {

// Texts built from argument-like pieces, so that many reach the value checks.
std::vector<std::string> argumentTexts(std::uint32_t seed, int count)
{
    static const std::vector<std::string> pieces = {"red", "green", "blue", "src", "xAlign", "yAlign", "=", "==",
        "stretch", "tile", "left", "right", "top", "bottom", " ", "\t", "-", "+", "0", "255", "256", "\xff", "%s",
        "%n", std::string(1, '\0'), std::string(300, 'z')};
    std::mt19937 random(seed);
    std::vector<std::string> texts;
    for (int k = 0; k < count; ++k) {
        std::string text;
        const std::size_t length = random() % 5;
        for (std::size_t piece = 0; piece < length; ++piece)
            text += pieces[random() % pieces.size()];
        if (random() % 3 == 0)
            text += robustness::MutationEngine::extremeNumbers()[random() % robustness::MutationEngine::extremeNumbers().size()];
        texts.push_back(text);
    }
    return texts;
}

class ArgumentMutationTest : public testing::Test {
protected:
    platform::MessageRecorder recorder;
};

TEST_F(ArgumentMutationTest, ColourArgumentsStayWithinTheirComponents)
{
    for (const std::string& text : argumentTexts(7000, 3000)) {
        ColourRef colour = 0;
        const HRESULT result = ParseColourArgument(text, colour, 1);
        if (SUCCEEDED(result)) {
            EXPECT_EQ(colour & 0xff000000u, 0u) << text;
        } else {
            EXPECT_TRUE(result == E_FAIL || result == E_INVALIDARG) << text;
        }
    }
}

TEST_F(ArgumentMutationTest, BackgroundArgumentsKeepValidPlacements)
{
    for (const std::string& text : argumentTexts(7100, 3000)) {
        BackgroundSpec spec;
        initBackground(spec);
        const HRESULT result = applyBackgroundArg(text, spec, 1);
        EXPECT_GE(spec.xAlign, XAlignLeft) << text;
        EXPECT_LE(spec.xAlign, XAlignRight) << text;
        EXPECT_GE(spec.yAlign, YAlignBottom) << text;
        EXPECT_LE(spec.yAlign, YAlignTop) << text;
        EXPECT_LE(spec.src.size(), 259u) << text;
        if (FAILED(result)) {
            EXPECT_TRUE(result == E_FAIL || result == E_INVALIDARG) << text;
        }
    }
}

} // namespace
