#include "ptolemy/PtolemyUniverse.h"

#include "documents/ObservationTrail.h"
#include "imagesource/SimulationClock.h"
#include "platform/Message.h"
#include "platform/ProcessClock.h"
#include "ptolemy/PtolemyBody.h"
#include "ptolemy/PtolemyFlags.h"
#include "ptolemy/SkyStrip.h"
#include "raster/DeviceContext.h"

#include <QImage>

#include "support/PixelCounts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

namespace {

using namespace ptolemy_flags;
constexpr double kPi = 3.14159265358979323846;
const ColourRef kWhite = makeColour(255, 255, 255);
const ColourRef kBlack = makeColour(0, 0, 0);
const ColourRef kRed = makeColour(255, 0, 0);

class PtolemyDrawing : public testing::Test {
protected:
    platform::MessageRecorder recorder;
    PtolemyUniverse universe;
    QImage image;

    void SetUp() override
    {
        // A stopped clock at t = 0 keeps the picture fixed.
        universe.Lock();
        universe.LockClock();
        universe.Clock().setPaused(true);
        universe.Clock().setTime(0);
        universe.UnlockClock();
        universe.Unlock();
    }

    PtolemyBody& body() { return *universe.Bodies().Get(0); }

    // The running trail at t = 0 and t = 1, and the clock at 1.
    void runTheTrailThroughTheFirstYear()
    {
        universe.Lock();
        universe.LockClock();
        body().AppendPosition(0.0);
        body().AppendPosition(1.0);
        universe.Clock().setTime(1.0);
        universe.UnlockClock();
        universe.Unlock();
    }

    void draw(int width, int height, std::int32_t request)
    {
        image = QImage(width, height, QImage::Format_RGB32);
        image.fill(Qt::white);
        raster::DeviceContext context(image);
        ASSERT_EQ(universe.Draw(context, width, height, request), S_OK);
    }

    ColourRef pixel(int x, int y) const { return raster::fromQColor(QColor(image.pixel(x, y))); }

    bool colourNear(int x, int y, ColourRef colour, int reach = 1) const
    {
        for (int dy = -reach; dy <= reach; ++dy)
            for (int dx = -reach; dx <= reach; ++dx)
                if (image.valid(x + dx, y + dy) && pixel(x + dx, y + dy) == colour)
                    return true;
        return false;
    }

    int countColour(ColourRef colour) const { return testing_support::countColour(image, colour); }

    // Whether any pixel of `area` differs from the same pixel of `before`.
    bool changedIn(const QImage& before, QRect area) const
    {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (image.pixel(x, y) != before.pixel(x, y))
                    return true;
        return false;
    }
};

TEST_F(PtolemyDrawing, EccentricDeferentCirclesAreDrawnAboutTheirCentres)
{
    // Extent 5 + 10 + 1 + 2 = 18; a 186 x 186 view gives 93 - 3 = 90 pixels: scale 5.
    const auto chain = std::make_unique<PtolemyOrbit>(
        "epicycle", kPi / 2, 0, 2, std::make_unique<PtolemyOrbit>("deferent", 0, 0, 10, nullptr, 1, 0));
    body().SetChain(chain.get());
    draw(186, 186, kFormatted | kCircles);
    // Deferent about (1, 0): screen (98, 93), radius 50.
    EXPECT_TRUE(colourNear(98, 43, kBlack));
    EXPECT_TRUE(colourNear(98, 143, kBlack));
    EXPECT_TRUE(colourNear(48, 93, kBlack));
    // Epicycle about (11, 0): screen (148, 93), radius 10.
    EXPECT_TRUE(colourNear(148, 83, kBlack));
    EXPECT_TRUE(colourNear(138, 93, kBlack));
    // Inside the circles nothing is filled.
    EXPECT_EQ(pixel(98, 93), kWhite);
    EXPECT_EQ(pixel(148, 93), kWhite);
}

TEST_F(PtolemyDrawing, KnownPlanetPositionLandsOnItsPixel)
{
    // One orb of radius 15 at a quarter turn: the planet is near (0, 15); extent 20,
    // a 206 x 206 view gives scale 100 / 20 = 5: screen (103 + 0, 103 - 75).
    const auto chain = std::make_unique<PtolemyOrbit>("deferent", 0, 1, 15, nullptr);
    body().SetChain(chain.get());
    body().SetDotInterval(1);
    universe.Lock();
    universe.LockClock();
    body().AppendPosition(0.25);
    universe.UnlockClock();
    universe.Unlock();
    draw(206, 206, kFormatted | kDots | kDrag);
    // The dot's fallback is an ellipse of half-size 2 in the trace colour.
    EXPECT_EQ(pixel(102, 28), kRed);
    EXPECT_EQ(pixel(103, 60), kWhite);
    EXPECT_LE(countColour(kRed), 25);
    EXPECT_GT(countColour(kRed), 3);
}

TEST_F(PtolemyDrawing, FullTraceLinesFollowTheCircle)
{
    const auto chain = std::make_unique<PtolemyOrbit>("deferent", 0, 1, 15, nullptr);
    body().SetChain(chain.get());
    draw(206, 206, kFormatted | kFullTrace | kLines);
    EXPECT_TRUE(colourNear(178, 103, kRed));
    EXPECT_TRUE(colourNear(103, 28, kRed));
    EXPECT_TRUE(colourNear(28, 103, kRed));
    EXPECT_TRUE(colourNear(103, 178, kRed));
    EXPECT_EQ(pixel(103, 103), kWhite);
    // Without the formatted flag the body's own flags rule: lines of the running
    // trail (empty) and circles, in black.
    draw(206, 206, kFullTrace | kLines);
    EXPECT_EQ(countColour(kRed), 0);
    EXPECT_TRUE(colourNear(103, 28, kBlack));
}

// A system on show follows a new chain at the next paint: its one-period trace is the new one.
TEST_F(PtolemyDrawing, FullTraceFollowsAChainChangedAfterDrawing)
{
    const auto wide = std::make_unique<PtolemyOrbit>("deferent", 0, 1, 15, nullptr);
    body().SetChain(wide.get());
    draw(206, 206, kFormatted | kFullTrace | kLines);
    EXPECT_TRUE(colourNear(178, 103, kRed));
    // Extent 5 + 5 in a 206 x 206 view: scale 10, a circle of 50 pixels.
    const auto narrow = std::make_unique<PtolemyOrbit>("deferent", 0, 1, 5, nullptr);
    body().SetChain(narrow.get());
    draw(206, 206, kFormatted | kFullTrace | kLines);
    EXPECT_TRUE(colourNear(153, 103, kRed));
    EXPECT_TRUE(colourNear(103, 53, kRed));
    EXPECT_TRUE(colourNear(53, 103, kRed));
    EXPECT_FALSE(colourNear(178, 103, kRed));
}

TEST_F(PtolemyDrawing, AnimatedBandsUseTheUniversePens)
{
    const auto chain = std::make_unique<PtolemyOrbit>("deferent", 0, 1, 15, nullptr);
    body().SetChain(chain.get());
    body().SetBandWidth(100);
    draw(206, 206, kFormatted | kFullTrace | kLines | kAnimated);
    // About 2000 segments in bands of 100 cycle through all five pens in order.
    EXPECT_GT(countColour(makeColour(150, 130, 0)), 50);
    EXPECT_GT(countColour(kBlack), 50);
    EXPECT_GT(countColour(makeColour(0, 140, 140)), 50);
    EXPECT_GT(countColour(makeColour(37, 150, 230)), 50);
    EXPECT_GT(countColour(kRed), 50);
    // Near the start of the trace (the right-most point, going up) the first band is pen 0.
    EXPECT_TRUE(colourNear(178, 100, makeColour(150, 130, 0)));
}

// The bands follow model time (a step every 0.002), not the number of draws: a paused
// universe draws the same bands however often it is drawn, as a fresh drawing would.
TEST_F(PtolemyDrawing, AnimationPhaseFollowsModelTimeNotDraws)
{
    const auto chain = std::make_unique<PtolemyOrbit>("deferent", 0, 1, 15, nullptr);
    body().SetChain(chain.get());
    body().SetAnimationSpeed(25);
    const std::int32_t flags = kFormatted | kFullTrace | kLines | kAnimated;
    const auto phaseAt = [&](double t) {
        universe.Lock();
        universe.LockClock();
        universe.Clock().setTime(t);
        universe.UnlockClock();
        universe.Unlock();
        draw(60, 60, flags);
        return body().AnimationPhase();
    };
    // Speed 25: the accumulator passes 50 on every third step and gives one phase step.
    EXPECT_EQ(phaseAt(0.0045), 0);
    EXPECT_EQ(phaseAt(0.0065), 1);
    EXPECT_EQ(phaseAt(0.0065), 1);
    const QImage paused = image;
    draw(60, 60, flags);
    EXPECT_EQ(image, paused);
    EXPECT_EQ(phaseAt(0.0125), 2);
    // Speed 499 gains 9 a step; the phase stays within one period of the bands (5 x 10).
    body().SetAnimationSpeed(499);
    EXPECT_EQ(phaseAt(0.0125), 54 % 50);
    // A restart shows the bands as they were at the start.
    EXPECT_EQ(phaseAt(0.0), 0);
}

TEST_F(PtolemyDrawing, NoBodiesDrawNothingNotEvenTheEarth)
{
    universe.Lock();
    universe.LockClock();
    universe.Bodies().RemoveAll();
    universe.UnlockClock();
    universe.Unlock();
    draw(100, 100, kFormatted | kEarth | kLines | kCircles);
    EXPECT_EQ(countColour(kWhite), 100 * 100);
}

TEST_F(PtolemyDrawing, SmallViewScaleAndDegenerateNumbers)
{
    const auto chain = std::make_unique<PtolemyOrbit>("deferent", 0, 1, 15, nullptr);
    body().SetChain(chain.get());
    draw(10, 40, kFormatted | kCircles);
    // Numbers far beyond the screen neither crash nor overflow.
    const double huge = std::numeric_limits<double>::max();
    const auto wild = std::make_unique<PtolemyOrbit>("wild", 0, 1, huge / 4, nullptr, huge / 4, huge / 4, huge / 8, 0);
    body().SetChain(wild.get());
    draw(120, 80, kFormatted | kCircles | kLines | kDots | kFullTrace);
    draw(120, 80, 0);
    draw(0, 0, kFormatted | kCircles);
}

TEST_F(PtolemyDrawing, AutoChangeHappensAtTheFirstDrawAfterTheCycle)
{
    // Randomizing clears the shown file, which makes the change visible.
    universe.SetShownFile("kept");
    ASSERT_EQ(universe.SetArgument("changeCycle", "1", 0), S_OK);
    const std::int64_t start = platform::clockMilliseconds();
    while (platform::clockMilliseconds() < start + 3) { }
    EXPECT_EQ(universe.ShownFile(), "kept");
    draw(50, 50, kFormatted | kLines);
    EXPECT_EQ(universe.ShownFile(), "");
    universe.SetShownFile("kept");
    ASSERT_EQ(universe.SetArgument("changeCycle", "100000000", 0), S_OK);
    draw(50, 50, kFormatted | kLines);
    EXPECT_EQ(universe.ShownFile(), "kept");
}

TEST_F(PtolemyDrawing, InvisibleBodiesAndStatistics)
{
    const auto chain = std::make_unique<PtolemyOrbit>("deferent", 0, 1, 15, nullptr);
    body().SetChain(chain.get());
    body().SetVisible(false);
    draw(100, 100, kFormatted | kCircles | kFullTrace | kLines);
    EXPECT_EQ(countColour(kWhite), 100 * 100);
    draw(200, 60, kDrawStatistics);
    EXPECT_LT(countColour(kWhite), 200 * 60);
    PtolemyBody orphan(nullptr);
    QImage other(20, 20, QImage::Format_RGB32);
    raster::DeviceContext context(other);
    EXPECT_EQ(orphan.DrawSystem(context, kFormatted, 10, 10, 0, 1), E_FAIL);
}

} // namespace

// The sky seen from the centre: a planet on a circle about the centre at a quarter turn
// is at longitude 90 degrees; the strip puts it a quarter of the way across, and its
// running trail runs down the strip with time.
TEST_F(PtolemyDrawing, TheSkyStripShowsTheTrailAtItsLongitudeAsTimeRunsDown)
{
    const auto quarterTurn = std::make_unique<PtolemyOrbit>("deferent", kPi / 2, 0, 15, nullptr);
    body().SetChain(quarterTurn.get());
    runTheTrailThroughTheFirstYear();

    draw(372, 218, kFormatted | kLines | kSky);

    // 360 degrees across 372 - 2 x 6 pixels: 90 degrees at 6 + 90; time 0 to 1 down
    // from 18 to 218 - 6.
    const SkyStrip strip(372, 218, 0.0, 1.0);
    ASSERT_EQ(strip.x(90), 96);
    EXPECT_TRUE(colourNear(96, 100, kRed));
    EXPECT_TRUE(colourNear(96, 200, kRed));
    EXPECT_FALSE(colourNear(186, 100, kRed, 3)) << "nothing at 180 degrees";
    EXPECT_DOUBLE_EQ(SkyStrip::longitudeDegrees(-1, 0), 180.0);
    EXPECT_DOUBLE_EQ(SkyStrip::longitudeDegrees(0, -1), 270.0);
}

TEST(SkyStripAxis, DegreeLabelsNeverRunIntoEachOtherHoweverNarrowTheStrip)
{
    // Each label is a group of ink in the band above the grid; labels that ran together
    // would make fewer, wider groups.
    const auto labelGroups = [](int width) {
        QImage image(width, 200, QImage::Format_RGB32);
        image.fill(Qt::white);
        raster::DeviceContext context(image);
        SkyStrip(width, 200, 0.0, 1.0).drawGrid(context);
        int groups = 0;
        int blankRun = 5;
        for (int x = 0; x < width; ++x) {
            bool ink = false;
            for (int y = 0; y < 14 && !ink; ++y)
                ink = image.pixel(x, y) != qRgb(255, 255, 255);
            groups += ink && blankRun >= 5;
            blankRun = ink ? 0 : blankRun + 1;
        }
        return groups;
    };
    EXPECT_EQ(labelGroups(1000), 13) << "every 30 degrees where there is room";
    EXPECT_EQ(labelGroups(320), 7) << "every 60 degrees in a narrow strip";
}

TEST_F(PtolemyDrawing, TheModelTrailStaysVisibleInsideThePastObservationsItRunsThrough)
{
    // Told apart by lightness, not hue: a student who cannot tell red from black still sees
    // the model's trail inside each past observation, which is a ring.
    const auto quarterTurn = std::make_unique<PtolemyOrbit>("deferent", kPi / 2, 0, 15, nullptr);
    ObservationTrail observed(4);
    for (const double t : { 0.0, 0.5, 1.0 })
        observed.Append(0, 15, 0, 0, t);
    observed.setYears(2018, 2019);
    body().SetChain(quarterTurn.get());
    body().SetMatchTrail(&observed);
    runTheTrailThroughTheFirstYear();

    draw(372, 218, kFormatted | kLines | kSky | kMatch);

    const SkyStrip strip(372, 218, 0.0, 1.0);
    const int centreY = strip.y(0.5);
    EXPECT_EQ(pixel(strip.x(90), centreY), kRed) << "the trail through the observation's centre";
    EXPECT_EQ(pixel(strip.x(90) + 1, centreY), kWhite) << "light ground beside the trail, inside the ring";
    EXPECT_TRUE(colourNear(strip.x(90) - 2, centreY, kBlack)) << "the observation's ring";
    body().SetMatchTrail(nullptr);
}

TEST_F(PtolemyDrawing, LabelsNameTheSystemByItsPlanetAndTheCycleByItsCentre)
{
    const auto chain = std::make_unique<PtolemyOrbit>("deferent", 0, 1, 15, nullptr);
    body().SetChain(chain.get());
    body().SetName("Mars");
    draw(206, 206, kFormatted | kCircles);
    const QImage withoutNames = image;

    draw(206, 206, kFormatted | kCircles | kLabels);

    // The cycle's name starts right of and below its centre (103, 103); the system's
    // name above the planet at (178, 103), to its left, as to its right it would leave the
    // window.
    EXPECT_TRUE(changedIn(withoutNames, QRect(105, 105, 40, 20)));
    EXPECT_TRUE(changedIn(withoutNames, QRect(130, 70, 42, 30)));
    EXPECT_FALSE(changedIn(withoutNames, QRect(179, 0, 27, 206)));
    EXPECT_FALSE(changedIn(withoutNames, QRect(0, 150, 90, 56)));
}

// The names stay off the Earth: a deferent whose centre lies just above and left of the
// Earth names itself above its centre, where below it would cover the Earth's picture.
TEST_F(PtolemyDrawing, CycleNamesStayOffTheEarth)
{
    const auto chain = std::make_unique<PtolemyOrbit>("deferent", 0, 0, 10, nullptr, -1, 1);
    body().SetChain(chain.get());
    draw(206, 206, kFormatted | kCircles | kEarth);
    const QImage withoutNames = image;
    draw(206, 206, kFormatted | kCircles | kEarth | kLabels);

    // The Earth's picture covers (96, 96) to (110, 110); the deferent's centre is near (94, 94).
    EXPECT_FALSE(changedIn(withoutNames, QRect(96, 96, 15, 15)));
    EXPECT_TRUE(changedIn(withoutNames, QRect(103, 60, 60, 26))) << "the name above and right of the centre";
}

// Two systems on one chain share the planet's pixel (178, 103): the first name goes above
// and left of it (right would leave the window), the second below and left, off the first.
TEST_F(PtolemyDrawing, NamesOfDifferentSystemsKeepOffOneAnother)
{
    const auto chain = std::make_unique<PtolemyOrbit>("", 0, 1, 15, nullptr);
    body().SetChain(chain.get());
    body().SetName("Mars");
    ASSERT_EQ(universe.Bodies().Insert(1, nullptr), S_OK);
    universe.Bodies().Get(1)->SetChain(chain.get());
    universe.Bodies().Get(1)->SetName("Venus");
    draw(206, 206, kFormatted);
    const QImage withoutNames = image;
    draw(206, 206, kFormatted | kLabels);

    EXPECT_TRUE(changedIn(withoutNames, QRect(110, 75, 62, 22))) << "the first name, above";
    EXPECT_TRUE(changedIn(withoutNames, QRect(110, 109, 62, 22))) << "the second name, below";
}

// On the sky strip too: two systems at 90 degrees at the strip's last time, (96, 212); the
// first name goes above and right, the second above and left (below leaves the window).
TEST_F(PtolemyDrawing, NamesOnTheSkyKeepOffOneAnother)
{
    const auto quarterTurn = std::make_unique<PtolemyOrbit>("", kPi / 2, 0, 15, nullptr);
    body().SetChain(quarterTurn.get());
    body().SetName("Mars");
    ASSERT_EQ(universe.Bodies().Insert(1, nullptr), S_OK);
    universe.Bodies().Get(1)->SetChain(quarterTurn.get());
    universe.Bodies().Get(1)->SetName("Venus");
    runTheTrailThroughTheFirstYear();
    draw(372, 218, kFormatted | kSky);
    const QImage withoutNames = image;
    draw(372, 218, kFormatted | kSky | kLabels);

    EXPECT_TRUE(changedIn(withoutNames, QRect(102, 180, 40, 26))) << "the first name, right";
    EXPECT_TRUE(changedIn(withoutNames, QRect(40, 180, 50, 26))) << "the second name, left";
}
