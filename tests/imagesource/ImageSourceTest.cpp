#include "imagesource/ImageSource.h"

#include "platform/Message.h"
#include "raster/DeviceContext.h"

#include <QImage>

#include "support/PixelCounts.h"
#include <cstdlib>

#include <gtest/gtest.h>

namespace {

constexpr ColourRef kWhite = makeColour(255, 255, 255);
constexpr ColourRef kGrey = makeColour(90, 90, 90);

QImage filledImage(int width, int height, ColourRef colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(raster::toQColor(colour));
    return image;
}

using testing_support::colourAt;

int countPixels(const QImage& image, int left, int top, int right, int bottom, ColourRef colour)
{
    return testing_support::countColour(image, colour, QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
}

int countNotWhite(const QImage& image, int left, int top, int right, int bottom)
{
    return testing_support::countNotWhite(image, QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
}

void drawInto(ImageSource& source, QImage& image, std::int32_t width, std::int32_t height, std::int32_t request)
{
    raster::DeviceContext context(image);
    EXPECT_EQ(source.Draw(context, width, height, request), S_OK);
}

// The random colour the test pattern takes: blue, green, red from three successive numbers.
ColourRef nextRandomColour()
{
    const int blue = std::rand() % 256;
    const int green = std::rand() % 256;
    const int red = std::rand() % 256;
    return makeColour(red, green, blue);
}

} // namespace

// ---- Argument texts ------------------------------------------------------------------

class ImageSourceArguments : public ::testing::Test {
protected:
    ImageSource source;
    platform::MessageRecorder recorder;
};

TEST_F(ImageSourceArguments, DrawStatWithEmptyValueFailsAsInvalidAndNamesTheArgument)
{
    std::int32_t request = 5;
    EXPECT_EQ(source.ParseDrawArgument("draw_stat=", request, 1), E_INVALIDARG);
    EXPECT_EQ(request, 5);
    ASSERT_EQ(recorder.count(), 1u);
    EXPECT_EQ(recorder.last().text, "Unrecognized argument: draw_stat");
    EXPECT_EQ(recorder.last().caption, "Parser Error");
    EXPECT_EQ(recorder.last().icon, platform::MessageIcon::Error);
}

TEST_F(ImageSourceArguments, BareWordFailsAndIsNamedWhole)
{
    std::int32_t request = 1;
    EXPECT_EQ(source.ParseDrawArgument("draw_stat", request, 1), E_FAIL);
    ASSERT_EQ(recorder.count(), 1u);
    EXPECT_EQ(recorder.last().text, "Unrecognized argument: draw_stat");
    EXPECT_EQ(recorder.last().caption, "Parser Error");
    EXPECT_EQ(source.ParseArgument("speed", 1), E_FAIL);
    EXPECT_EQ(recorder.last().text, "Unrecognized argument: speed");
}

TEST_F(ImageSourceArguments, SplitFailuresAreSilentUnlessReportingIsExactlyOne)
{
    std::int32_t request = 1;
    EXPECT_EQ(source.ParseDrawArgument("draw_stat", request, 0), E_FAIL);
    EXPECT_EQ(source.ParseDrawArgument("draw_stat=", request, 2), E_INVALIDARG);
    EXPECT_EQ(source.ParseArgument("file=", 0), E_INVALIDARG);
    EXPECT_EQ(recorder.count(), 0u);
}

TEST_F(ImageSourceArguments, BooleanWrittenAsAWordFailsWithoutMessage)
{
    std::int32_t request = 0x20;
    EXPECT_EQ(source.ParseDrawArgument("draw_stat=true", request, 1), E_FAIL);
    EXPECT_EQ(source.ParseDrawArgument("draw_stat=", request, 0), E_INVALIDARG);
    EXPECT_EQ(request, 0x20);
    EXPECT_EQ(recorder.count(), 0u);
}

TEST_F(ImageSourceArguments, EveryTrueCharacterSetsOnlyBitZero)
{
    for (const char* value : { "1", "T", "Y", "t", "y" }) {
        std::int32_t request = 0x1030000;
        EXPECT_EQ(source.ParseDrawArgument(std::string("draw_stat=") + value, request, 1), S_OK) << value;
        EXPECT_EQ(request, 0x1030000 | kDrawStatistics) << value;
    }
}

TEST_F(ImageSourceArguments, EveryFalseCharacterClearsTheWholeRequest)
{
    for (const char* value : { "0", "F", "N", "f", "n" }) {
        std::int32_t request = 0x1030000;
        EXPECT_EQ(source.ParseDrawArgument(std::string("draw_stat=") + value, request, 1), S_OK) << value;
        EXPECT_EQ(request, 0) << value;
    }
    EXPECT_EQ(recorder.count(), 0u);
}

TEST_F(ImageSourceArguments, NameEndsAtTheFirstEqualsSign)
{
    // "draw_stat=1=0": the value "1=0" is not a boolean, so the name was split off at the first "=".
    std::int32_t request = 0x40;
    EXPECT_EQ(source.ParseDrawArgument("draw_stat=1=0", request, 1), E_FAIL);
    EXPECT_EQ(request, 0x40);
    EXPECT_EQ(recorder.count(), 0u);
    EXPECT_EQ(source.SetDrawArgument("draw_stat", "1=0", request, 1), E_FAIL);
    // A name that would only match if split at the last "=" is not draw_stat.
    EXPECT_EQ(source.ParseDrawArgument("x=draw_stat=1", request, 1), E_FAIL);
}

TEST_F(ImageSourceArguments, UnknownOrCaseDifferingDrawNamesFailWithoutMessage)
{
    std::int32_t request = 3;
    EXPECT_EQ(source.ParseDrawArgument("Draw_Stat=1", request, 1), E_FAIL);
    EXPECT_EQ(source.ParseDrawArgument(" draw_stat=1", request, 1), E_FAIL);
    EXPECT_EQ(source.ParseDrawArgument("=1", request, 1), E_FAIL);
    EXPECT_EQ(request, 3);
    EXPECT_EQ(recorder.count(), 0u);
}

TEST_F(ImageSourceArguments, BaseAcceptsEverySourceArgument)
{
    EXPECT_EQ(source.ParseArgument("anything=at all", 1), S_OK);
    EXPECT_EQ(source.ParseArgument("=x", 1), S_OK);
    EXPECT_EQ(source.SetArgument("", "", 1), S_OK);
    EXPECT_EQ(recorder.count(), 0u);
}

// ---- Contract defaults ---------------------------------------------------------------

TEST(ImageSourceContract, DefaultsOfTheBase)
{
    ImageSource source;
    EXPECT_EQ(source.GetGeneration(), -1000);
    EXPECT_EQ(source.GetButtonCount(), 0);
    EXPECT_EQ(source.GetButtons(), nullptr);

    std::int32_t request = 77;
    EXPECT_EQ(source.GetDefaultDrawRequest(&request), S_OK);
    EXPECT_EQ(request, kDrawStatistics);
    EXPECT_EQ(source.GetDefaultDrawRequest(nullptr), E_INVALIDARG);
    EXPECT_EQ(source.ApplyDefaults(nullptr), E_INVALIDARG);
}

TEST(ImageSourceContract, OwnerIsStoredAndReadBack)
{
    struct Layout : SourceOwner {
        HRESULT requestLayoutChoice() override { return S_OK; }
    } layout;
    ImageSource source;
    SourceOwner* owner = &layout;
    SourceOwner* read = owner;
    EXPECT_EQ(source.getOwner(&read), S_OK);
    EXPECT_EQ(read, nullptr);
    source.setOwner(owner);
    EXPECT_EQ(source.getOwner(&read), S_OK);
    EXPECT_EQ(read, owner);
    EXPECT_EQ(source.getOwner(nullptr), E_INVALIDARG);
}

TEST(ImageSourceContract, AnyButtonPressIsUnexpected)
{
    platform::MessageRecorder recorder;
    ImageSource source;
    EXPECT_EQ(source.OnCommand(nullptr, 0, 0), S_OK);
    ASSERT_EQ(recorder.count(), 1u);
    EXPECT_EQ(recorder.last().text, "Got a message I wasn't ready for.");
    EXPECT_EQ(recorder.last().caption, "Error");
    EXPECT_EQ(recorder.last().icon, platform::MessageIcon::Error);
}

TEST(ImageSourceContract, LockIsReentrantForTheHoldingThread)
{
    ImageSource source;
    source.Lock();
    source.Lock();
    source.setOwner(nullptr); // takes the lock a third time
    source.Unlock();
    source.Unlock();
    SourceOwner* read = nullptr;
    EXPECT_EQ(source.getOwner(&read), S_OK);
}

// ---- Test pattern --------------------------------------------------------------------

TEST(ImageSourceTestPattern, ZeroOrNegativeSizeDrawsNothing)
{
    ImageSource source;
    QImage image = filledImage(20, 20, kGrey);
    drawInto(source, image, 0, 20, 0);
    drawInto(source, image, 20, 0, 1);
    drawInto(source, image, 0, 0, 9);
    drawInto(source, image, -4, 10, 0);
    drawInto(source, image, 10, -1, 1);
    EXPECT_EQ(countPixels(image, 0, 0, 20, 20, kGrey), 400);
}

TEST(ImageSourceTestPattern, RequestZeroDrawsTheRandomEllipseInsideItsBox)
{
    const int width = 80, height = 60;
    std::srand(1234);
    nextRandomColour();
    const int left = std::rand() % (width - 5);
    const int right = left + 5 + std::rand() % (width - left - 5);
    const int top = std::rand() % (height - 5);
    const int bottom = top + 5 + std::rand() % (height - top - 5);

    ImageSource source;
    QImage image = filledImage(width + 10, height + 10, kGrey);
    std::srand(1234);
    drawInto(source, image, width, height, 0);

    const int inside = countNotWhite(image, left, top, right, bottom);
    EXPECT_GT(inside, 0);
    EXPECT_EQ(countNotWhite(image, 0, 0, width, height), inside) << "nothing drawn outside the ellipse's box";
    EXPECT_EQ(countPixels(image, width, 0, width + 10, height + 10, kGrey), 10 * (height + 10));
}

TEST(ImageSourceTestPattern, RequestOneFillsTheRandomRectangle)
{
    const int width = 50, height = 40;
    for (unsigned seed : { 1u, 2u, 3u, 99u }) {
        std::srand(seed);
        const ColourRef colour = nextRandomColour();
        const int top = std::rand() % height;
        const int bottom = top + std::rand() % (height - top);
        const int left = std::rand() % width;
        const int right = left + std::rand() % (width - left);

        ImageSource source;
        QImage image = filledImage(width, height, kGrey);
        std::srand(seed);
        drawInto(source, image, width, height, 1);

        const int area = (right - left) * (bottom - top);
        EXPECT_EQ(countPixels(image, left, top, right, bottom, colour), area) << seed;
        if (colour != kWhite) {
            EXPECT_EQ(countNotWhite(image, 0, 0, width, height), area) << seed;
        }
    }
}

TEST(ImageSourceTestPattern, OtherRequestsWriteTheRequestAtTheTopLeft)
{
    ImageSource source;
    QImage image = filledImage(400, 60, kGrey);
    drawInto(source, image, 400, 60, 0x1234);
    QImage scratch(1, 1, QImage::Format_RGB32);
    const int lineHeight = raster::DeviceContext(scratch).lineHeight();
    EXPECT_GT(countNotWhite(image, 0, 0, 400, lineHeight), 0);
    EXPECT_EQ(countNotWhite(image, 0, lineHeight, 400, 60), 0);
}

TEST(ImageSourceTestPattern, TinyAreasOnlyTurnWhite)
{
    ImageSource source;
    for (const auto& [width, height] : { std::pair { 1, 1 }, { 5, 5 }, { 3, 40 }, { 40, 5 }, { 6, 2 } }) {
        for (std::int32_t request : { 0, 1 }) {
            QImage image = filledImage(width, height, kGrey);
            drawInto(source, image, width, height, request);
            if (request == 0) {
                EXPECT_EQ(countNotWhite(image, 0, 0, width, height), 0) << width << "x" << height;
            } else {
                EXPECT_EQ(countPixels(image, 0, 0, width, height, kGrey), 0) << width << "x" << height;
            }
        }
    }
}
