// The fitted universes follow their observed trails: each is matched against its trail and,
// run by the engine's own model at the trail's times, stays close to its longitudes.
#include "ephemeris/CalendarDate.h"
#include "ephemeris/CycleFitter.h"
#include "ephemeris/LongitudeComparison.h"
#include "ephemeris/TrailTime.h"
#include "platform/Message.h"
#include "ptolemy/PtolemyBody.h"
#include "ptolemy/PtolemyUniverse.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <iostream>
#include <numbers>

namespace {

TEST(FittedUniverses, FollowTheirObservedTrailsWithinADegree)
{
    platform::MessageRecorder recorder;
    testing_support::CurrentDirectoryScope inData { SKYLOOM_DATA_DIR };
    for (const char* body : { "Mars", "Venus", "Jupiter", "Saturn", "Sun" }) {
        PtolemyUniverse universe;
        ASSERT_EQ(universe.LoadFromPath(std::string("AstreonFiles/") + body + " Fitted.ptu"), S_OK) << body;
        ASSERT_EQ(universe.Bodies().Count(), 1) << body;
        PtolemyBody& system = *universe.Bodies().Get(0);
        EXPECT_EQ(system.GetName(), body);
        EXPECT_EQ(system.GetMatchPath(), std::string("AstreonFiles/") + body + " Observed.obs");
        ASSERT_NE(system.matchTrail(), nullptr) << body;
        ASSERT_NE(system.Chain(), nullptr) << body;

        const LongitudeError error = LongitudeComparison(*system.matchTrail()).error(*system.Chain());
        std::cout << body << ": longitude error RMS " << error.rmsDegrees << " deg, largest " << error.largestDegrees
                  << " deg\n";
        RecordProperty(std::string(body) + "RmsDegrees", std::to_string(error.rmsDegrees));
        EXPECT_LT(error.rmsDegrees, 1.0) << body;
    }
    EXPECT_EQ(recorder.count(), 0u);
}

// A layout of several of them ("Five Planets.lay") shows one moment on every strip: the trails
// share one span, which holds Mars' opposition of 2020 October 13 and its retrograde loop well
// inside (a year or more from either end).
TEST(FittedUniverses, TheObservedTrailsShareOneSpanWithMarsLoopOf2020Inside)
{
    platform::MessageRecorder recorder;
    testing_support::CurrentDirectoryScope inData { SKYLOOM_DATA_DIR };
    std::vector<ObservationTrail> trails;
    for (const char* body : { "Mars", "Venus", "Jupiter", "Saturn", "Sun" }) {
        PtolemyUniverse universe;
        ASSERT_EQ(universe.LoadFromPath(std::string("AstreonFiles/") + body + " Fitted.ptu"), S_OK) << body;
        ASSERT_NE(universe.Bodies().Get(0)->matchTrail(), nullptr) << body;
        trails.emplace_back(*universe.Bodies().Get(0)->matchTrail());
    }
    const ObservationTrail& mars = trails.front();
    for (const ObservationTrail& trail : trails) {
        EXPECT_EQ(trail.startYear(), mars.startYear());
        EXPECT_EQ(trail.endYear(), mars.endYear());
        EXPECT_DOUBLE_EQ(trail.logical(0).t, mars.logical(0).t);
        EXPECT_DOUBLE_EQ(trail.logical(trail.count() - 1).t, mars.logical(mars.count() - 1).t);
    }

    const double opposition = TrailTime(mars.startYear()).at(CalendarDate::parse("2020-10-13")->julianDay());
    // The run of backward steps of Mars' longitude through the opposition.
    const auto backwardsAfter = [&mars](std::int32_t k) {
        return std::remainder(mars.logical(k + 1).az - mars.logical(k).az, 2 * std::numbers::pi) < 0;
    };
    std::int32_t first = 0;
    while (first + 1 < mars.count() && mars.logical(first + 1).t <= opposition)
        ++first;
    ASSERT_TRUE(backwardsAfter(first));
    std::int32_t last = first;
    while (first > 0 && backwardsAfter(first - 1))
        --first;
    while (last + 2 < mars.count() && backwardsAfter(last + 1))
        ++last;
    const double loopStart = mars.logical(first).t;
    const double loopEnd = mars.logical(last + 1).t;
    EXPECT_GT(loopEnd - loopStart, 0.1);
    EXPECT_GT(loopStart, mars.logical(0).t + 1);
    EXPECT_LT(loopEnd, mars.logical(mars.count() - 1).t - 1);
    EXPECT_EQ(recorder.count(), 0u);
}

TEST(FittedUniverses, TheFitFindsTheEccentricCircleThatMadeTheTrail)
{
    const SkyBody& sun = *findSkyBody("sun");
    const CycleModel model(sun);
    // An eccentric Sun with its apogee at 245 degrees, observed every 10 days for a year.
    const CycleModel::Parameters made { 1.0, 4.9, 2.5, 4.276 };
    ObservationTrail trail(37);
    const std::unique_ptr<PtolemyOrbit> circle = model.chain(made);
    for (int k = 0; k < 37; ++k) {
        const double t = k * 10 / 365.25;
        const ModelPoint point = circle->Position(t);
        trail.Append(point.x, point.y, std::atan2(point.y, point.x), 0, t);
    }
    const LongitudeComparison comparison(trail);
    const FittedCycles fitted = CycleFitter(model, comparison).fit();
    EXPECT_LT(fitted.error.rmsDegrees, 1e-6);
    EXPECT_NEAR(fitted.parameters[CycleModel::kEccentricity], 2.5, 1e-4);
    EXPECT_NEAR(fitted.parameters[CycleModel::kApogee], 4.276, 1e-4);
    EXPECT_NEAR(fitted.parameters[CycleModel::kDeferentRate], 1.0, 1e-6);
}

} // namespace
