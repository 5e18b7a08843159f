// The lessons' numbers are true: each lesson's script (data/lessons) runs on the main
// window, and every figure the lesson gives a student is computed here afresh from the
// model and the observations and found in docs/lessons.md.
#include "display/DisplayManager.h"
#include "display/ImageSourceCollection.h"
#include "platform/Chooser.h"
#include "platform/Message.h"
#include "ptolemy/MatchError.h"
#include "ptolemy/PtolemyBody.h"
#include "ptolemy/PtolemyFlags.h"
#include "ptolemy/PtolemyOrbit.h"
#include "ptolemy/PtolemyUniverse.h"
#include "scripting/ScriptRunner.h"
#include "shell/MainWindow.h"
#include "shell/ModelDates.h"
#include "shell/SkyloomProgram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <numbers>
#include <sstream>

namespace {

const std::filesystem::path kDataDir(SKYLOOM_DATA_DIR);

std::string fileText(const std::filesystem::path& path)
{
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

double degreesOf(double x, double y) { return std::atan2(y, x) * 180.0 / std::numbers::pi; }

// Longitudes of a sequence of points, unwrapped into a continuous run.
class UnwrappedLongitude {
public:
    double next(double x, double y)
    {
        const double raw = degreesOf(x, y);
        if (started_)
            total_ += std::remainder(raw - last_, 360.0);
        else
            total_ = raw;
        started_ = true;
        last_ = raw;
        return total_;
    }

private:
    bool started_ = false;
    double last_ = 0;
    double total_ = 0;
};

// True when the chain's planet, seen from the centre, ever moves back in longitude.
bool goesRetrograde(const PtolemyOrbit& chain, double first, double last)
{
    constexpr double kDay = 1.0 / 365.25;
    UnwrappedLongitude longitude;
    double previous = longitude.next(chain.Position(first).x, chain.Position(first).y);
    for (double t = first + kDay; t <= last; t += kDay) {
        const ModelPoint point = chain.Position(t);
        const double now = longitude.next(point.x, point.y);
        if (now < previous)
            return true;
        previous = now;
    }
    return false;
}

class LessonClaims : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(window.displayManager()->load("AstreonLayouts/Mars Against The Sky.lay", 1), S_OK);
        lessons = fileText(kDataDir / ".." / "docs" / "lessons.md");
    }

    PtolemyUniverse* universeAt(std::int32_t index)
    {
        ImageSource* source = nullptr;
        window.displayManager()->committedCollection(index)->getSource(&source);
        return dynamic_cast<PtolemyUniverse*>(source);
    }
    PtolemyUniverse& universe() { return *universeAt(0); }

    PtolemyBody& mars() { return *universe().Bodies().Get(0); }

    // Runs a lesson's script as a student would see it, without its pauses.
    void runLesson(const std::string& name)
    {
        const ParsedScript script = parseScript(fileText(kDataDir / "lessons" / name), skyloomProgram());
        ASSERT_TRUE(script.errors.empty()) << script.errors.front();
        platform::ScriptedChooser chooser;
        std::ostringstream errors;
        ScriptRunner runner(window, chooser, errors);
        for (const ScriptStep& step : script.steps) {
            if (step.kind != ScriptStep::Kind::Wait) {
                EXPECT_TRUE(runner.runStep(step)) << name << ": " << errors.str();
            }
        }
    }

    ClockDrivenSource::TimeSpan span() { return *universe().observedTimeSpan(); }
    double rmsAtTheEnd() { return universe().MatchErrors(span().last).front().rmsDegrees; }

    // The lesson says `phrase`, and `value` rounds to what it claims within `tolerance`.
    void expectClaim(const std::string& phrase, double claimed, double value, double tolerance)
    {
        EXPECT_NE(lessons.find(phrase), std::string::npos) << "docs/lessons.md should say \"" << phrase << '"';
        EXPECT_NEAR(value, claimed, tolerance) << phrase;
    }

    QDate dateOf(double time) { return dateOfModelTime(*universe().calendarStartYear(), time); }

    platform::MessageRecorder recorder;
    MainWindow window;
    std::string lessons;
};

TEST_F(LessonClaims, LessonOneLoopsTheirDatesAndTheRadiusThatEndsThem)
{
    runLesson("1-retrograde-loops.txt");
    const ClockDrivenSource::TimeSpan observed = span();
    expectClaim("in about 11 seconds", 11, (observed.last - observed.first) / universe().modelTimePerSecond(), 0.5);

    // The observed stations of 2020: where the observed longitude turns.
    const ObservationTrail& trail = *mars().matchTrail();
    UnwrappedLongitude longitude;
    std::vector<QDate> stations;
    double before = longitude.next(trail.logical(0).x, trail.logical(0).y);
    double direction = 0;
    for (std::int32_t i = 1; i < trail.count(); ++i) {
        const double now = longitude.next(trail.logical(i).x, trail.logical(i).y);
        if (direction != 0 && (now - before) * direction < 0)
            stations.push_back(dateOf(trail.logical(i - 1).t));
        direction = now - before;
        before = now;
    }
    for (std::int32_t i = 0; i < trail.count(); ++i)
        if (std::abs(dateOf(trail.logical(i).t).daysTo(QDate(2020, 10, 13))) < 3)
            expectClaim("centred near 22 degrees", 22, degreesOf(trail.logical(i).x, trail.logical(i).y), 1);
    const auto near = [&](const QDate& claimed) {
        return std::any_of(
            stations.begin(), stations.end(), [&](const QDate& day) { return std::abs(day.daysTo(claimed)) <= 5; });
    };
    EXPECT_TRUE(near(QDate(2020, 9, 13)) && lessons.find("13 September") != std::string::npos);
    EXPECT_TRUE(near(QDate(2020, 11, 16)) && lessons.find("16 November 2020") != std::string::npos);

    // The script left the epicycle at 25: the loops are gone, as the lesson says.
    std::unique_ptr<PtolemyOrbit> chain = mars().CopyChain();
    PtolemyOrbit* epicycle = chain.get();
    while (epicycle && epicycle->name != "epicycle")
        epicycle = epicycle->next.get();
    ASSERT_NE(epicycle, nullptr);
    EXPECT_NEAR(epicycle->r, 25, 1e-9);
    EXPECT_FALSE(goesRetrograde(*chain, observed.first, observed.last));
    double loops = 39.64;
    double none = 0;
    while (loops - none > 0.01) {
        epicycle->r = (loops + none) / 2;
        (goesRetrograde(*chain, observed.first, observed.last) ? loops : none) = epicycle->r;
    }
    expectClaim("a radius of about 32", 32, none, 0.5);
    EXPECT_EQ(recorder.count(), 0u);
}

TEST_F(LessonClaims, LessonTwoTheErrorWithAndWithoutTheEquant)
{
    expectClaim("RMS 0.30°", 0.30, rmsAtTheEnd(), 0.005);
    runLesson("2-the-equant.txt");
    std::unique_ptr<PtolemyOrbit> chain = mars().CopyChain();
    for (const PtolemyOrbit* orb = chain.get(); orb; orb = orb->next.get())
        EXPECT_FALSE(orb->hasEquant) << orb->name;
    expectClaim("RMS 5.7°", 5.7, rmsAtTheEnd(), 0.05);
}

TEST_F(LessonClaims, LessonThreeTheFittedModelsFollowThePlanets)
{
    ASSERT_EQ(window.displayManager()->load("AstreonLayouts/Five Planets.lay", 1), S_OK);
    struct Row {
        const char* name;
        std::int32_t observations;
        double rms;
        const char* phrase;
    };
    const Row table[] = { { "Mars", 439, 0.30, "| Mars | 439 | 0.30° |" },
        { "Venus", 439, 0.12, "| Venus | 439 | 0.12° |" }, { "Jupiter", 439, 0.07, "| Jupiter | 439 | 0.07° |" },
        { "Saturn", 439, 0.03, "| Saturn | 439 | 0.03° |" },
        { "Sun", 731, 0.009, "| Sun (an eccentric circle) | 731 | 0.009° |" } };
    std::map<std::string, MatchError> errors;
    for (std::int32_t index = 0; index < window.displayManager()->committedCount(); ++index)
        if (PtolemyUniverse* const shown = universeAt(index); shown && shown->observedTimeSpan())
            for (const MatchError& error : shown->MatchErrors(shown->observedTimeSpan()->last))
                errors[error.name] = error;
    for (const Row& row : table) {
        ASSERT_TRUE(errors.contains(row.name)) << row.name;
        EXPECT_EQ(errors[row.name].count, row.observations) << row.name;
        expectClaim(row.phrase, row.rms, errors[row.name].rmsDegrees, row.rms < 0.01 ? 0.0005 : 0.005);
    }
}

// Seen from the Sun (the middle window's view) Mars keeps near a circle while the epicycle's
// radius keeps parallel to the line from the Earth to the Sun; out of step, it does not.
TEST_F(LessonClaims, LessonFourSeenFromTheSunMarsGoesRoundOnANearCircle)
{
    ASSERT_EQ(window.displayManager()->load("AstreonLayouts/Ptolemy And The Sun.lay", 1), S_OK);
    const std::int32_t fromTheSun = ptolemy_flags::kSunFrame;
    struct Extremes {
        double nearest = 1e9;
        double farthest = 0;
        void take(double distance)
        {
            nearest = std::min(nearest, distance);
            farthest = std::max(farthest, distance);
        }
    };
    const auto overTheYears = [&](Extremes& fromEarth, Extremes& fromSun, double& turnedMost) {
        const std::unique_ptr<PtolemyOrbit> chain = mars().CopyChain();
        for (double t = span().first; t <= span().last; t += 1.0 / 365.25) {
            const ModelPoint planet = chain->Position(t);
            const SunCentredPlaces places = *universe().SunCentredPlacesAt(t, fromTheSun);
            fromEarth.take(std::hypot(planet.x, planet.y));
            fromSun.take(std::hypot(places.planets.front().place.x, places.planets.front().place.y));
            // The epicycle's radius, from its centre to Mars, against the Earth to the Sun.
            const ModelPoint centre = chain->CarrierPosition(t);
            const double radius = degreesOf(planet.x - centre.x, planet.y - centre.y);
            const double sun = degreesOf(-places.earth.x, -places.earth.y);
            turnedMost = std::max(turnedMost, std::fabs(std::remainder(radius - sun, 360.0)));
        }
    };
    Extremes fromEarth;
    Extremes fromSun;
    double turnedMost = 0;
    overTheYears(fromEarth, fromSun, turnedMost);
    expectClaim("within about two degrees", 2, turnedMost, 0.25);
    expectClaim("between 55 and 65", 55, fromSun.nearest, 0.5);
    expectClaim("between 55 and 65", 65, fromSun.farthest, 0.5);
    expectClaim("from 15 to 105", 15, fromEarth.nearest, 0.5);
    expectClaim("from 15 to 105", 105, fromEarth.farthest, 0.5);
    const SunCentredPlaces opposition = *universe().SunCentredPlacesAt(
        modelTimeOfDate(*universe().calendarStartYear(), QDate(2020, 10, 13)), fromTheSun);
    const ModelPoint earth = opposition.earth;
    const ModelPoint planet = opposition.planets.front().place;
    EXPECT_LT(std::fabs(std::remainder(degreesOf(earth.x, earth.y) - degreesOf(planet.x, planet.y), 360.0)), 2);
    EXPECT_TRUE(lessons.find("2020-10-13, the opposition") != std::string::npos);

    runLesson("4-ptolemy-and-the-sun.txt");
    Extremes outOfStep;
    Extremes ignored;
    turnedMost = 0;
    overTheYears(ignored, outOfStep, turnedMost);
    expectClaim("between 31 and 92", 31, outOfStep.nearest, 0.5);
    expectClaim("between 31 and 92", 92, outOfStep.farthest, 0.5);
    EXPECT_EQ(recorder.count(), 0u);
}

} // namespace
