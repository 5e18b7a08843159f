// The observatory as a student uses it: choose "Sun Like", let the sun move, take three
// readings, publish them to a trail file; and a Kepler display in the same layout that
// plots the published readings after "Update Obs".
#include "HostScreenshot.h"
#include "ObservationFile.h"
#include "ProgramSandbox.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

namespace {

// Observatory.lay creates four observer windows, then the control window (index 4).
const std::string kObservatoryControl = "4";
const double kTwoPi = 6.2831854;
const double kSunTilt = 0.3837777777777778;
const QColor kDefaultHostColour(128, 128, 128);
const QColor kWhite(255, 255, 255);

std::string shippedLayout(const std::string& name)
{
    return ProgramSandbox::rootDirectory() + "/AstreonLayouts/" + name;
}

std::string e2eLayout(const std::string& name) { return std::string(SKYLOOM_E2E_DATA_DIR) + "/layouts/" + name; }

// A sun-like reading lies on the 100 x 150 ellipse at the angle its time gives.
void expectSunLikeReading(const ObservationFile::Reading& reading)
{
    const double angle = reading.t * kTwoPi;
    EXPECT_NEAR(reading.x, std::cos(angle) * 50.0, 1e-3);
    EXPECT_NEAR(reading.y, std::sin(angle) * 75.0, 1e-3);
    EXPECT_NEAR(reading.az, std::atan2(reading.y, reading.x), 1e-5);
    EXPECT_NEAR(reading.el, std::sin(reading.az) * kSunTilt, 1e-5);
}

TEST(ObservatoryFlowTest, ThreeSunLikeReadingsArePublishedToATrailFile)
{
    const ProgramSandbox sandbox;
    const std::string trailFile = sandbox.file("sun.obs");
    const std::string press = "press " + kObservatoryControl + " ";
    const std::string script = sandbox.writeScript("observe.txt",
        { press + "Sun Like", "wait 2000", press + "Take Reading", "wait 50", press + "Take Reading", "wait 50",
            press + "Take Reading", "answer-file " + trailFile, press + "Publish", "quit" });

    const ProgramResult result = sandbox.run({ "--batch", "--script", script, "--", shippedLayout("Observatory.lay") });

    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.errors, "");
    ASSERT_TRUE(std::filesystem::exists(trailFile));
    const std::string text = testing_support::readWholeFile(trailFile);
    EXPECT_EQ(text.rfind("<?xml version='1.0'?>\n<!DOCTYPE ObservationTrail SYSTEM \"ObsTrailData.dtd\">\n", 0), 0u)
        << text;
    const ObservationFile trail = ObservationFile::parse(text);
    ASSERT_TRUE(trail.wellFormed) << trail.error << "\n" << text;
    EXPECT_EQ(trail.startYear, 400);
    EXPECT_EQ(trail.endYear, 402);
    EXPECT_EQ(trail.numObservations, 3);
    ASSERT_EQ(trail.readings.size(), 3u);
    for (const ObservationFile::Reading& reading : trail.readings) {
        expectSunLikeReading(reading);
        EXPECT_GE(reading.t, 0.0);
        EXPECT_LE(reading.t, 2.0); // the sun-like period is 400 to 402
    }
    EXPECT_LE(trail.readings[0].t, trail.readings[1].t);
    EXPECT_LE(trail.readings[1].t, trail.readings[2].t);
    EXPECT_GT(trail.readings[0].t, 0.0) << "the sun did not move in two seconds";
}

class PublishToKeplerTest : public testing::Test {
protected:
    // Runs the observatory-and-Kepler layout: readings, then `publishSteps`, then
    // "Update Obs" on the Kepler display, with screenshots before and after it.
    void runWithPublish(const std::vector<std::string>& publishSteps)
    {
        std::vector<std::string> steps = { "press 0 Sun Like", "wait 200", "press 0 Take Reading", "wait 100",
            "press 0 Take Reading", "wait 100", "press 0 Take Reading" };
        steps.insert(steps.end(), publishSteps.begin(), publishSteps.end());
        // A press changes the picture at the window's next refresh (40 ms), which nothing
        // outside the program can observe; a fifth of a second is far beyond it.
        steps.insert(steps.end(),
            { "wait 200", "screenshot " + before, "press 2 Update Obs", "wait 200", "screenshot " + after, "quit" });
        const std::string script = sandbox.writeScript("publish.txt", steps);
        result = sandbox.run({ "--batch", "--script", script, "--", e2eLayout("observatory-and-kepler.lay") });
    }

    bool keplerWindowIsWhite(const std::string& shot)
    {
        const HostScreenshot screenshot(shot, kDefaultHostColour);
        EXPECT_TRUE(screenshot.isValid()) << shot;
        return screenshot.isValid() && screenshot.isFilledWith(screenshot.hostPixels(0.35, 0.05, 0.95, 0.95), kWhite);
    }

    ProgramSandbox sandbox;
    const std::string before = sandbox.file("before.png");
    const std::string after = sandbox.file("after.png");
    ProgramResult result;
};

TEST_F(PublishToKeplerTest, UpdateObsPlotsThePublishedReadings)
{
    const std::string trailFile = sandbox.file("kepler.obs");

    runWithPublish({ "answer-file " + trailFile, "press 0 Publish" });

    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.errors, "");
    EXPECT_TRUE(std::filesystem::exists(trailFile));
    EXPECT_TRUE(keplerWindowIsWhite(before));
    EXPECT_FALSE(keplerWindowIsWhite(after));
}

TEST_F(PublishToKeplerTest, CancelledPublishLeavesTheKeplerDisplayEmpty)
{
    runWithPublish({ "answer-cancel", "press 0 Publish" });

    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.errors, "");
    EXPECT_TRUE(keplerWindowIsWhite(before));
    EXPECT_TRUE(keplerWindowIsWhite(after));
}

} // namespace
