// The error readout and the residual plot against longitudes worked out by hand: one cycle
// turning evenly moves the planet's longitude on by a fixed number of degrees a year, and the
// observations lie a known amount away from it.
#include "ptolemy/PtolemyUniverse.h"

#include "imagesource/SimulationClock.h"
#include "platform/Message.h"
#include "ptolemy/PtolemyBody.h"
#include "ptolemy/PtolemyFlags.h"
#include "ptolemy/ResidualPlot.h"
#include "raster/DeviceContext.h"

#include "support/PixelCounts.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

namespace {

using namespace ptolemy_flags;

// One cycle of radius 20 from phase -0.5 rad turning half a turn a year: its longitude
// crosses 0 degrees at about t = 0.16.
constexpr double kPhase = -0.5;
constexpr double kTurnsAYear = 0.5;
constexpr int kObservations = 11;
constexpr double kStep = 0.1;

double degrees(double radians) { return radians * 180 / std::numbers::pi; }
// The model's longitude, unwrapped: it grows evenly.
double modelDegrees(double t) { return degrees(kPhase + t * kTurnsAYear * PtolemyOrbit::kTurn); }
// How far observation k lies from the model (observed minus model).
double offset(int k) { return 0.5 * std::cos(1.7 * k); }
double observationTime(int k) { return k * kStep; }

class MatchErrorReadout : public testing::Test {
protected:
    platform::MessageRecorder recorder;
    PtolemyUniverse universe;
    QImage image;

    void SetUp() override
    {
        setTime(0);
        const auto chain = std::make_unique<PtolemyOrbit>("cycle", kPhase, kTurnsAYear, 20, nullptr);
        ObservationTrail trail(kObservations);
        for (int k = 0; k < kObservations; ++k) {
            const double observed = (modelDegrees(observationTime(k)) + offset(k)) * std::numbers::pi / 180;
            trail.Append(60 * std::cos(observed), 60 * std::sin(observed), 0, 0, observationTime(k));
        }
        trail.setYears(2018, 2019);
        body().SetName("Mars");
        body().SetChain(chain.get());
        body().SetMatchTrail(&trail);
    }

    PtolemyBody& body() { return *universe.Bodies().Get(0); }

    void setTime(double t)
    {
        universe.Lock();
        universe.LockClock();
        universe.Clock().setPaused(true);
        universe.Clock().setTime(t);
        universe.UnlockClock();
        universe.Unlock();
    }

    // The root mean square of the offsets of the first n observations.
    static double rmsOfFirst(int n)
    {
        double sum = 0;
        for (int k = 0; k < n; ++k)
            sum += offset(k) * offset(k);
        return std::sqrt(sum / n);
    }

    ColourRef pixel(int x, int y) const { return testing_support::colourAt(image, x, y); }
};

TEST_F(MatchErrorReadout, ErrorNowAndRmsSoFarFollowTheObservations)
{
    // Between observations 1 and 2, across 0 degrees: the observed longitude is interpolated
    // there, and the model, turning evenly, lies off it by the interpolated offset.
    const std::vector<MatchError> between = universe.MatchErrors(0.13);
    ASSERT_EQ(between.size(), 1u);
    EXPECT_EQ(between[0].name, "Mars");
    ASSERT_TRUE(between[0].nowDegrees);
    EXPECT_NEAR(*between[0].nowDegrees, -(offset(1) + 0.3 * (offset(2) - offset(1))), 1e-9);
    EXPECT_EQ(between[0].count, 2);
    EXPECT_NEAR(between[0].rmsDegrees, rmsOfFirst(2), 1e-9);

    // At an observation's time it counts, and the error is its own.
    const MatchError atFive = universe.MatchErrors(observationTime(5))[0];
    EXPECT_NEAR(*atFive.nowDegrees, -offset(5), 1e-9);
    EXPECT_EQ(atFive.count, 6);
    EXPECT_NEAR(atFive.rmsDegrees, rmsOfFirst(6), 1e-9);

    // Before the first observation nothing is counted; after the last, all are, but no error now.
    const MatchError before = universe.MatchErrors(-0.01)[0];
    EXPECT_FALSE(before.nowDegrees);
    EXPECT_EQ(before.count, 0);
    const MatchError after = universe.MatchErrors(1.5)[0];
    EXPECT_FALSE(after.nowDegrees);
    EXPECT_EQ(after.count, kObservations);
    EXPECT_NEAR(after.rmsDegrees, rmsOfFirst(kObservations), 1e-9);
}

TEST_F(MatchErrorReadout, OnlySystemsShownMatchedHaveAReadout)
{
    // A window that rules the systems' flags without the match shows none; a residual plot all.
    EXPECT_TRUE(universe.MatchErrors(0.5, kFormatted | kLines).empty());
    EXPECT_EQ(universe.MatchErrors(0.5, kFormatted | kMatch).size(), 1u);
    EXPECT_EQ(universe.MatchErrors(0.5, kFormatted | kResiduals).size(), 1u);
    body().SetVisible(false);
    EXPECT_TRUE(universe.MatchErrors(0.5).empty());
    body().SetVisible(true);
    body().SetMatchTrail(nullptr);
    EXPECT_TRUE(universe.MatchErrors(0.5).empty());
}

TEST_F(MatchErrorReadout, TextsShowTheSignedErrorAndTheRmsInDegrees)
{
    EXPECT_EQ((MatchError { "Mars", 0.4249, 0.306, 5 }).text(), "Mars: model \u2212 observed +0.42°, RMS 0.31°");
    EXPECT_EQ((MatchError { "Mars", -2.346, 1.2, 5 }).text(), "Mars: model \u2212 observed \u22122.35°, RMS 1.20°");
    EXPECT_EQ((MatchError { "Sun", -0.001, 0, 1 }).text(), "Sun: model \u2212 observed +0.00°, RMS 0.00°");
    EXPECT_EQ((MatchError { "Mars", std::nullopt, 0.306, 5 }).text(), "Mars: past the observations, RMS 0.31°");
    EXPECT_EQ((MatchError { "Mars", std::nullopt, 0, 0 }).text(), "Mars: no observation yet");

    // The universe's lines are those of its readout at the time shown, also for a screen reader.
    setTime(0.5);
    const std::string line = universe.MatchErrors(0.5)[0].text();
    EXPECT_EQ(universe.MatchErrorTexts(), std::vector<std::string> { line });
    EXPECT_NE(universe.AccessibleDescription(kFormatted | kMatch | kSky).find(line), std::string::npos);
    EXPECT_EQ(universe.AccessibleDescription(kFormatted | kLines).find("RMS"), std::string::npos);
}

TEST_F(MatchErrorReadout, ResidualPlotDrawsTheZeroLineTheErrorsAndTheTimeShown)
{
    constexpr int kWidth = 400;
    constexpr int kHeight = 200;
    setTime(0.35);
    body().SetTraceColour(makeColour(255, 0, 0));
    image = QImage(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    raster::DeviceContext context(image);
    ASSERT_EQ(universe.Draw(context, kWidth, kHeight, kResiduals), S_OK);

    double largest = 0;
    for (int k = 0; k < kObservations; ++k)
        largest = std::max(largest, std::fabs(offset(k)));
    const ResidualPlot plot(context, kWidth, kHeight, 0, observationTime(kObservations - 1), largest);
    // Between two observations the zero line runs clear of the errors' line (all above or below it).
    const double midway = (observationTime(7) + observationTime(8)) / 2;
    ASSERT_EQ(offset(7) > 0, offset(8) > 0);
    EXPECT_EQ(pixel(plot.x(midway), plot.y(0)), makeColour(120, 120, 120));
    for (int k = 0; k < kObservations; ++k)
        EXPECT_EQ(pixel(plot.x(observationTime(k)), plot.y(-offset(k))), makeColour(255, 0, 0)) << k;
    EXPECT_EQ(pixel(plot.x(0.35), plot.y(plot.limitDegrees()) + 1), makeColour(255, 150, 0));
}

TEST_F(MatchErrorReadout, ResidualPlotStaysUntilAChainChanges)
{
    const std::uint64_t still = universe.StillLayerKey(400, 200, kResiduals);
    setTime(0.7);
    EXPECT_EQ(universe.StillLayerKey(400, 200, kResiduals), still);
    const auto faster = std::make_unique<PtolemyOrbit>("cycle", kPhase, kTurnsAYear * 1.01, 20, nullptr);
    body().SetChain(faster.get());
    EXPECT_NE(universe.StillLayerKey(400, 200, kResiduals), still);
}

} // namespace
