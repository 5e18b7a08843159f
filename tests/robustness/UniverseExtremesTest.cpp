// Universe files of extreme numbers, structures and texts given to a Ptolemy universe that
// already shows systems: nothing crashes, a file that does not read keeps the systems on
// show, and systems that do read can be drawn and run.
#include "RobustnessCorpus.h"

#include "platform/Message.h"
#include "platform/Registry.h"
#include "ptolemy/PtolemyBody.h"
#include "ptolemy/PtolemyFlags.h"
#include "ptolemy/PtolemyUniverse.h"
#include "ptolemy/UniverseFile.h"
#include "raster/DeviceContext.h"
#include "support/TestFiles.h"
#include "xml/XmlDocument.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

using robustness::Extreme;

// `text` with its first `from` replaced by `to`.
std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    const std::size_t at = text.find(from);
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// The systems a universe shows, by identity and by content.
struct UniverseSnapshot {
    std::vector<const PtolemyBody*> bodies;
    std::vector<const PtolemyOrbit*> chains;
    std::vector<std::string> names;
    std::vector<int> orbCounts;
    std::vector<ColourRef> colours;
    std::string shownFile;

    bool operator==(const UniverseSnapshot& other) const = default;

    static UniverseSnapshot take(PtolemyUniverse& universe)
    {
        UniverseSnapshot snapshot;
        for (std::int32_t i = 0; i < universe.Bodies().Count(); ++i) {
            PtolemyBody* body = universe.Bodies().Get(i);
            snapshot.bodies.push_back(body);
            snapshot.chains.push_back(body->Chain());
            snapshot.names.push_back(body->GetName());
            snapshot.orbCounts.push_back(body->OrbCount());
            snapshot.colours.push_back(body->GetOrbitColour());
            snapshot.colours.push_back(body->GetTraceColour());
        }
        snapshot.shownFile = universe.ShownFile();
        return snapshot;
    }
};

constexpr std::int32_t kEveryDrawing = ptolemy_flags::kLines | ptolemy_flags::kCircles | ptolemy_flags::kMatch
    | ptolemy_flags::kPlanet | ptolemy_flags::kDots | ptolemy_flags::kFullTrace | ptolemy_flags::kEarth
    | ptolemy_flags::kFormatted | ptolemy_flags::kAnimated | 1;

class UniverseExtremesTest : public testing::Test {
protected:
    // Shows the systems of `path`; the file must read.
    void showUniverse(const std::string& path)
    {
        goodFile = path;
        ASSERT_EQ(universe.SetArgument("src", path, 0), S_OK) << path;
        ASSERT_GT(universe.Bodies().Count(), 0) << path;
    }

    // Gives the universe one extreme, through the "src" argument or (every other one)
    // through a loaded document as the systems dialog adds a file. A failure must leave
    // the systems as they were; systems that read are drawn.
    void loadExtreme(const Extreme& extreme, bool asDocument)
    {
        const std::string path = scratch.write("extreme.ptu", extreme.bytes);
        const UniverseSnapshot before = UniverseSnapshot::take(universe);
        HRESULT result = S_OK;
        if (asDocument) {
            XmlDocument document;
            result = document.loadFile(path.c_str(), 1);
            if (SUCCEEDED(result)) {
                result = ReadUniverseFile(universe, document);
            }
        } else {
            result = universe.SetArgument("src", path, 1);
        }
        recorder.clear();
        if (FAILED(result)) {
            ++failedExtremes;
            EXPECT_TRUE(UniverseSnapshot::take(universe) == before)
                << "systems changed by a failed load: " << extreme.description;
            return;
        }
        ++loadedExtremes;
        draw();
        ASSERT_NO_FATAL_FAILURE(showUniverse(goodFile));
    }

    void loadExtremes(const std::vector<Extreme>& extremes)
    {
        for (std::size_t k = 0; k < extremes.size() && !HasFatalFailure(); ++k)
            loadExtreme(extremes[k], k % 2 == 1);
    }

    void draw()
    {
        QImage image(120, 90, QImage::Format_RGB32);
        raster::DeviceContext context(image);
        EXPECT_EQ(universe.Draw(context, image.width(), image.height(), kEveryDrawing), S_OK);
    }

    testing_support::TemporaryFolder scratch;
    testing_support::CurrentDirectoryScope directory { platform::programDataDir() };
    platform::MessageRecorder recorder;
    PtolemyUniverse universe;
    std::string goodFile;
    int loadedExtremes = 0;
    int failedExtremes = 0;
};

TEST_F(UniverseExtremesTest, ExtremeNumbersReadAndDraw)
{
    ASSERT_NO_FATAL_FAILURE(showUniverse("AstreonFiles/Mars.ptu"));
    std::vector<Extreme> extremes;
    for (const std::string& number : robustness::extremeNumbers())
        extremes.push_back({ "every orb field " + number, robustness::universeText(number) });
    loadExtremes(extremes);
    EXPECT_GT(loadedExtremes, 0);
    EXPECT_GT(failedExtremes, 0);
}

TEST_F(UniverseExtremesTest, MatchTrailsWithExtremeValuesDraw)
{
    ASSERT_NO_FATAL_FAILURE(showUniverse("AstreonFiles/Mars.ptu"));
    const std::string oneBody = robustness::universeText("1");
    std::vector<Extreme> extremes;
    int index = 0;
    for (const std::string& number : robustness::extremeNumbers()) {
        // One ordinary record among extreme ones, so that extents and scales mix both.
        std::string trail = robustness::trailText("3", 2, number);
        trail.insert(trail.find("</ObservationTrail>"),
            "<Observation><x>1</x><y>1</y><az>0.5</az><el>0.5</el><t>0.5</t></Observation>\n");
        const std::string trailPath = scratch.write("match" + std::to_string(index++) + ".obs", trail);
        extremes.push_back(
            { "match trail of " + number, replaced(oneBody, "<match></match>", "<match>" + trailPath + "</match>") });
    }
    loadExtremes(extremes);
    EXPECT_GT(loadedExtremes, 0);
}

TEST_F(UniverseExtremesTest, ExtremeStructuresAndTexts)
{
    ASSERT_NO_FATAL_FAILURE(showUniverse("AstreonFiles/Mars.ptu"));
    const std::string huge(10 * 1024 * 1024, 'n');
    const std::string oneBody = robustness::universeText("1");
    const std::string body = oneBody.substr(
        oneBody.find("<PtolemyBody>"), oneBody.find("</PtolemyUniverse>") - oneBody.find("<PtolemyBody>"));
    const std::string orb = oneBody.substr(
        oneBody.find("<PtolemyOrbit>"), oneBody.find("</PtolemyBody>") - oneBody.find("<PtolemyOrbit>"));
    std::string manyOrbs;
    for (int k = 0; k < 1000; ++k)
        manyOrbs += orb;
    std::string manyBodies;
    for (int k = 0; k < 100; ++k)
        manyBodies += body;
    std::vector<Extreme> extremes = {
        { "universe nested 100000 deep", robustness::nested("PtolemyUniverse", 100000) },
        { "body nested 100000 deep",
            "<PtolemyUniverse>" + robustness::nested("PtolemyBody", 100000) + "</PtolemyUniverse>" },
        { "orb nested 100000 deep", robustness::universeText("1", robustness::nested("PtolemyOrbit", 100000)) },
        { "10 MB name", replaced(oneBody, "<name>Extreme</name>", "<name>" + huge + "</name>") },
        { "10 MB number", replaced(oneBody, "<phi>1</phi>", "<phi>" + huge + "</phi>") },
        { "10 MB colour", robustness::universeText("1", "<orbitcolor><arg>red=" + huge + "</arg></orbitcolor>") },
        { "1000 orbs in one system", replaced(oneBody, orb, manyOrbs) },
        { "100 systems", "<PtolemyUniverse>" + manyBodies + "</PtolemyUniverse>" },
        { "bad colour", robustness::universeText("1", "<tracecolor><arg>red=256</arg></tracecolor>") },
    };
    for (const std::string& path : robustness::awkwardPaths())
        extremes.push_back(
            { "match '" + path + "'", replaced(oneBody, "<match></match>", "<match>" + path + "</match>") });
    loadExtremes(extremes);
    EXPECT_GT(loadedExtremes, 0);
    EXPECT_GT(failedExtremes, 0);
}

} // namespace
