#include "ptolemy/PtolemyUniverse.h"

#include "imagesource/SimulationClock.h"
#include "platform/Message.h"
#include "ptolemy/PtolemyBody.h"
#include "ptolemy/PtolemyFlags.h"
#include "raster/DeviceContext.h"
#include "support/Deadline.h"
#include "xml/XmlDocument.h"

#include <QImage>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

using testing_support::waitUntil;

void setPaused(PtolemyUniverse& universe, bool paused)
{
    universe.Lock();
    universe.LockClock();
    universe.Clock().setPaused(paused);
    universe.UnlockClock();
    universe.Unlock();
}

class PtolemyUniverseModel : public testing::Test {
protected:
    platform::MessageRecorder recorder;
    PtolemyUniverse universe;
};

TEST_F(PtolemyUniverseModel, StartsWithOneRandomSystemAndARunningClock)
{
    universe.Lock();
    ASSERT_EQ(universe.Bodies().Count(), 1);
    PtolemyBody* body = universe.Bodies().Get(0);
    const int orbs = body->OrbCount();
    EXPECT_GE(orbs, 4);
    EXPECT_LE(orbs, 7);
    for (const PtolemyOrbit* orb = body->Chain(); orb; orb = orb->next.get())
        EXPECT_EQ(orb->name, "Random Orb");
    universe.Unlock();
    const std::int32_t generation = universe.GetGeneration();
    EXPECT_TRUE(waitUntil([&] { return universe.GetGeneration() != generation; }));
    EXPECT_TRUE(waitUntil([&] { return universe.Bodies().Get(0)->RunningTrail().count() > 0; }));
    EXPECT_EQ(universe.ShownFile(), "");
    EXPECT_FALSE(universe.AutoChange());
    EXPECT_EQ(universe.ChangeCycle(), 1000);
    EXPECT_EQ(universe.GetButtonCount(), 6);
}

TEST_F(PtolemyUniverseModel, PauseStopsTimeAndRecording)
{
    setPaused(universe, true);
    universe.Lock();
    universe.LockClock();
    const double time = universe.Clock().time();
    const std::int32_t ticks = universe.Clock().tickCount();
    const std::int32_t records = universe.Bodies().Get(0)->RunningTrail().count();
    universe.UnlockClock();
    universe.Unlock();
    // The universe's own tick handler ignores ticks while paused.
    universe.LockClock();
    universe.OnTick(time + 1);
    universe.UnlockClock();
    EXPECT_EQ(universe.Bodies().Get(0)->RunningTrail().count(), records);
    EXPECT_DOUBLE_EQ(universe.Time(), time);
    EXPECT_EQ(universe.GetGeneration(), ticks);
}

TEST_F(PtolemyUniverseModel, ResetKeepsThePauseAndClearsTrails)
{
    ASSERT_TRUE(waitUntil([&] { return universe.Bodies().Get(0)->RunningTrail().count() > 2; }));
    setPaused(universe, true);
    EXPECT_EQ(universe.Reset(), S_OK);
    EXPECT_DOUBLE_EQ(universe.Time(), 0);
    EXPECT_EQ(universe.GetGeneration(), 0);
    EXPECT_EQ(universe.Bodies().Get(0)->RunningTrail().count(), 0);
    universe.LockClock();
    EXPECT_TRUE(universe.Clock().paused());
    universe.UnlockClock();
}

TEST_F(PtolemyUniverseModel, RandomizeAllReplacesChainsAndForgetsTheShownFile)
{
    universe.SetShownFile("AstreonFiles/Mars.ptu");
    const auto before = universe.Bodies().Get(0)->CopyChain();
    universe.RandomizeAll();
    EXPECT_EQ(universe.ShownFile(), "");
    const int orbs = universe.Bodies().Get(0)->OrbCount();
    EXPECT_GE(orbs, 4);
    EXPECT_LE(orbs, 7);
}

TEST_F(PtolemyUniverseModel, ChangeCycleArgumentTurnsAutoChangeOn)
{
    EXPECT_EQ(universe.SetArgument("changeCycle", "0", 1), S_OK);
    EXPECT_FALSE(universe.AutoChange());
    EXPECT_EQ(universe.SetArgument("changeCycle", "5000", 1), S_OK);
    EXPECT_TRUE(universe.AutoChange());
    EXPECT_EQ(universe.ChangeCycle(), 5000);
    EXPECT_EQ(universe.SetArgument("changeCycle", "abc", 1), S_OK);
    EXPECT_EQ(universe.ChangeCycle(), 5000);
    EXPECT_EQ(universe.SetArgument("num_steps", "17", 1), S_OK);
    EXPECT_EQ(recorder.count(), 0u);
    EXPECT_EQ(universe.SetChangeCycle(0), E_INVALIDARG);
    EXPECT_EQ(universe.SetChangeCycle(250), S_OK);
    EXPECT_EQ(universe.ChangeCycle(), 250);
}

TEST_F(PtolemyUniverseModel, UnknownArgumentsFailWithTheirMessage)
{
    EXPECT_EQ(universe.SetArgument("changecycle", "5", 1), E_FAIL);
    ASSERT_EQ(recorder.count(), 1u);
    EXPECT_EQ(recorder.last().text, "PtolemyUniverse: unrecognized argument: changecycle = 5");
    EXPECT_EQ(recorder.last().caption, "Astreon Error");
    EXPECT_EQ(universe.SetArgument("bogus", "1", 0), E_FAIL);
    EXPECT_EQ(recorder.count(), 1u);
    EXPECT_EQ(universe.ParseArgument("src=/nonexistent/file.ptu", 1), XmlDocument::kFileNotFound);
    EXPECT_EQ(recorder.last().text,
        "PtolemyUniverse: unrecognized argument: src = /nonexistent/file.ptu\n"
        "Couldn't load /nonexistent/file.ptu: Your XML file wasn't found.");
    // The systems on show stay after a file that cannot be read.
    EXPECT_EQ(universe.Bodies().Count(), 1);
}

TEST_F(PtolemyUniverseModel, DrawArgumentsSetAndClearTheirFlags)
{
    std::int32_t request = 0;
    ASSERT_EQ(universe.GetDefaultDrawRequest(&request), S_OK);
    EXPECT_EQ(
        request, ptolemy_flags::kLines | ptolemy_flags::kCircles | ptolemy_flags::kMatch | ptolemy_flags::kPlanet);
    EXPECT_EQ(universe.GetDefaultDrawRequest(nullptr), E_INVALIDARG);
    const struct {
        const char* name;
        std::int32_t flag;
    } arguments[] = { { "draw_lines", ptolemy_flags::kLines }, { "draw_circles", ptolemy_flags::kCircles },
        { "draw_formatted", ptolemy_flags::kFormatted }, { "draw_earth", ptolemy_flags::kEarth },
        { "draw_planet", ptolemy_flags::kPlanet }, { "draw_dots", ptolemy_flags::kDots },
        { "draw_match", ptolemy_flags::kMatch }, { "draw_animated", ptolemy_flags::kAnimated },
        { "draw_drag", ptolemy_flags::kDrag }, { "draw_full_trace", ptolemy_flags::kFullTrace } };
    for (const auto& argument : arguments) {
        std::int32_t flags = 0;
        EXPECT_EQ(universe.SetDrawArgument(argument.name, "y", flags, 1), S_OK) << argument.name;
        EXPECT_EQ(flags, argument.flag) << argument.name;
        EXPECT_EQ(universe.SetDrawArgument(argument.name, "N", flags, 1), S_OK) << argument.name;
        EXPECT_EQ(flags, 0) << argument.name;
    }
    EXPECT_EQ(recorder.count(), 0u);
    std::int32_t flags = 0;
    EXPECT_EQ(universe.SetDrawArgument("draw_planet", "yes", flags, 1), E_FAIL);
    EXPECT_EQ(flags, 0);
    EXPECT_EQ(recorder.last().text, "PtolemyUniverse: unrecognized argument: draw_planet = yes");
    EXPECT_EQ(universe.ParseDrawArgument("draw_stat=T", flags, 1), S_OK);
    EXPECT_EQ(flags, 1);
    EXPECT_EQ(universe.SetDrawArgument("draw_nothing", "1", flags, 1), E_FAIL);
    EXPECT_EQ(recorder.last().caption, "Astreon Error");
}

TEST_F(PtolemyUniverseModel, WindowThreadOperationsInterleaveSafelyWithTicks)
{
    // The clock ticks throughout; every operation below takes the universe lock
    // first and the clock lock second, as the clock thread's ticks never do the reverse.
    const auto chain = std::make_unique<PtolemyOrbit>(
        "epicycle", 0, 3, 2, std::make_unique<PtolemyOrbit>("deferent", 0, 1, 10, nullptr));
    std::atomic<bool> running { true };
    std::thread reader([&] {
        while (running.load()) {
            universe.Lock();
            PtolemyBody* body = universe.Bodies().Get(0);
            const ObservationTrail& trail = body->RunningTrail();
            for (std::int32_t k = 0; k < trail.count(); ++k)
                static_cast<void>(trail.logical(k));
            static_cast<void>(body->ViewExtent(0));
            universe.Unlock();
        }
    });
    for (int round = 0; round < 30; ++round) {
        universe.Bodies().Get(0)->Randomize();
        universe.Bodies().Get(0)->SetChain(chain.get());
        universe.Reset();
        universe.RandomizeAll();
        universe.Bodies().Get(0)->SetTrailLength(round % 2 ? 50 : 500);
        EXPECT_GE(universe.Bodies().Get(0)->ViewExtent(0), 1.0);
    }
    running = false;
    reader.join();
    const std::int32_t generation = universe.GetGeneration();
    EXPECT_TRUE(waitUntil([&] { return universe.GetGeneration() != generation; }));
}

TEST_F(PtolemyUniverseModel, DrawsInThePlaneAndOnTheSkyWhileTheClockTicks)
{
    // Drawing holds the universe lock and takes the clock's lock only to read the time, so
    // ticks append to the running trails while a system is drawn: under ThreadSanitizer
    // this checks that everything a draw reads is kept still by a lock the tick respects.
    using namespace ptolemy_flags;
    universe.Bodies().Get(0)->SetTrailLength(500);
    QImage buffer(160, 120, QImage::Format_RGB32);
    const std::int32_t plane = kFormatted | kLines | kDots | kCircles | kPlanet | kAnimated | kLabels;
    const std::int32_t sky = kFormatted | kSky | kPlanet | kLabels;
    const std::int32_t start = universe.GetGeneration();
    int frames = 0;
    EXPECT_TRUE(waitUntil([&] {
        raster::DeviceContext context(buffer);
        context.fillRect(0, 0, buffer.width(), buffer.height(), makeColour(255, 255, 255));
        EXPECT_EQ(universe.Draw(context, buffer.width(), buffer.height(), ++frames % 2 ? plane : sky), S_OK);
        return universe.GetGeneration() - start >= 5;
    }));
}

TEST(PtolemyUniverseLifetime, DestroyingWhileTickingWaitsForTheClock)
{
    for (int k = 0; k < 5; ++k) {
        auto universe = std::make_unique<PtolemyUniverse>();
        const std::int32_t generation = universe->GetGeneration();
        EXPECT_TRUE(waitUntil([&] { return universe->GetGeneration() != generation; }));
        universe.reset();
    }
}

} // namespace

TEST_F(PtolemyUniverseModel, SeekShowsTheModelAsIfItHadRunThereAndRefusesTimesBeforeTheStart)
{
    setPaused(universe, true);
    universe.Lock();
    PtolemyBody* const body = universe.Bodies().Get(0);
    body->SetTrailLength(5);
    universe.Unlock();
    const double step = universe.frameStep();
    const std::int32_t generation = universe.GetGeneration();

    ASSERT_TRUE(universe.seekTo(100 * step));
    EXPECT_NE(universe.GetGeneration(), generation) << "the windows draw the new moment";
    EXPECT_DOUBLE_EQ(universe.Time(), 100 * step);
    const ObservationTrail& trail = body->RunningTrail();
    ASSERT_EQ(trail.count(), 5);
    for (std::int32_t i = 0; i < 5; ++i) {
        const double t = (96 + i) * step;
        const ModelPoint expected = body->PlanetPosition(t);
        EXPECT_NEAR(trail.logical(i).t, t, 1e-12);
        EXPECT_NEAR(trail.logical(i).x, expected.x, 1e-9);
        EXPECT_NEAR(trail.logical(i).y, expected.y, 1e-9);
    }

    ASSERT_TRUE(universe.seekTo(2 * step));
    EXPECT_EQ(trail.count(), 3) << "nothing before time 0";
    EXPECT_FALSE(universe.seekTo(-step));
    EXPECT_FALSE(universe.seekTo(std::nan("")));
    EXPECT_DOUBLE_EQ(universe.Time(), 2 * step);
}
