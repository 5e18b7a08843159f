#include "observatory/Observatory.h"

#include "ObservatoryTestSupport.h"
#include "documents/SharedTrail.h"
#include "platform/Chooser.h"
#include "platform/Message.h"
#include "support/TestFiles.h"
#include "xml/XmlDocument.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

using testing_support::readWholeFile;
using testing_support::TemporaryFolder;

constexpr std::uintptr_t kPublishButton = 5;

class ObservatoryPublishTest : public testing::Test {
protected:
    void SetUp() override { setSharedTrail(nullptr); }
    void TearDown() override { setSharedTrail(nullptr); }

    // Three SunLike readings at t = 0.25, 0.5 and 1.5.
    void takeThreeReadings()
    {
        observatory.SelectKind(ObservatoryKind::SunLike);
        for (double t : { 0.25, 0.5, 1.5 }) {
            held.holdAt(t);
            observatory.TakeReading();
        }
    }

    static void expectSameReadings(const ObservationTrail& actual, const ObservationTrail& expected)
    {
        ASSERT_EQ(actual.count(), expected.count());
        EXPECT_EQ(actual.startYear(), expected.startYear());
        EXPECT_EQ(actual.endYear(), expected.endYear());
        for (int i = 0; i < expected.count(); ++i) {
            EXPECT_NEAR(actual.logical(i).x, expected.logical(i).x, 1e-6);
            EXPECT_NEAR(actual.logical(i).y, expected.logical(i).y, 1e-6);
            EXPECT_NEAR(actual.logical(i).az, expected.logical(i).az, 1e-6);
            EXPECT_NEAR(actual.logical(i).el, expected.logical(i).el, 1e-6);
            EXPECT_NEAR(actual.logical(i).t, expected.logical(i).t, 1e-6);
        }
    }

    platform::MessageRecorder recorder;
    platform::ScriptedChooser chooser;
    platform::ScopedChooser chooserScope { chooser };
    TemporaryFolder folder;
    Observatory observatory;
    HeldClock held { observatory };
};

TEST_F(ObservatoryPublishTest, PublishWritesATrailFileThatLoadsBack)
{
    takeThreeReadings();
    const std::string path = folder.file("readings.obs");
    chooser.answerFile(path);
    EXPECT_EQ(observatory.OnCommand(nullptr, kPublishButton, 0), S_OK);

    ASSERT_EQ(chooser.fileRequests().size(), 1u);
    const platform::FileDialogRequest request = chooser.fileRequests()[0];
    EXPECT_EQ(request.kind, platform::FileDialogKind::SaveAs);
    EXPECT_EQ(request.defaultExtension, ".obs");
    EXPECT_EQ(request.filterDescription, "OBS files (*.OBS)");
    EXPECT_EQ(request.filterPattern, "*.obs");
    EXPECT_EQ(request.startFolder, "AstreonFiles/");

    XmlDocument document;
    ASSERT_EQ(document.loadFile(path.c_str(), 1), S_OK);
    ObservationTrail loaded(1);
    ASSERT_EQ(loaded.Load(document, 1), S_OK);
    expectSameReadings(loaded, observatory.trail());
    EXPECT_EQ(loaded.startYear(), 400);
    EXPECT_EQ(recorder.count(), 0u);
}

TEST_F(ObservatoryPublishTest, APublishedTrailIsKeptAndShared)
{
    takeThreeReadings();
    chooser.answerFile(folder.file("shared.obs"));
    EXPECT_EQ(observatory.Publish(nullptr), S_OK);

    const std::unique_ptr<ObservationTrail> published = observatory.publishedTrailCopy();
    ASSERT_NE(published, nullptr);
    expectSameReadings(*published, observatory.trail());
    const std::unique_ptr<ObservationTrail> shared = sharedTrailCopy();
    ASSERT_NE(shared, nullptr);
    expectSameReadings(*shared, observatory.trail());

    // Later readings change neither copy.
    held.holdAt(1.75);
    observatory.TakeReading();
    EXPECT_EQ(observatory.publishedTrailCopy()->count(), 3);
    EXPECT_EQ(sharedTrailCopy()->count(), 3);
}

TEST_F(ObservatoryPublishTest, AnEmptyPublishWritesNoObservations)
{
    const std::string path = folder.file("empty.obs");
    chooser.answerFile(path);
    EXPECT_EQ(observatory.Publish(nullptr), S_OK);
    EXPECT_NE(readWholeFile(path).find("<numObservations>0</numObservations>"), std::string::npos);
    EXPECT_EQ(readWholeFile(path).find("<Observation>"), std::string::npos);
    const std::unique_ptr<ObservationTrail> published = observatory.publishedTrailCopy();
    ASSERT_NE(published, nullptr);
    EXPECT_EQ(published->count(), 0);
    EXPECT_EQ(published->startYear(), 100);
    ASSERT_NE(sharedTrailCopy(), nullptr);
    EXPECT_EQ(sharedTrailCopy()->count(), 0);
}

TEST_F(ObservatoryPublishTest, ACancelledOrFailedSaveKeepsTheEarlierPublication)
{
    takeThreeReadings();
    chooser.answerCancel();
    EXPECT_EQ(observatory.Publish(nullptr), E_FAIL);
    EXPECT_EQ(observatory.publishedTrailCopy(), nullptr);
    EXPECT_EQ(sharedTrailCopy(), nullptr);

    chooser.answerFile(folder.file("first.obs"));
    ASSERT_EQ(observatory.Publish(nullptr), S_OK);

    observatory.SelectKind(ObservatoryKind::CometLike);
    held.holdAt(2.0);
    observatory.TakeReading();
    const std::string unwritable = (folder.path() / "no such folder" / "second.obs").string();
    chooser.answerFile(unwritable);
    EXPECT_EQ(observatory.OnCommand(nullptr, kPublishButton, 0), S_OK);
    EXPECT_EQ(chooser.pendingAnswers(), 0u);
    EXPECT_FALSE(std::filesystem::exists(unwritable));
    EXPECT_EQ(observatory.publishedTrailCopy()->count(), 3);
    EXPECT_EQ(sharedTrailCopy()->count(), 3);
    EXPECT_EQ(sharedTrailCopy()->startYear(), 400);
    // The failure is told, with the file and the system's reason, rather than passed over.
    ASSERT_EQ(recorder.count(), 1u);
    EXPECT_EQ(recorder.last().text, "Couldn't save " + unwritable + ": No such file or directory");
    EXPECT_EQ(recorder.last().caption, "Astreon Error");
}

TEST_F(ObservatoryPublishTest, PublishedListKeepsItsReadingsAfterAKindChange)
{
    selectAndHold(observatory, ObservatoryKind::SunLike, 0.25);
    observatory.TakeReading();
    chooser.answerFile(folder.file("list.obs"));
    ASSERT_EQ(observatory.Publish(nullptr), S_OK);
    const std::vector<std::string> published { "Published Observations:", "_______________________",
        "0:   az = 89deg  el = 21deg  date = April 1, 400" };
    EXPECT_EQ(drawnImage(observatory, 400, 80, kDrawPublished), listImage(published, 400, 80));

    selectAndHold(observatory, ObservatoryKind::StarLike, 0.0);
    EXPECT_EQ(drawnImage(observatory, 400, 80, kDrawPublished), listImage(published, 400, 80));
}

} // namespace
