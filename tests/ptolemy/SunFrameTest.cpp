// The Sun-centred view (draw arguments "frame=sun" and "sun=NAME"): places worked out here
// by hand from the cycles against what the universe gives and draws.
#include "ptolemy/PtolemyUniverse.h"

#include "platform/Message.h"
#include "ptolemy/PtolemyBody.h"
#include "ptolemy/PtolemyFlags.h"
#include "ptolemy/UniverseLocks.h"
#include "raster/DeviceContext.h"
#include "support/PixelCounts.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

using namespace ptolemy_flags;
constexpr ColourRef kRed = makeColour(255, 0, 0);
constexpr ColourRef kBlue = makeColour(0, 0, 255);
constexpr int kSize = 206;

// A planet on a deferent of 20 (0.5 turns, from 0.3) and an epicycle of 10 (1 turn, from 0.7);
// "Sol" on a circle of 10 turning with the epicycle, its centre moved by (1, -2). The epicycle
// stays parallel to the line from the Earth to Sol, so seen from Sol the planet goes round a
// circle of 20 about (-1, 2), and the Earth round one of 10 about the same point.
ModelPoint turned(double radius, double turns, double phase, double t)
{
    const double angle = t * turns * PtolemyOrbit::kTurn + phase;
    return { radius * std::cos(angle), radius * std::sin(angle) };
}
ModelPoint planetFromSol(double t)
{
    const ModelPoint deferent = turned(20, 0.5, 0.3, t);
    return { deferent.x - 1, deferent.y + 2 };
}
ModelPoint earthFromSol(double t)
{
    const ModelPoint sol = turned(10, 1, 0.7, t);
    return { -1 - sol.x, 2 - sol.y };
}

class SunCentredView : public testing::Test {
protected:
    void SetUp() override
    {
        UniverseAndClockLock guard(&universe);
        universe.Clock().setPaused(true);
        universe.Clock().setTime(0);
        ASSERT_EQ(universe.Bodies().Add(nullptr), S_OK);
        const auto planet = std::make_unique<PtolemyOrbit>(
            "epicycle", 0.7, 1, 10, std::make_unique<PtolemyOrbit>("deferent", 0.3, 0.5, 20, nullptr));
        const auto sol = std::make_unique<PtolemyOrbit>("circle", 0.7, 1, 10, nullptr, 1, -2);
        setUp(*universe.Bodies().Get(0), "Mars", *planet, kRed);
        setUp(*universe.Bodies().Get(1), "Sol", *sol, kBlue);
    }

    static void setUp(PtolemyBody& body, const char* name, const PtolemyOrbit& chain, ColourRef colour)
    {
        body.SetName(name);
        body.SetChain(&chain);
        body.SetTraceColour(colour);
    }

    std::int32_t request(const char* sun)
    {
        std::int32_t flags = kFormatted | kLines | kFullTrace;
        EXPECT_EQ(universe.SetDrawArgument("frame", "sun", flags, 1), S_OK);
        if (sun) {
            EXPECT_EQ(universe.SetDrawArgument("sun", sun, flags, 1), S_OK);
        }
        return flags;
    }

    void draw(std::int32_t flags)
    {
        image = QImage(kSize, kSize, QImage::Format_RGB32);
        image.fill(Qt::white);
        raster::DeviceContext context(image);
        ASSERT_EQ(universe.Draw(context, kSize, kSize, flags), S_OK);
    }

    bool colourNear(QPointF point, ColourRef colour) const
    {
        const QPoint pixel = point.toPoint();
        return testing_support::countColour(image, colour, QRect(pixel - QPoint(2, 2), QSize(5, 5))) > 0;
    }

    platform::MessageRecorder recorder;
    PtolemyUniverse universe;
    QImage image;
};

TEST_F(SunCentredView, PlacesAreThoseOfTheCyclesLessTheSun)
{
    for (const double t : { 0.0, 0.37, 1.9 }) {
        const std::optional<SunCentredPlaces> places = universe.SunCentredPlacesAt(t, request("Sol"));
        ASSERT_TRUE(places);
        EXPECT_NEAR(places->earth.x, earthFromSol(t).x, 1e-9);
        EXPECT_NEAR(places->earth.y, earthFromSol(t).y, 1e-9);
        ASSERT_EQ(places->planets.size(), 2u);
        EXPECT_EQ(places->planets[0].name, "Mars");
        EXPECT_NEAR(places->planets[0].place.x, planetFromSol(t).x, 1e-9);
        EXPECT_NEAR(places->planets[0].place.y, planetFromSol(t).y, 1e-9);
        EXPECT_NEAR(std::hypot(places->planets[1].place.x, places->planets[1].place.y), 0, 1e-9);
    }
    EXPECT_EQ(recorder.count(), 0u);
}

// Seen from Sol the planet's one-period trace is a circle, the Earth's path another, and a
// line of sight joins the Earth to the planet.
TEST_F(SunCentredView, TracesAndTheLineOfSightAreDrawnWhereTheSunSeesThem)
{
    // Farthest trace point: 20 + |(-1, 2)|, with 5 of room; 103 - 3 pixels for it.
    const double scale = 100 / (20 + std::sqrt(5.0) + 5);
    const QPointF centre(103 - scale, 103 - 2 * scale);
    const std::int32_t fromSol = request("Sol");
    draw(fromSol);
    for (int degrees = 0; degrees < 360; degrees += 15) {
        const double angle = degrees * M_PI / 180;
        const QPointF onCircle(std::cos(angle), -std::sin(angle));
        EXPECT_TRUE(colourNear(centre + 20 * scale * onCircle, kRed)) << degrees;
        EXPECT_TRUE(colourNear(centre + 10 * scale * onCircle, kBlue)) << degrees;
    }
    const auto pixelOf = [&](ModelPoint place) { return QPointF(103 + place.x * scale, 103 - place.y * scale); };
    EXPECT_TRUE(colourNear((pixelOf(earthFromSol(0)) + pixelOf(planetFromSol(0))) / 2, kRed));
    const QPoint between = (centre + QPointF(0, 15 * scale)).toPoint();
    EXPECT_EQ(testing_support::colourAt(image, between.x(), between.y()), makeColour(255, 255, 255));
}

TEST_F(SunCentredView, WithoutASunTheWindowSaysSoAndDrawsNoSystem)
{
    const std::int32_t flags = request(nullptr);
    EXPECT_FALSE(universe.SunCentredPlacesAt(0, flags));
    EXPECT_NE(universe.MissingSunText(flags).find("\"Sun\""), std::string::npos);
    EXPECT_NE(universe.AccessibleDescription(flags).find("\"Sun\""), std::string::npos);
    draw(flags);
    EXPECT_GT(testing_support::countNotWhite(image, QRect(0, 0, kSize, 30)), 20);
    EXPECT_EQ(testing_support::countNotWhite(image, QRect(0, 40, kSize, kSize - 40)), 0);
    EXPECT_TRUE(universe.MissingSunText(request("Sol")).empty());
}

TEST_F(SunCentredView, FrameAndSunArgumentsTakeTheirWordsAndRefuseOthers)
{
    std::int32_t flags = kLines;
    EXPECT_EQ(universe.ParseDrawArgument("frame=sun", flags, 1), S_OK);
    EXPECT_EQ(universe.ParseDrawArgument("sun=Sol", flags, 1), S_OK);
    EXPECT_EQ(universe.SunCentredPlacesAt(0, flags)->planets.size(), 2u);
    EXPECT_EQ(universe.ParseDrawArgument("sun=Sun", flags, 1), S_OK);
    EXPECT_EQ(universe.ParseDrawArgument("frame=earth", flags, 1), S_OK);
    EXPECT_EQ(flags, kLines);
    EXPECT_EQ(recorder.count(), 0u);

    EXPECT_EQ(universe.SetDrawArgument("frame", "Sun", flags, 1), E_FAIL);
    EXPECT_EQ(recorder.last().text, "PtolemyUniverse: unrecognized argument: frame = Sun");
    EXPECT_EQ(universe.SetDrawArgument("sun", "", flags, 1), E_FAIL);
    EXPECT_EQ(recorder.last().text, "PtolemyUniverse: unrecognized argument: sun = ");
    EXPECT_EQ(flags, kLines);
}

} // namespace
