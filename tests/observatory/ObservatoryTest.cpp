#include "observatory/Observatory.h"

#include "ObservatoryTestSupport.h"
#include "platform/Message.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

namespace {

constexpr std::uintptr_t kStarLikeButton = 0;
constexpr std::uintptr_t kSunLikeButton = 1;
constexpr std::uintptr_t kCometLikeButton = 3;
constexpr std::uintptr_t kTakeReadingButton = 4;

class ObservatoryTest : public testing::Test {
protected:
    platform::MessageRecorder recorder;
    Observatory observatory;
    HeldClock held { observatory };
};

TEST_F(ObservatoryTest, StartsAsStarLikeWithItsPeriodSixButtonsAndNoView)
{
    EXPECT_EQ(observatory.kind(), ObservatoryKind::StarLike);
    EXPECT_EQ(observatory.trail().startYear(), 100);
    EXPECT_EQ(observatory.trail().endYear(), 300);
    EXPECT_EQ(observatory.trail().capacity(), 10);
    EXPECT_EQ(observatory.trail().count(), 0);
    EXPECT_EQ(observatory.publishedTrailCopy(), nullptr);
    held.clock().Lock();
    EXPECT_DOUBLE_EQ(held.clock().increment(), 0.001);
    EXPECT_FALSE(held.clock().paused());
    held.clock().Unlock();

    std::int32_t request = -1;
    EXPECT_EQ(observatory.GetDefaultDrawRequest(&request), S_OK);
    EXPECT_EQ(request, 0);
    EXPECT_EQ(observatory.GetDefaultDrawRequest(nullptr), E_INVALIDARG);

    ASSERT_EQ(observatory.GetButtonCount(), 6);
    const char* labels[] = { "Star Like", "Sun Like", "Planet Like", "Comet Like", "Take Reading", "Publish" };
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(observatory.GetButtons()[i].label, labels[i]);
        EXPECT_EQ(observatory.GetButtons()[i].style, 0u);
    }
}

TEST_F(ObservatoryTest, ViewWordsAddTheirBitsAndOtherTextGoesToTheBase)
{
    std::int32_t request = 0;
    EXPECT_EQ(observatory.ParseDrawArgument("projection", request, 1), S_OK);
    EXPECT_EQ(observatory.ParseDrawArgument("observations", request, 1), S_OK);
    EXPECT_EQ(request, kDrawProjection | kDrawObservations);
    EXPECT_EQ(observatory.ParseDrawArgument("overhead", request, 1), S_OK);
    EXPECT_EQ(observatory.ParseDrawArgument("published", request, 1), S_OK);
    EXPECT_EQ(request, kDrawProjection | kDrawOverhead | kDrawObservations | kDrawPublished);

    EXPECT_EQ(observatory.ParseDrawArgument("draw_stat=T", request, 1), S_OK);
    EXPECT_EQ(request & kDrawStatistics, kDrawStatistics);
    EXPECT_EQ(recorder.count(), 0u);

    std::int32_t unchanged = kDrawOverhead;
    EXPECT_EQ(observatory.ParseDrawArgument("Projection", unchanged, 1), E_FAIL);
    EXPECT_EQ(unchanged, kDrawOverhead);
    ASSERT_EQ(recorder.count(), 1u);
    EXPECT_EQ(recorder.last().text, "Unrecognized argument: Projection");
    EXPECT_EQ(recorder.last().caption, "Parser Error");
    EXPECT_EQ(observatory.ParseDrawArgument("overhead=1", unchanged, 1), E_FAIL);
    EXPECT_EQ(unchanged, kDrawOverhead);
}

TEST_F(ObservatoryTest, EachKindMovesAsItsTableSays)
{
    selectAndHold(observatory, ObservatoryKind::StarLike, 0.125);
    SkyPosition star = observatory.ComputePosition();
    EXPECT_DOUBLE_EQ(star.t, 0.125);
    EXPECT_DOUBLE_EQ(star.x, std::cos(0.125 * 6.2831854));
    EXPECT_DOUBLE_EQ(star.y, std::sin(0.125 * 6.2831854));
    HorizonAngles starAngles = observatory.ToHorizon(star.x, star.y);
    EXPECT_NEAR(starAngles.az, std::numbers::pi / 4, 1e-6);
    EXPECT_EQ(starAngles.el, 0.0);

    selectAndHold(observatory, ObservatoryKind::SunLike, 0.25);
    const SkyPosition sun = observatory.ComputePosition();
    EXPECT_LT(sun.x, 0.0);
    EXPECT_GT(sun.x, -1e-5);
    EXPECT_NEAR(sun.y, 75.0, 1e-9);
    const HorizonAngles sunAngles = observatory.ToHorizon(sun.x, sun.y);
    EXPECT_GT(sunAngles.az, std::numbers::pi / 2);
    EXPECT_DOUBLE_EQ(sunAngles.el, std::sin(sunAngles.az) * 0.3837777777777778);

    for (ObservatoryKind still : { ObservatoryKind::PlanetLike, ObservatoryKind::CometLike }) {
        selectAndHold(observatory, still, 0.3);
        const SkyPosition position = observatory.ComputePosition();
        EXPECT_EQ(position.x, 0.0);
        EXPECT_EQ(position.y, 0.0);
        EXPECT_DOUBLE_EQ(position.t, 0.3);
        const HorizonAngles angles = observatory.ToHorizon(3.0, 4.0);
        EXPECT_EQ(angles.az, 0.0);
        EXPECT_EQ(angles.el, 0.0);
    }
}

TEST_F(ObservatoryTest, KindButtonsRestartThePeriodWithTheKindsYears)
{
    held.holdAt(7.0);
    observatory.TakeReading();
    ASSERT_EQ(observatory.trail().count(), 1);

    const struct {
        std::uintptr_t button;
        ObservatoryKind kind;
        int startYear;
        int endYear;
    } kinds[] = { { 1, ObservatoryKind::SunLike, 400, 402 }, { 2, ObservatoryKind::PlanetLike, 1200, 1205 },
        { 3, ObservatoryKind::CometLike, 1500, 1515 }, { 0, ObservatoryKind::StarLike, 100, 300 } };
    for (const auto& expected : kinds) {
        held.holdAt(1.0);
        EXPECT_EQ(observatory.OnCommand(nullptr, expected.button, 0), S_OK);
        EXPECT_EQ(observatory.kind(), expected.kind);
        EXPECT_EQ(observatory.trail().count(), 0);
        EXPECT_EQ(observatory.trail().startYear(), expected.startYear);
        EXPECT_EQ(observatory.trail().endYear(), expected.endYear);
        held.clock().Lock();
        EXPECT_FALSE(held.clock().paused());
        EXPECT_DOUBLE_EQ(held.clock().increment(), 0.003);
        // Time restarted from 0: whatever ticks ran since the button added 0.003 each.
        EXPECT_NEAR(held.clock().time(), held.clock().tickCount() * 0.003, 1e-9);
        held.clock().Unlock();
    }
    EXPECT_EQ(recorder.count(), 0u);
}

TEST_F(ObservatoryTest, ResetClockZeroesTimeAndGenerationAndPauses)
{
    held.holdAt(3.0);
    held.clock().Lock();
    held.clock().setTickCount(42);
    held.clock().Unlock();
    EXPECT_EQ(observatory.GetGeneration(), 42);

    observatory.ResetClock();
    EXPECT_EQ(observatory.GetGeneration(), 0);
    EXPECT_EQ(held.time(), 0.0);
    EXPECT_TRUE(held.paused());
    held.clock().Lock();
    EXPECT_DOUBLE_EQ(held.clock().increment(), 0.003);
    held.clock().Unlock();
}

TEST_F(ObservatoryTest, ReadingsStoreThePositionAnglesAndTime)
{
    selectAndHold(observatory, ObservatoryKind::SunLike, 0.25);
    EXPECT_EQ(observatory.OnCommand(nullptr, kTakeReadingButton, 0), S_OK);
    ASSERT_EQ(observatory.trail().count(), 1);
    const Observation reading = observatory.trail().logical(0);
    const SkyPosition position = observatory.ComputePosition();
    const HorizonAngles angles = observatory.ToHorizon(position.x, position.y);
    EXPECT_EQ(reading.x, position.x);
    EXPECT_EQ(reading.y, position.y);
    EXPECT_EQ(reading.az, angles.az);
    EXPECT_EQ(reading.el, angles.el);
    EXPECT_EQ(reading.t, 0.25);
}

TEST_F(ObservatoryTest, TheEleventhReadingDropsTheFirst)
{
    observatory.OnCommand(nullptr, kCometLikeButton, 0);
    for (int i = 0; i < 11; ++i) {
        held.holdAt(0.1 * (i + 1));
        observatory.TakeReading();
    }
    ASSERT_EQ(observatory.trail().count(), 10);
    EXPECT_DOUBLE_EQ(observatory.trail().logical(0).t, 0.2);
    EXPECT_DOUBLE_EQ(observatory.trail().logical(9).t, 1.1);
}

TEST_F(ObservatoryTest, DrawingPastThePeriodFreezesTimeAtItsEnd)
{
    observatory.OnCommand(nullptr, kStarLikeButton, 0);
    held.runFrom(250.0);
    drawnImage(observatory, 40, 40, 0);
    EXPECT_TRUE(held.paused());
    EXPECT_EQ(held.time(), 200.0);

    observatory.TakeReading();
    EXPECT_EQ(observatory.trail().logical(0).t, 200.0);

    // Within the period a repaint leaves the clock running.
    observatory.OnCommand(nullptr, kStarLikeButton, 0);
    held.runFrom(100.0);
    drawnImage(observatory, 40, 40, 0);
    EXPECT_FALSE(held.paused());
}

TEST_F(ObservatoryTest, AReadingPastThePeriodIsHeldAtItsEndEvenWithoutARepaint)
{
    observatory.OnCommand(nullptr, kSunLikeButton, 0);
    held.runFrom(5.0);
    observatory.TakeReading();
    ASSERT_EQ(observatory.trail().count(), 1);
    EXPECT_EQ(observatory.trail().logical(0).t, 2.0);
    EXPECT_TRUE(held.paused());
}

TEST_F(ObservatoryTest, UnknownButtonsDoNothing)
{
    selectAndHold(observatory, ObservatoryKind::SunLike, 0.5);
    EXPECT_EQ(observatory.OnCommand(nullptr, 6, 0), S_OK);
    EXPECT_EQ(observatory.OnCommand(nullptr, 0xffff, 0), S_OK);
    EXPECT_EQ(observatory.kind(), ObservatoryKind::SunLike);
    EXPECT_EQ(observatory.trail().count(), 0);
    EXPECT_EQ(held.time(), 0.5);
    EXPECT_EQ(recorder.count(), 0u);
    // Only the low 16 bits name the button.
    EXPECT_EQ(observatory.OnCommand(nullptr, 0x10000 | kTakeReadingButton, 0), S_OK);
    EXPECT_EQ(observatory.trail().count(), 1);
}

} // namespace
