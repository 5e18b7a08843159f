// The fitted universes follow their observed trails: each is matched against its trail and,
// run by the engine's own model at the trail's times, stays close to its longitudes.
#include "ephemeris/CycleFitter.h"
#include "ephemeris/LongitudeComparison.h"
#include "platform/Message.h"
#include "ptolemy/PtolemyBody.h"
#include "ptolemy/PtolemyUniverse.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <iostream>

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
