#include "sources/KeplerUniverse.h"

#include "documents/SharedTrail.h"
#include "platform/Message.h"
#include "ptolemy/ObservationColours.h"
#include "raster/DeviceContext.h"
#include "support/Deadline.h"
#include "support/HeldClock.h"

#include <QImage>

#include "support/PixelCounts.h"
#include <chrono>
#include <cmath>

#include <gtest/gtest.h>

namespace {

constexpr ColourRef kWhite = makeColour(255, 255, 255);
constexpr ColourRef kGrey = makeColour(90, 90, 90);
using observation_colours::kCurrent;
using observation_colours::kFuture;
using observation_colours::kPast;
constexpr std::uintptr_t kInitButton = 0;
constexpr std::uintptr_t kUpdateObsButton = 1;

int countNotWhite(const QImage& image, int top, int bottom)
{
    return testing_support::countNotWhite(image, QRect(0, top, image.width(), bottom - top));
}

// True when `colour` is found within one pixel of (x, y).
bool colourNear(const QImage& image, int x, int y, ColourRef colour)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (image.valid(x + dx, y + dy) && raster::fromQColor(QColor(image.pixel(x + dx, y + dy))) == colour)
                return true;
    return false;
}

QImage drawn(KeplerUniverse& source, int width, int height, std::int32_t request)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(raster::toQColor(kGrey));
    raster::DeviceContext context(image);
    EXPECT_EQ(source.Draw(context, width, height, request), S_OK);
    return image;
}

int lineHeight()
{
    QImage scratch(1, 1, QImage::Format_RGB32);
    return raster::DeviceContext(scratch).lineHeight();
}

std::int32_t modelRequest(KeplerUniverse& source)
{
    std::int32_t request = 0;
    EXPECT_EQ(source.GetDefaultDrawRequest(&request), S_OK);
    EXPECT_EQ(source.ParseDrawArgument("draw_stat=0", request, 1), S_OK);
    return request;
}

// Waits (at most five seconds) until the clock has ticked at least `ticks` times.
bool waitForGeneration(KeplerUniverse& source, std::int32_t ticks)
{
    return testing_support::waitUntil([&] { return source.GetGeneration() >= ticks; }, std::chrono::seconds(5));
}

// Publishes a trail for the scope and empties the shared trail afterwards.
class PublishedTrail {
public:
    explicit PublishedTrail(const ObservationTrail& trail) { setSharedTrail(&trail); }
    ~PublishedTrail() { setSharedTrail(nullptr); }
    PublishedTrail(const PublishedTrail&) = delete;
    PublishedTrail& operator=(const PublishedTrail&) = delete;
};

} // namespace

TEST(KeplerUniverse, OffersInitAndUpdateObs)
{
    KeplerUniverse source;
    ASSERT_EQ(source.GetButtonCount(), 2);
    const ButtonSpec* buttons = source.GetButtons();
    ASSERT_NE(buttons, nullptr);
    EXPECT_EQ(buttons[0].label, "Init");
    EXPECT_EQ(buttons[1].label, "Update Obs");
    EXPECT_EQ(buttons[0].style, 0u);
    EXPECT_EQ(buttons[1].style, 0u);
}

TEST(KeplerUniverse, DefaultRequestShowsTheTwoStatisticsLines)
{
    KeplerUniverse source;
    std::int32_t request = 0;
    ASSERT_EQ(source.GetDefaultDrawRequest(&request), S_OK);
    const int line = lineHeight();
    const QImage image = drawn(source, 300, 5 * line, request);
    EXPECT_GT(countNotWhite(image, 0, line), 0) << "first line";
    EXPECT_GT(countNotWhite(image, line, 2 * line), 0) << "second line";
    EXPECT_EQ(countNotWhite(image, 2 * line, 5 * line), 0) << "white below";
}

TEST(KeplerUniverse, ModelViewWithoutTrailIsWhite)
{
    KeplerUniverse source;
    const QImage image = drawn(source, 120, 90, modelRequest(source));
    EXPECT_EQ(countNotWhite(image, 0, 90), 0);
}

TEST(KeplerUniverse, ZeroSizeDrawsNothing)
{
    KeplerUniverse source;
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(raster::toQColor(kGrey));
    {
        raster::DeviceContext context(image);
        EXPECT_EQ(source.Draw(context, 0, 10, 1), S_OK);
        EXPECT_EQ(source.Draw(context, 10, 0, 0), S_OK);
    }
    EXPECT_EQ(raster::fromQColor(QColor(image.pixel(0, 0))), kGrey);
    EXPECT_EQ(raster::fromQColor(QColor(image.pixel(9, 9))), kGrey);
}

TEST(KeplerUniverse, InitPutsTheGenerationBackToZero)
{
    KeplerUniverse source;
    ASSERT_TRUE(waitForGeneration(source, 3));
    SimulationClock& clock = HeldClock(source).clock();
    source.Lock(); // the source's lock first, then the clock's: no tick can run until released
    clock.Lock();
    // Only the low 16 bits of wparam name the button.
    EXPECT_EQ(source.OnCommand(nullptr, 0x70000 | kInitButton, 0), S_OK);
    EXPECT_EQ(source.GetGeneration(), 0);
    EXPECT_EQ(clock.time(), 0.0);
    clock.Unlock();
    source.Unlock();
    EXPECT_TRUE(waitForGeneration(source, 1)) << "the clock runs on after Init";
}

TEST(KeplerUniverse, UnknownButtonIsReportedAndChangesNothing)
{
    platform::MessageRecorder recorder;
    ObservationTrail trail(4);
    trail.Append(1, 1, 0, 0, 50);
    PublishedTrail published(trail);
    KeplerUniverse source;
    EXPECT_EQ(source.OnCommand(nullptr, 2, 0), S_OK);
    ASSERT_EQ(recorder.count(), 1u);
    EXPECT_EQ(recorder.last().text, "Got a message I wasn't ready for.");
    EXPECT_EQ(recorder.last().caption, "Astreon Error");
    EXPECT_EQ(recorder.last().icon, platform::MessageIcon::Error);
    EXPECT_EQ(source.plot().matchTrail(), nullptr);
}

TEST(KeplerUniverse, UpdateObsCopiesTheSharedTrailAndEmptyRemovesIt)
{
    ObservationTrail trail(4);
    trail.Append(3, 4, 0, 0, 50);
    KeplerUniverse source;
    {
        PublishedTrail published(trail);
        EXPECT_EQ(source.OnCommand(nullptr, kUpdateObsButton, 0), S_OK);
        ASSERT_NE(source.plot().matchTrail(), nullptr);
        EXPECT_NE(source.plot().matchTrail(), &trail) << "a copy, not the published trail";
        EXPECT_EQ(source.plot().matchTrail()->count(), 1);
    }
    EXPECT_EQ(source.OnCommand(nullptr, kUpdateObsButton, 0), S_OK);
    EXPECT_EQ(source.plot().matchTrail(), nullptr);
    const QImage image = drawn(source, 100, 100, modelRequest(source));
    EXPECT_EQ(countNotWhite(image, 0, 100), 0);
}

TEST(KeplerUniverse, PlotsEachPointAtItsScaledPlace)
{
    const int width = 200, height = 160;
    ObservationTrail trail(8);
    trail.Append(10, 0, 0, 0, -50); // long past
    trail.Append(0, -20, 0, 0, 0.5); // current while the clock is held at 0.5
    trail.Append(-7, 9, 0, 0, 90); // far future
    PublishedTrail published(trail);
    KeplerUniverse source;
    ASSERT_EQ(source.OnCommand(nullptr, kUpdateObsButton, 0), S_OK);

    const int cx = width / 2, cy = height / 2;
    const double scale = (std::min(cx, cy) - 3) / (20.0 + 5.0);
    const auto screenX = [&](double x) { return cx + static_cast<int>(std::trunc(x * scale)); };
    const auto screenY = [&](double y) { return cy - static_cast<int>(std::trunc(y * scale)); };

    SimulationClock& clock = HeldClock(source).clock();
    const std::int32_t request = modelRequest(source);
    source.Lock();
    clock.Lock();
    clock.setTime(0.5);
    const QImage image = drawn(source, width, height, request);
    clock.Unlock();
    source.Unlock();

    EXPECT_TRUE(colourNear(image, screenX(10), screenY(0), kPast));
    EXPECT_TRUE(colourNear(image, screenX(0), screenY(-20), kCurrent));
    EXPECT_TRUE(colourNear(image, screenX(-7), screenY(9), kFuture));
    EXPECT_EQ(raster::fromQColor(QColor(image.pixel(0, 0))), kWhite);
}

TEST(KeplerUniverse, TinyWindowWithTrailDoesNotFail)
{
    ObservationTrail trail(2);
    trail.Append(5, 5, 0, 0, 90);
    PublishedTrail published(trail);
    KeplerUniverse source;
    ASSERT_EQ(source.OnCommand(nullptr, kUpdateObsButton, 0), S_OK);
    for (int size : { 1, 2, 5, 6, 7 })
        drawn(source, size, size, 0);
}
