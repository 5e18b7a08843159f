// The universes and layouts shipped in data/ load and show their characteristic motion.
#include "ptolemy/PtolemyBody.h"
#include "ptolemy/PtolemyUniverse.h"

#include "platform/ColourContrast.h"
#include "platform/Message.h"
#include "ptolemy/ObservationColours.h"
#include "sources/ImageSourceBuilder.h"
#include "support/TestFiles.h"
#include "xml/XmlDocument.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

constexpr double kPi = 3.14159265358979323846;

// How many times the geocentric longitude of the full trace turns backwards (the
// start of a retrograde arc), and the largest forward step in radians.
struct Motion {
    int retrogradeStarts = 0;
    double smallestStep = 1e9;
    double largestStep = 0;
};

Motion motionOf(const ObservationTrail& trace)
{
    Motion motion;
    bool backwards = false;
    for (std::int32_t k = 1; k < trace.count(); ++k) {
        double step = trace.logical(k).az - trace.logical(k - 1).az;
        if (step > kPi)
            step -= 2 * kPi;
        if (step < -kPi)
            step += 2 * kPi;
        if (step < 0 && !backwards)
            ++motion.retrogradeStarts;
        backwards = step < 0;
        motion.smallestStep = std::min(motion.smallestStep, step);
        motion.largestStep = std::max(motion.largestStep, step);
    }
    return motion;
}

class ShippedUniverses : public testing::Test {
protected:
    platform::MessageRecorder recorder;
    testing_support::CurrentDirectoryScope inData { SKYLOOM_DATA_DIR };
    PtolemyUniverse universe;

    const PtolemyBody& load(const std::string& path, int expectedSystems = 1)
    {
        EXPECT_EQ(universe.LoadFromPath(path), S_OK) << path;
        EXPECT_EQ(universe.Bodies().Count(), expectedSystems) << path;
        EXPECT_EQ(universe.ShownFile(), path);
        return *universe.Bodies().Get(0);
    }
};

TEST_F(ShippedUniverses, EpicycleLoopsFourTimesAPeriod)
{
    const PtolemyBody& body = load("AstreonFiles/Epicycle.ptu");
    EXPECT_EQ(motionOf(body.FullTrace()).retrogradeStarts, 4);
    EXPECT_NEAR(body.FullTrace().logical(body.FullTrace().count() - 1).t, 1.0, 0.01);
}

TEST_F(ShippedUniverses, SunNeverTurnsBackButRunsUnevenly)
{
    const Motion motion = motionOf(load("AstreonFiles/Sun.ptu").FullTrace());
    EXPECT_EQ(motion.retrogradeStarts, 0);
    // An eccentricity of 2.5 in 60 makes the Sun's daily motion vary by about 8 %.
    EXPECT_GT(motion.largestStep / motion.smallestStep, 1.06);
    EXPECT_LT(motion.largestStep / motion.smallestStep, 1.12);
}

TEST_F(ShippedUniverses, PtolemysPlanetsMakeRetrogradeLoops)
{
    const struct {
        const char* path;
        double epicycle;
    } planets[] = { { "AstreonFiles/Mars.ptu", 39.5 }, { "AstreonFiles/Jupiter.ptu", 11.5 },
        { "AstreonFiles/Saturn.ptu", 6.5 }, { "AstreonFiles/Venus.ptu", 43.17 } };
    for (const auto& planet : planets) {
        const PtolemyBody& body = load(planet.path);
        ASSERT_NE(body.Chain(), nullptr) << planet.path;
        EXPECT_DOUBLE_EQ(body.Chain()->r, planet.epicycle) << planet.path;
        const PtolemyOrbit* deferent = body.Chain()->next.get();
        ASSERT_NE(deferent, nullptr);
        EXPECT_DOUBLE_EQ(deferent->r, 60);
        // The equant lies as far beyond the centre as the centre from the Earth.
        EXPECT_DOUBLE_EQ(deferent->eqx, deferent->eccx);
        EXPECT_DOUBLE_EQ(deferent->eqy, deferent->eccy);
        // Each starts in the middle of a retrograde arc (opposition or inferior conjunction).
        const Motion motion = motionOf(body.FullTrace());
        EXPECT_GE(motion.retrogradeStarts, 1) << planet.path;
        EXPECT_LT(motion.smallestStep, 0) << planet.path;
        EXPECT_LT(body.FullTrace().logical(1).az, body.FullTrace().logical(0).az) << planet.path;
    }
    load("AstreonFiles/Planets.ptu", 4);
    EXPECT_EQ(recorder.count(), 0u);
}

// Trails, circles and labels of the universes shown on the white plane, and the observations
// matched against them, stand at least 3:1 from the white (the candy universes are shown on
// their dark frame, against which their pale colours stand).
TEST_F(ShippedUniverses, TheirColoursStandOutOnTheWhitePlane)
{
    constexpr ColourRef kWhite = makeColour(255, 255, 255);
    for (const ColourRef observation :
        { observation_colours::kPast, observation_colours::kFuture, observation_colours::kCurrent })
        EXPECT_GE(platform::contrastRatio(observation, kWhite), 3.0);
    for (const char* path : { "AstreonFiles/Epicycle.ptu", "AstreonFiles/Mars.ptu", "AstreonFiles/Mars Fitted.ptu",
             "AstreonFiles/Jupiter.ptu", "AstreonFiles/Jupiter Fitted.ptu", "AstreonFiles/Saturn.ptu",
             "AstreonFiles/Saturn Fitted.ptu", "AstreonFiles/Venus.ptu", "AstreonFiles/Venus Fitted.ptu",
             "AstreonFiles/Sun.ptu", "AstreonFiles/Sun Fitted.ptu" }) {
        const PtolemyBody& body = load(path);
        EXPECT_GE(platform::contrastRatio(body.GetOrbitColour(), kWhite), 3.0) << path;
        EXPECT_GE(platform::contrastRatio(body.GetTraceColour(), kWhite), 3.0) << path;
    }
}

// The universe of the Sun-centred view holds the fitted Mars, matched, and the fitted Sun
// scaled to the radius of Mars' epicycle (which changes none of its longitudes), not matched.
TEST_F(ShippedUniverses, MarsAndTheSunAreTheFittedOnesWithTheSunScaledToTheEpicycle)
{
    load("AstreonFiles/Mars Fitted.ptu");
    const std::uint64_t mars = universe.Bodies().Get(0)->Chain()->ChainKey();
    const std::unique_ptr<PtolemyOrbit> sun = load("AstreonFiles/Sun Fitted.ptu").Chain()->Copy();
    load("AstreonFiles/Mars And The Sun.ptu", 2);
    const PtolemyBody& shownSun = *universe.Bodies().Get(1);
    EXPECT_EQ(universe.Bodies().Get(0)->Chain()->ChainKey(), mars);
    EXPECT_NE(universe.Bodies().Get(0)->matchTrail(), nullptr);
    EXPECT_EQ(shownSun.GetName(), PtolemyUniverse::kSunName);
    EXPECT_EQ(shownSun.matchTrail(), nullptr);
    const double scale = universe.Bodies().Get(0)->Chain()->r / sun->r;
    const PtolemyOrbit& scaled = *shownSun.Chain();
    EXPECT_EQ(scaled.next, nullptr);
    EXPECT_EQ(scaled.phi, sun->phi);
    EXPECT_EQ(scaled.om, sun->om);
    EXPECT_NEAR(scaled.r, sun->r * scale, 1e-6);
    EXPECT_NEAR(scaled.eccx, sun->eccx * scale, 1e-6);
    EXPECT_NEAR(scaled.eccy, sun->eccy * scale, 1e-6);
    EXPECT_EQ(recorder.count(), 0u);
}

TEST(ShippedLayouts, UniverseLayoutsBuildWithTheirArguments)
{
    platform::MessageRecorder recorder;
    testing_support::CurrentDirectoryScope inData { SKYLOOM_DATA_DIR };
    for (const char* path : { "AstreonLayouts/PtolemyUniverse.lay", "AstreonLayouts/One Universe.lay",
             "AstreonLayouts/4 Universes.lay", "AstreonLayouts/Ptolemy And The Sun.lay" }) {
        XmlDocument document;
        ASSERT_EQ(document.loadFile(path, 1), S_OK) << path;
        XmlNode collections(document.getCurrent());
        ASSERT_EQ(collections.select("Layout/ImageSourceCollection"), S_OK);
        int built = 0;
        for (; !collections.getSelected().isNull(); collections.next()) {
            XmlNode collection(collections.getSelected());
            XmlNode source(collection.getCurrent());
            source.select("ImageSource");
            XmlNode element(source.getSelected());
            ImageSourceBuilder builder;
            std::unique_ptr<ImageSource> universe;
            ASSERT_EQ(builder.Build(&element, universe), S_OK) << path;
            XmlNode arguments(collection.getCurrent());
            arguments.select("Windows/ObserverWindow/DrawRequest/arg");
            std::int32_t request = 0;
            universe->GetDefaultDrawRequest(&request);
            for (; !arguments.getSelected().isNull(); arguments.next()) {
                std::string text;
                arguments.readSelectedText(".", text);
                EXPECT_EQ(universe->ParseDrawArgument(text, request, 1), S_OK) << path << ": " << text;
            }
            ++built;
        }
        EXPECT_GT(built, 0) << path;
    }
    EXPECT_EQ(recorder.count(), 0u);
}

// Loading a universe file draws no random numbers: the systems drawn at random afterwards are
// those that would have followed the random system the universe started with.
TEST(ShippedUniverseRandomness, LoadingAFileDrawsNoRandomNumbers)
{
    platform::MessageRecorder recorder;
    std::srand(77);
    PtolemyBody started(nullptr);
    started.Randomize();
    PtolemyBody expected(nullptr);
    expected.Randomize();

    std::srand(77);
    PtolemyUniverse universe;
    ASSERT_EQ(universe.LoadFromPath(std::string(SKYLOOM_DATA_DIR) + "/AstreonFiles/Mars.ptu"), S_OK);
    ASSERT_EQ(universe.Bodies().Count(), 1);
    universe.RandomizeAll();
    const auto drawn = universe.Bodies().Get(0)->CopyChain();
    const PtolemyOrbit* a = drawn.get();
    const PtolemyOrbit* b = expected.Chain();
    ASSERT_NE(a, nullptr);
    for (; a && b; a = a->next.get(), b = b->next.get()) {
        EXPECT_DOUBLE_EQ(a->r, b->r);
        EXPECT_DOUBLE_EQ(a->om, b->om);
        EXPECT_DOUBLE_EQ(a->phi, b->phi);
        EXPECT_DOUBLE_EQ(a->eqx, b->eqx);
    }
    EXPECT_EQ(a, nullptr);
    EXPECT_EQ(b, nullptr);
    EXPECT_EQ(recorder.count(), 0u);
}

} // namespace
