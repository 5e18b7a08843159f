#include "observatory/Observatory.h"

#include "ObservatoryTestSupport.h"
#include "drawing/SharedSprites.h"
#include "observatory/ObservationDate.h"
#include "platform/Text.h"
#include "raster/DeviceContext.h"
#include "windows/LayeredFrame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kWidth = 200;
constexpr int kHeight = 100;

class ObservatoryDrawTest : public testing::Test {
protected:
    void SetUp() override
    {
        // The resource library is not loaded in tests: every kind draws its six-pixel circle.
        for (const Sprite* sprite :
            { &sharedSprites().star, &sharedSprites().sun, &sharedSprites().planet, &sharedSprites().comet })
            ASSERT_TRUE(FAILED(sprite->isValid()));
    }

    // The projection's point for the object's current position, as the view places it.
    void expectCircleAt(const QImage& image, int x, int y)
    {
        EXPECT_TRUE(blackNear(image, x - 3, y)) << x << "," << y;
        EXPECT_TRUE(blackNear(image, x + 3, y)) << x << "," << y;
        EXPECT_TRUE(blackNear(image, x, y - 3)) << x << "," << y;
        EXPECT_FALSE(blackNear(image, x, y - 6)) << x << "," << y;
    }

    Observatory observatory;
    HeldClock held { observatory };
};

TEST_F(ObservatoryDrawTest, WithoutAViewTheAreaIsPlainWhite)
{
    selectAndHold(observatory, ObservatoryKind::SunLike, 0.25);
    const QImage image = drawnImage(observatory, kWidth, kHeight, 0);
    EXPECT_EQ(countNotWhite(image), 0);
    EXPECT_EQ(countNotWhite(drawnImage(observatory, kWidth, kHeight, kDrawStatistics)), 0);
}

TEST_F(ObservatoryDrawTest, ProjectionPlacesTheObjectByAzimuthAndElevation)
{
    selectAndHold(observatory, ObservatoryKind::SunLike, 0.25);
    const QImage image = drawnImage(observatory, kWidth, kHeight, kDrawProjection);
    // Frame and horizon.
    EXPECT_TRUE(blackNear(image, 0, 20));
    EXPECT_TRUE(blackNear(image, 20, kHeight / 2));
    const SkyPosition position = observatory.ComputePosition();
    const HorizonAngles angles = observatory.ToHorizon(position.x, position.y);
    const int px = static_cast<int>((kWidth - 10) * 0.15915494074072684 * angles.az) + kWidth / 2;
    const int py = kHeight / 2 - static_cast<int>((kHeight - 10) * 0.15915494074072684 * angles.el);
    ASSERT_LT(py, kHeight / 2 - 3); // above the horizon, clear of its line
    expectCircleAt(image, px, py);
}

TEST_F(ObservatoryDrawTest, StillObjectsSitAtTheCentreOfBothViews)
{
    selectAndHold(observatory, ObservatoryKind::CometLike, 4.0);
    const QImage projection = drawnImage(observatory, kWidth, kHeight, kDrawProjection);
    EXPECT_TRUE(blackNear(projection, kWidth / 2, kHeight / 2 - 3));
    EXPECT_TRUE(blackNear(projection, kWidth / 2, kHeight / 2 + 3));
    EXPECT_FALSE(blackNear(projection, kWidth / 2, kHeight / 2 - 6));

    selectAndHold(observatory, ObservatoryKind::PlanetLike, 2.5);
    const QImage overhead = drawnImage(observatory, kWidth, kHeight, kDrawOverhead);
    expectCircleAt(overhead, kWidth / 2, kHeight / 2);
    EXPECT_LT(countNotWhite(overhead), 40); // no orbit, only the small circle
}

TEST_F(ObservatoryDrawTest, OverheadViewDrawsTheOrbitAndTheObjectOnIt)
{
    selectAndHold(observatory, ObservatoryKind::StarLike, 0.0);
    const QImage star = drawnImage(observatory, 200, 160, kDrawOverhead);
    // Orbit radius min(100, 80) - 10 = 70 around (100, 80); the object at its right end.
    EXPECT_TRUE(blackNear(star, 30, 80));
    EXPECT_TRUE(blackNear(star, 100, 10));
    EXPECT_TRUE(blackNear(star, 173, 80));
    held.holdAt(0.5);
    const QImage starLater = drawnImage(observatory, 200, 160, kDrawOverhead);
    EXPECT_FALSE(blackNear(starLater, 174, 80));
    EXPECT_TRUE(blackNear(starLater, 27, 80));

    selectAndHold(observatory, ObservatoryKind::SunLike, 0.0);
    const QImage sun = drawnImage(observatory, 210, 310, kDrawOverhead);
    // Scale min(200 / 100, 300 / 150) = 2: the ellipse 200 x 300 around (105, 155).
    EXPECT_TRUE(blackNear(sun, 5, 155));
    EXPECT_TRUE(blackNear(sun, 105, 5));
    EXPECT_TRUE(blackNear(sun, 105, 304));
    EXPECT_TRUE(blackNear(sun, 208, 155));
}

TEST_F(ObservatoryDrawTest, TheFirstViewSetWins)
{
    selectAndHold(observatory, ObservatoryKind::SunLike, 0.4);
    observatory.TakeReading();
    const QImage projection = drawnImage(observatory, kWidth, kHeight, kDrawProjection);
    EXPECT_EQ(drawnImage(observatory, kWidth, kHeight, kDrawProjection | kDrawObservations), projection);
    const QImage observations = drawnImage(observatory, kWidth, kHeight, kDrawObservations);
    EXPECT_NE(observations, projection);
    EXPECT_EQ(drawnImage(observatory, kWidth, kHeight, kDrawObservations | kDrawPublished), observations);
    EXPECT_EQ(drawnImage(observatory, kWidth, kHeight, kDrawOverhead | kDrawPublished),
        drawnImage(observatory, kWidth, kHeight, kDrawOverhead));
}

TEST_F(ObservatoryDrawTest, TinyAreasDrawWithinThemselves)
{
    for (ObservatoryKind kind : { ObservatoryKind::StarLike, ObservatoryKind::SunLike }) {
        selectAndHold(observatory, kind, 0.3);
        for (std::int32_t view : { kDrawProjection, kDrawOverhead, kDrawObservations, kDrawPublished }) {
            const QImage image = drawnImage(observatory, 6, 4, view);
            EXPECT_EQ(image.size(), QSize(6, 4));
        }
    }
    QImage untouched(1, 1, QImage::Format_RGB32);
    untouched.fill(Qt::red);
    raster::DeviceContext context(untouched);
    EXPECT_EQ(observatory.Draw(context, 0, 0, kDrawProjection), S_OK);
    EXPECT_EQ(untouched.pixelColor(0, 0), QColor(Qt::red));
}

TEST_F(ObservatoryDrawTest, ObservationLinesOfASunLikeReading)
{
    selectAndHold(observatory, ObservatoryKind::SunLike, 0.25);
    observatory.TakeReading();
    const QImage drawn = drawnImage(observatory, 400, 80, kDrawObservations);
    EXPECT_EQ(drawn,
        listImage({ "Observations:", "_____________", "0:   az = 89deg  el = 21deg  date = April 1, 400" }, 400, 80));
    // The comparison sees the text: a line one degree off draws differently.
    EXPECT_GT(countNotWhite(drawn), 0);
    EXPECT_NE(drawn,
        listImage({ "Observations:", "_____________", "0:   az = 90deg  el = 21deg  date = April 1, 400" }, 400, 80));
}

TEST_F(ObservatoryDrawTest, ObservationLinesOfAStarLikeReadingWrapTheAzimuth)
{
    selectAndHold(observatory, ObservatoryKind::StarLike, 0.0);
    observatory.TakeReading();
    held.holdAt(0.75);
    observatory.TakeReading();
    EXPECT_EQ(drawnImage(observatory, 400, 80, kDrawObservations),
        listImage({ "Observations:", "_____________", "0:   az = 0deg  el = 0deg  date = January 1, 100",
                      "1:   az = 271deg  el = 0deg  date = October 1, 100" },
            400, 80));
}

TEST_F(ObservatoryDrawTest, AfterTheEleventhReadingTheListNumbersTenFromZero)
{
    observatory.SelectKind(ObservatoryKind::PlanetLike);
    std::vector<std::string> lines { "Observations:", "_____________" };
    for (int i = 0; i < 11; ++i) {
        held.holdAt(0.4 * i);
        observatory.TakeReading();
        if (i > 0)
            lines.push_back(platform::formatText(
                "%d:   az = 0deg  el = 0deg  date = %s", i - 1, formatObservationDate(0.4 * i, 1200).c_str()));
    }
    EXPECT_EQ(drawnImage(observatory, 400, 240, kDrawObservations), listImage(lines, 400, 240));
}

TEST_F(ObservatoryDrawTest, PublishedListShowsOnlyItsHeadingBeforeAnyPublish)
{
    selectAndHold(observatory, ObservatoryKind::SunLike, 0.25);
    observatory.TakeReading();
    EXPECT_EQ(drawnImage(observatory, 300, 60, kDrawPublished),
        listImage({ "Published Observations:", "_______________________" }, 300, 60));
}

// A window keeps each view's frame (border and horizon, orbit) and the reading lists, and
// draws only the object each frame: frame after frame, across a reading and a change of
// kind, the kept picture with the object over it is the whole drawing, and a frame of the
// moving projection changes only the object's corner of it.
TEST_F(ObservatoryDrawTest, KeptFramesAndListsUnderTheMovingObjectMatchWholeDrawings)
{
    const QFont font = raster::DeviceContext::defaultFont(raster::Rendering::Smooth);
    const auto grey = [](raster::DeviceContext& context, int width, int height) {
        context.fillRect(0, 0, width, height, makeColour(90, 90, 90));
    };
    for (const std::int32_t view : { kDrawProjection, kDrawOverhead, kDrawObservations, kDrawPublished }) {
        SCOPED_TRACE(testing::Message() << "view " << view);
        selectAndHold(observatory, ObservatoryKind::StarLike, 0.0);
        LayeredFrame frame;
        QImage buffer(kWidth, kHeight, QImage::Format_RGB32);
        for (int k = 0; k < 6; ++k) {
            if (k == 2)
                observatory.TakeReading();
            if (k == 4)
                selectAndHold(observatory, ObservatoryKind::SunLike, 0.3);
            else
                held.holdAt(0.07 * k);
            const QRegion changed = frame.render(buffer, kWidth, kHeight, observatory, view, grey, font);
            QImage whole(kWidth, kHeight, QImage::Format_RGB32);
            {
                raster::DeviceContext context(whole, raster::Rendering::Smooth, &font);
                grey(context, kWidth, kHeight);
                observatory.Draw(context, kWidth, kHeight, view);
            }
            ASSERT_EQ(buffer, whole) << "frame " << k;
            if (view == kDrawProjection && k == 1) {
                int area = 0;
                for (const QRect& part : changed)
                    area += part.width() * part.height();
                EXPECT_LT(area, kWidth * kHeight / 4);
            }
        }
    }
}

} // namespace
