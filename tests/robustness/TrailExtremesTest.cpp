// Observation trail files of disagreeing counts, extreme values and structures loaded into a
// trail that already holds records: nothing crashes, and a failed load leaves every record,
// count and year as it was.
#include "RobustnessCorpus.h"

#include "documents/ObservationTrail.h"
#include "platform/Message.h"
#include "support/TestFiles.h"
#include "xml/XmlDocument.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

using robustness::Extreme;

// Everything a trail holds, compared bit for bit (NaN records included).
struct TrailSnapshot {
    std::int32_t capacity = 0;
    std::int32_t start = 0;
    std::int32_t count = 0;
    std::int32_t startYear = 0;
    std::int32_t endYear = 0;
    std::vector<unsigned char> records;

    bool operator==(const TrailSnapshot& other) const = default;

    static TrailSnapshot take(const ObservationTrail& trail)
    {
        TrailSnapshot snapshot { trail.capacity(), trail.start(), trail.count(), trail.startYear(), trail.endYear(),
            {} };
        for (std::int32_t k = 0; k < snapshot.capacity; ++k) {
            const Observation record = trail.record(k);
            const auto* bytes = reinterpret_cast<const unsigned char*>(&record);
            snapshot.records.insert(snapshot.records.end(), bytes, bytes + sizeof record);
        }
        return snapshot;
    }
};

class TrailExtremesTest : public testing::Test {
protected:
    TrailExtremesTest()
    {
        ObservationTrail written(1);
        written.Resize(40);
        for (int k = 0; k < 45; ++k)
            written.Append(k * 0.5, -k * 0.25, k * 0.01, 0.3 - k * 0.002, k / 45.0);
        written.setYears(1580, 1620);
        goodFile = scratch.file("good.obs");
        EXPECT_EQ(written.Save(goodFile), S_OK);
        showGoodTrail();
    }

    void showGoodTrail()
    {
        XmlDocument document;
        ASSERT_EQ(document.loadFile(goodFile.c_str(), 0), S_OK);
        ASSERT_EQ(trail.Load(document, 0), S_OK);
        ASSERT_EQ(trail.count(), 40);
    }

    // Loads one extreme with messages on; a failure must leave the trail as it was.
    void loadExtreme(const Extreme& extreme)
    {
        const TrailSnapshot before = TrailSnapshot::take(trail);
        const std::string path = scratch.write("extreme.obs", extreme.bytes);
        XmlDocument document;
        HRESULT result = document.loadFile(path.c_str(), 1);
        if (SUCCEEDED(result))
            result = trail.Load(document, 1);
        recorder.clear();
        if (FAILED(result)) {
            ++failedExtremes;
            EXPECT_TRUE(TrailSnapshot::take(trail) == before)
                << "trail changed by a failed load: " << extreme.description;
            return;
        }
        ++loadedExtremes;
        EXPECT_GE(trail.count(), 1) << extreme.description;
        EXPECT_LE(trail.count(), 1024) << extreme.description;
        EXPECT_EQ(trail.count(), trail.capacity()) << extreme.description;
        ASSERT_NO_FATAL_FAILURE(showGoodTrail());
    }

    void loadExtremes(const std::vector<Extreme>& extremes)
    {
        for (const Extreme& extreme : extremes) {
            loadExtreme(extreme);
            if (HasFatalFailure())
                return;
        }
    }

    testing_support::TemporaryFolder scratch;
    platform::MessageRecorder recorder;
    ObservationTrail trail;
    std::string goodFile;
    int loadedExtremes = 0;
    int failedExtremes = 0;
};

TEST_F(TrailExtremesTest, DeclaredCountsThatDisagreeWithTheRecords)
{
    loadExtremes({
        { "1024 declared, 1000 written", robustness::trailText("1024", 1000) },
        { "1024 declared, 1025 written", robustness::trailText("1024", 1025) },
        { "1025 declared and written", robustness::trailText("1025", 1025) },
        { "0 declared, 1 written", robustness::trailText("0", 1) },
        { "-5 declared", robustness::trailText("-5", 3) },
        { "2147483648 declared", robustness::trailText("2147483648", 3) },
        { "-2147483649 declared", robustness::trailText("-2147483649", 3) },
        { "4294967297 declared", robustness::trailText("4294967297", 1) },
        { "1e400 declared (read as 1)", robustness::trailText("1e400", 3) },
        { "nan declared (read as 0)", robustness::trailText("nan", 1) },
        { "10 MB declared", robustness::trailText(std::string(10 * 1024 * 1024, '9'), 1) },
    });
    EXPECT_EQ(failedExtremes, 11);
}

TEST_F(TrailExtremesTest, ExtremeValuesAndStructures)
{
    std::vector<Extreme> extremes;
    for (const std::string& number : robustness::extremeNumbers())
        extremes.push_back({ "every value " + number, robustness::trailText("3", 3, number) });
    extremes.push_back({ "10 MB value", robustness::trailText("1", 1, std::string(10 * 1024 * 1024, '5')) });
    extremes.push_back({ "trail nested 100000 deep", robustness::nested("ObservationTrail", 100000) });
    extremes.push_back({ "observation nested 100000 deep",
        "<ObservationTrail><startYear>1</startYear><endYear>2</endYear><numObservations>1</numObservations>"
            + robustness::nested("Observation", 100000) + "</ObservationTrail>" });
    extremes.push_back(
        { "value nested 100000 deep", robustness::trailText("1", 1, robustness::nested("x", 100000, "1")) });
    loadExtremes(extremes);
    EXPECT_GT(loadedExtremes, 0);
    EXPECT_GT(failedExtremes, 0);
}

} // namespace
