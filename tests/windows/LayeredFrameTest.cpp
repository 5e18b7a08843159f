// A window's layered frames against whole drawings: keeping the still picture and putting
// back only the tiles that moved must give, every frame, the picture a whole drawing gives,
// and the changed region must hold every pixel that differs from the frame before.
#include "windows/LayeredFrame.h"

#include "imagesource/ImageSource.h"
#include "imagesource/SimulationClock.h"
#include "ptolemy/BodyList.h"
#include "ptolemy/PtolemyBody.h"
#include "ptolemy/PtolemyFlags.h"
#include "ptolemy/PtolemyUniverse.h"
#include "raster/DeviceContext.h"
#include "sources/BitmapDisplayWindow.h"
#include "support/TestFiles.h"

#include <QImage>
#include <QRegion>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 220;
constexpr int kFrames = 40;

using namespace ptolemy_flags;

void paintWhite(raster::DeviceContext& context, int width, int height)
{
    context.fillRect(0, 0, width, height, makeColour(255, 255, 255));
}

// Shows a universe, whose clock may tick just after a window has fixed what the still
// layer keeps: the window's frames go through it, the checks look at the universe.
class TickingAfterKey : public ImageSource {
public:
    explicit TickingAfterKey(PtolemyUniverse& universe)
        : universe_(universe)
    {
    }

    std::uint64_t StillLayerKey(std::int32_t width, std::int32_t height, std::int32_t drawRequest) override
    {
        const std::uint64_t key = universe_.StillLayerKey(width, height, drawRequest);
        if (afterKey)
            afterKey();
        return key;
    }
    void StillLayerParts(
        std::int32_t width, std::int32_t height, std::int32_t drawRequest, std::vector<StillPart>& parts) override
    {
        universe_.StillLayerParts(width, height, drawRequest, parts);
    }
    HRESULT DrawStillLayer(
        raster::DeviceContext& context, std::int32_t width, std::int32_t height, std::int32_t drawRequest) override
    {
        ++wholeStillLayers;
        return universe_.DrawStillLayer(context, width, height, drawRequest);
    }
    HRESULT DrawStillRows(raster::DeviceContext& context, std::int32_t width, std::int32_t height,
        std::int32_t drawRequest, int top, int bottom) override
    {
        ++stillRows;
        return universe_.DrawStillRows(context, width, height, drawRequest, top, bottom);
    }
    HRESULT DrawMovingLayer(
        raster::DeviceContext& context, std::int32_t width, std::int32_t height, std::int32_t drawRequest) override
    {
        return universe_.DrawMovingLayer(context, width, height, drawRequest);
    }

    std::function<void()> afterKey;
    int wholeStillLayers = 0;
    int stillRows = 0;

private:
    PtolemyUniverse& universe_;
};

// Ptolemy's Mars, paused, its clock stepped by hand.
class LayeredFrameTest : public ::testing::Test {
protected:
    void SetUp() override { load(std::string(SKYLOOM_DATA_DIR) + "/AstreonFiles/Mars.ptu"); }

    void load(const std::string& path)
    {
        ASSERT_EQ(universe_.LoadFromPath(path), S_OK);
        universe_.Lock();
        universe_.LockClock();
        universe_.Clock().setPaused(true);
        universe_.Bodies().Get(0)->SetTrailLength(150);
        universe_.UnlockClock();
        universe_.Unlock();
        for (int k = 0; k < 150; ++k)
            step(1);
    }

    // The clock moves `ticks` steps, the running trails taking each position.
    void step(int ticks)
    {
        universe_.Lock();
        universe_.LockClock();
        for (int k = 0; k < ticks; ++k) {
            const double t = universe_.Clock().time() + 0.01;
            universe_.Clock().setTime(t);
            for (std::int32_t i = 0; i < universe_.Bodies().Count(); ++i)
                universe_.Bodies().Get(i)->AppendPosition(t);
        }
        universe_.UnlockClock();
        universe_.Unlock();
    }

    QImage wholeDrawing(std::int32_t request)
    {
        QImage picture(kWidth, kHeight, QImage::Format_RGB32);
        raster::DeviceContext context(picture, raster::Rendering::Smooth, &font_);
        paintWhite(context, kWidth, kHeight);
        universe_.Draw(context, kWidth, kHeight, request);
        return picture;
    }

    // Renders kFrames frames, changing the model with `change` before each, and checks each.
    template <typename Change> void expectWholeDrawings(std::int32_t request, Change change)
    {
        LayeredFrame frame;
        QImage buffer(kWidth, kHeight, QImage::Format_RGB32);
        buffer.fill(Qt::black);
        QImage shown = buffer;
        for (int k = 0; k < kFrames; ++k) {
            change(k);
            const QRegion changed = frame.render(buffer, kWidth, kHeight, source_, request, paintWhite, font_);
            ASSERT_EQ(buffer, wholeDrawing(request)) << "frame " << k;
            expectChangesWithin(shown, buffer, changed, k);
            shown = buffer.copy();
        }
    }

    static void expectChangesWithin(const QImage& before, const QImage& after, const QRegion& changed, int frame)
    {
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (before.pixel(x, y) != after.pixel(x, y)) {
                    ASSERT_TRUE(changed.contains(QPoint(x, y))) << "frame " << frame << " pixel " << x << "," << y;
                }
    }

    PtolemyUniverse universe_;
    TickingAfterKey source_ { universe_ };
    QFont font_ = raster::DeviceContext::defaultFont(raster::Rendering::Smooth);
};

TEST_F(LayeredFrameTest, MovingTrailCirclesPlanetAndNamesMatchWholeDrawings)
{
    expectWholeDrawings(kFormatted | kEarth | kLines | kCircles | kPlanet | kLabels, [&](int) { step(3); });
}

// Dots every few records stay with their piece; dragged dots move along the trail.
TEST_F(LayeredFrameTest, RunningTrailDotsMatchWholeDrawings)
{
    expectWholeDrawings(kFormatted | kLines | kDots | kCircles | kPlanet, [&](int) { step(3); });
    expectWholeDrawings(kFormatted | kDots | kDrag | kCircles, [&](int) { step(4); });
}

// A trail that grows while the frame is made: a piece completed after the still layer was
// fixed is drawn with the moving layer, not lost between the two.
TEST_F(LayeredFrameTest, TrailGrownBetweenTheLayersLosesNothing)
{
    universe_.Lock();
    universe_.Bodies().Get(0)->SetTrailLength(2000);
    universe_.Unlock();
    source_.afterKey = [&] { step(7); };
    // (Without circles: a piece completed meanwhile lies over the deferent for that frame.)
    expectWholeDrawings(kFormatted | kEarth | kLines | kPlanet, [&](int) { step(2); });
}

// Several systems: one's moving parts (planet, epicycles) cross another's traces and
// deferent, which a window keeps; a whole drawing layers them alike.
TEST_F(LayeredFrameTest, SeveralSystemsMatchWholeDrawings)
{
    load(std::string(SKYLOOM_DATA_DIR) + "/AstreonFiles/Candy3.ptu");
    expectWholeDrawings(kFormatted | kFullTrace | kDots | kCircles | kPlanet | kEarth, [&](int) { step(3); });
}

TEST_F(LayeredFrameTest, KeptFullTraceMatchesWholeDrawings)
{
    expectWholeDrawings(kFormatted | kFullTrace | kLines | kDots | kCircles | kPlanet | kEarth, [&](int) { step(5); });
}

TEST_F(LayeredFrameTest, SkyStripKeepsItsGridAndMatchesWholeDrawings)
{
    expectWholeDrawings(kFormatted | kSky | kLines | kPlanet | kLabels, [&](int) { step(4); });
}

// The observations stay until time passes one of them, which turns it from future to past.
TEST_F(LayeredFrameTest, SkyStripKeepsObservationsAsTimePassesThem)
{
    testing_support::CurrentDirectoryScope inData { SKYLOOM_DATA_DIR };
    load("AstreonFiles/Mars Fitted.ptu");
    double first = 0;
    double last = 0;
    ASSERT_TRUE(universe_.Bodies().Get(0)->MatchedTimeSpan(first, last));
    expectWholeDrawings(kFormatted | kSky | kMatch | kLines | kPlanet | kLabels, [&](int) { step(3); });
}

// Time passing observations on the strip draws again only their rows, not the whole still
// layer. A tick between the still layer's key and its drawing (every other frame here)
// leaves no point in the colour of the wrong moment, even when time then goes back.
TEST_F(LayeredFrameTest, SkyStripDrawsAgainOnlyTheRowsOfPassedObservations)
{
    testing_support::CurrentDirectoryScope inData { SKYLOOM_DATA_DIR };
    load("AstreonFiles/Mars Fitted.ptu");
    universe_.Lock();
    universe_.Bodies().Get(0)->SetTrailLength(0);
    universe_.Unlock();
    const std::int32_t request = kFormatted | kSky | kMatch | kLines | kPlanet | kLabels;
    LayeredFrame frame;
    QImage buffer(kWidth, kHeight, QImage::Format_RGB32);
    bool tickAfterKey = false;
    source_.afterKey = [&] {
        if (tickAfterKey)
            step(1);
    };
    for (int k = 0; k < kFrames; ++k) {
        if (k % 4 == 2)
            ASSERT_TRUE(universe_.seekTo(universe_.modelTime() - 0.01));
        else
            step(3);
        tickAfterKey = k % 4 == 1;
        frame.render(buffer, kWidth, kHeight, source_, request, paintWhite, font_);
        if (!tickAfterKey) {
            ASSERT_EQ(buffer, wholeDrawing(request)) << "frame " << k;
        }
    }
    EXPECT_GE(source_.stillRows, kFrames / 2) << "observations passed in most frames";
    EXPECT_LE(source_.wholeStillLayers, 1) << "only the first frame draws it all";
}

// Every observation but the current one stays; the planet turns matched as it meets one.
TEST_F(LayeredFrameTest, KeptObservationsInThePlaneMatchWholeDrawings)
{
    testing_support::CurrentDirectoryScope inData { SKYLOOM_DATA_DIR };
    load("AstreonFiles/Mars Fitted.ptu");
    expectWholeDrawings(kFormatted | kMatch | kLines | kCircles | kPlanet | kEarth | kLabels, [&](int) { step(3); });
}

// Seen from the Sun the trails' whole pieces stay, each record less the Sun at its time (the
// Sun's own trail the Earth's path), while the planets, the circles carried with the Earth,
// the lines of sight and the Earth move. The Sun changing its course moves what stays, even
// while the Sun itself is hidden and the scale stays.
TEST_F(LayeredFrameTest, SunCentredViewKeepsItsTrailsAndMatchesWholeDrawings)
{
    testing_support::CurrentDirectoryScope inData { SKYLOOM_DATA_DIR };
    load("AstreonFiles/Mars And The Sun.ptu");
    const std::int32_t request = kFormatted | kSunFrame | kMatch | kLines | kCircles | kPlanet | kEarth | kLabels;
    EXPECT_NE(universe_.StillLayerKey(kWidth, kHeight, request), kNoStillLayer);
    expectWholeDrawings(request, [&](int k) {
        step(3);
        universe_.Lock();
        PtolemyBody& sun = *universe_.Bodies().Get(1);
        if (k == 10)
            sun.SetVisible(false);
        if (k == 20) {
            std::unique_ptr<PtolemyOrbit> turned = sun.CopyChain();
            turned->phi += 0.5;
            sun.SetChain(turned.get());
        }
        universe_.Unlock();
    });
}

// A new chain, a new colour or a hidden system redraws the still picture at once.
TEST_F(LayeredFrameTest, StillPictureFollowsChangesToTheSystem)
{
    expectWholeDrawings(kFormatted | kFullTrace | kLines | kCircles | kPlanet, [&](int k) {
        step(2);
        universe_.Lock();
        PtolemyBody& body = *universe_.Bodies().Get(0);
        if (k % 10 == 3)
            body.Randomize();
        if (k % 10 == 6)
            body.SetTraceColour(makeColour(20 * k % 256, 90, 160));
        if (k % 10 == 8)
            body.SetVisible(!body.IsVisible());
        universe_.Unlock();
    });
}

// A source that draws on a white ground keeps the ground and draws its picture over it.
TEST(LayeredFrameOnWhite, BitmapOverItsWhiteGroundMatchesWholeDrawings)
{
    BitmapDisplayWindow source;
    ASSERT_EQ(source.ParseArgument(std::string("src=") + SKYLOOM_DATA_DIR + "/AstreonBitmaps/Frame.bmp", 0), S_OK);
    const QFont font = raster::DeviceContext::defaultFont(raster::Rendering::Smooth);
    const auto grey = [](raster::DeviceContext& context, int width, int height) {
        context.fillRect(0, 0, width, height, makeColour(90, 90, 90));
    };
    QImage whole(kWidth, kHeight, QImage::Format_RGB32);
    {
        raster::DeviceContext context(whole, raster::Rendering::Smooth, &font);
        grey(context, kWidth, kHeight);
        source.Draw(context, kWidth, kHeight, 0);
    }
    LayeredFrame frame;
    QImage buffer(kWidth, kHeight, QImage::Format_RGB32);
    for (int k = 0; k < 3; ++k) {
        frame.render(buffer, kWidth, kHeight, source, 0, grey, font);
        ASSERT_EQ(buffer, whole) << "frame " << k;
    }
}

} // namespace
