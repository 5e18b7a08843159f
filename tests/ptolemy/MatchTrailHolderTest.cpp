#include "ptolemy/MatchTrailHolder.h"

#include "drawing/SharedSprites.h"
#include "ptolemy/ObservationColours.h"
#include "support/TestFiles.h"

#include <QImage>

#include "support/PixelCounts.h"
#include <cmath>

#include <gtest/gtest.h>
#include <limits>

namespace {

constexpr ColourRef kWhite = makeColour(255, 255, 255);
using observation_colours::kCurrent;
using observation_colours::kFuture;
using observation_colours::kPast;
constexpr int kCx = 100;
constexpr int kCy = 80;
constexpr double kScale = 4.0;

int screenX(double x) { return kCx + static_cast<int>(std::trunc(x * kScale)); }
int screenY(double y) { return kCy - static_cast<int>(std::trunc(y * kScale)); }

ColourRef pixelAt(const QImage& image, int x, int y) { return raster::fromQColor(QColor(image.pixel(x, y))); }

using testing_support::countColour;

// The colour of the mark around a model point: the one colour other than white within one pixel.
ColourRef markAt(const QImage& image, double x, double y)
{
    ColourRef found = kWhite;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (pixelAt(image, screenX(x) + dx, screenY(y) + dy) != kWhite)
                found = pixelAt(image, screenX(x) + dx, screenY(y) + dy);
    return found;
}

QImage whiteImage()
{
    QImage image(2 * kCx, 2 * kCy, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// Draws the holder's trail at `now` into a fresh white image; returns the current slot in `slot`.
QImage drawTrail(MatchTrailHolder& holder, double now, std::int32_t& slot)
{
    QImage image = whiteImage();
    raster::DeviceContext context(image);
    holder.CreateMatchPens(context);
    slot = holder.DrawMatchTrail(context, now, kCx, kCy, kScale);
    return image;
}

} // namespace

TEST(MatchTrailHolder, WithoutTrailDrawsNothing)
{
    MatchTrailHolder holder;
    EXPECT_EQ(holder.MatchExtent(), 0.0);
    std::int32_t slot = 0;
    const QImage image = drawTrail(holder, 0.0, slot);
    EXPECT_EQ(slot, -1);
    EXPECT_EQ(countColour(image, kWhite), image.width() * image.height());
}

TEST(MatchTrailHolder, EmptyOrNullTrailRemovesTheMatchTrail)
{
    MatchTrailHolder holder;
    ObservationTrail trail(3);
    trail.Append(1, 1, 0, 0, 0);
    holder.SetMatchTrail(&trail);
    ASSERT_NE(holder.matchTrail(), nullptr);
    holder.SetMatchTrail(nullptr);
    EXPECT_EQ(holder.matchTrail(), nullptr);
    holder.SetMatchTrail(&trail);
    ObservationTrail empty(3);
    holder.SetMatchTrail(&empty);
    EXPECT_EQ(holder.matchTrail(), nullptr);
}

TEST(MatchTrailHolder, ExtentIsTheFarthestPointPlusFive)
{
    ObservationTrail trail(4);
    trail.Append(3, 4, 0, 0, 0);
    trail.Append(-6, -8, 0, 0, 1);
    trail.Append(1, 0, 0, 0, 2);
    MatchTrailHolder holder;
    holder.SetMatchTrail(&trail);
    EXPECT_DOUBLE_EQ(holder.MatchExtent(), std::hypot(6.0, 8.0) + 5.0);
}

TEST(MatchTrailHolder, KeepsItsOwnCopy)
{
    ObservationTrail trail(4);
    trail.Append(3, 4, 0, 0, 0);
    MatchTrailHolder holder;
    holder.SetMatchTrail(&trail);
    trail.Append(30, 40, 0, 0, 1);
    EXPECT_EQ(holder.matchTrail()->count(), 1);

    holder.setMatchPath("orbits/mars.obs");
    const MatchTrailHolder copy(holder);
    holder.SetMatchTrail(nullptr);
    ASSERT_NE(copy.matchTrail(), nullptr);
    EXPECT_EQ(copy.matchTrail()->count(), 1);
    EXPECT_EQ(copy.matchPath(), "orbits/mars.obs");
    EXPECT_DOUBLE_EQ(copy.MatchExtent(), 10.0);
}

TEST(MatchTrailHolder, ClassifiesPastCurrentAndFuture)
{
    const double now = 0.5;
    ObservationTrail trail(8);
    trail.Append(-10, 0, 0, 0, 0.1); // past
    trail.Append(-5, 5, 0, 0, now - 0.01); // on the lower edge: still past
    trail.Append(0, 0, 0, 0, now - 0.005); // first inside the window: current
    trail.Append(5, 5, 0, 0, now + 0.005); // second inside the window: future
    trail.Append(10, -5, 0, 0, now + 0.01); // upper edge, inside the window: future
    trail.Append(15, 0, 0, 0, 3.0); // future
    MatchTrailHolder holder;
    holder.SetMatchTrail(&trail);

    std::int32_t slot = -1;
    const QImage image = drawTrail(holder, now, slot);
    EXPECT_EQ(slot, 2);
    EXPECT_EQ(markAt(image, -10, 0), kPast);
    EXPECT_EQ(markAt(image, -5, 5), kPast);
    EXPECT_EQ(markAt(image, 0, 0), kCurrent);
    EXPECT_EQ(markAt(image, 5, 5), kFuture);
    EXPECT_EQ(markAt(image, 10, -5), kFuture);
    EXPECT_EQ(markAt(image, 15, 0), kFuture);
}

TEST(MatchTrailHolder, UpperEdgeOfTheWindowIsCurrent)
{
    const double now = 2.0;
    ObservationTrail trail(4);
    trail.Append(1, 1, 0, 0, now + 0.01);
    trail.Append(4, 4, 0, 0, now + 0.02);
    MatchTrailHolder holder;
    holder.SetMatchTrail(&trail);
    std::int32_t slot = -1;
    const QImage image = drawTrail(holder, now, slot);
    EXPECT_EQ(slot, 0);
    EXPECT_EQ(markAt(image, 1, 1), kCurrent);
    EXPECT_EQ(markAt(image, 4, 4), kFuture);
}

TEST(MatchTrailHolder, NothingInTheWindowGivesNoCurrent)
{
    ObservationTrail trail(4);
    trail.Append(1, 1, 0, 0, 0.0);
    trail.Append(4, 4, 0, 0, 1.0);
    MatchTrailHolder holder;
    holder.SetMatchTrail(&trail);
    std::int32_t slot = 0;
    const QImage image = drawTrail(holder, 0.5, slot);
    EXPECT_EQ(slot, -1);
    EXPECT_EQ(countColour(image, kCurrent), 0);
    EXPECT_EQ(markAt(image, 1, 1), kPast);
    EXPECT_EQ(markAt(image, 4, 4), kFuture);
}

TEST(MatchTrailHolder, CurrentIsDrawnLastAndLarger)
{
    ObservationTrail trail(4);
    trail.Append(2, 2, 0, 0, 1.0); // current
    trail.Append(2, 2, 0, 0, 5.0); // future, same place, later in the walk
    MatchTrailHolder holder;
    holder.SetMatchTrail(&trail);
    std::int32_t slot = -1;
    const QImage image = drawTrail(holder, 1.0, slot);
    EXPECT_EQ(slot, 0);
    EXPECT_EQ(pixelAt(image, screenX(2), screenY(2)), kCurrent);
    EXPECT_EQ(pixelAt(image, screenX(2) - 4, screenY(2)), kCurrent) << "half-size 5 reaches 4 pixels out";
    EXPECT_EQ(countColour(image, kFuture), 0);
}

TEST(MatchTrailHolder, ReturnsTheStorageSlotOfAWrappedTrail)
{
    ObservationTrail trail(3);
    trail.Append(1, 0, 0, 0, 0.0);
    trail.Append(2, 0, 0, 0, 1.0);
    trail.Append(3, 0, 0, 0, 2.0);
    trail.Append(4, 0, 0, 0, 3.0); // overwrites the oldest: storage starts at slot 1
    MatchTrailHolder holder;
    holder.SetMatchTrail(&trail);
    ASSERT_EQ(holder.matchTrail()->start(), 1);
    std::int32_t slot = -1;
    const QImage image = drawTrail(holder, 3.0, slot);
    EXPECT_EQ(slot, 0);
    EXPECT_EQ(holder.matchTrail()->x(slot), 4.0);
    EXPECT_EQ(markAt(image, 4, 0), kCurrent);
    EXPECT_EQ(markAt(image, 1, 0), kWhite) << "the overwritten record is gone";
}

TEST(MatchTrailHolder, DrawingWithoutCreatingPensStillUsesTheMatchColours)
{
    ObservationTrail trail(2);
    trail.Append(3, 3, 0, 0, 9.0);
    MatchTrailHolder holder;
    holder.SetMatchTrail(&trail);
    QImage image = whiteImage();
    {
        raster::DeviceContext context(image);
        holder.DrawMatchTrail(context, 0.0, kCx, kCy, kScale);
    }
    EXPECT_EQ(markAt(image, 3, 3), kFuture);
}

TEST(MatchTrailHolder, LeavesTheContextsPenAndBrushAsTheyWere)
{
    ObservationTrail trail(2);
    trail.Append(3, 3, 0, 0, 9.0);
    trail.Append(1, 1, 0, 0, 0.0);
    MatchTrailHolder holder;
    holder.SetMatchTrail(&trail);
    QImage image = whiteImage();
    raster::DeviceContext context(image);
    const raster::Pen pen { makeColour(1, 2, 3), 1, raster::Pen::Style::Solid };
    const raster::Brush brush { makeColour(4, 5, 6), false };
    context.selectPen(pen);
    context.selectBrush(brush);
    holder.DrawMatchTrail(context, 0.0, kCx, kCy, kScale);
    EXPECT_EQ(context.pen().colour, pen.colour);
    EXPECT_EQ(context.brush().colour, brush.colour);
}

TEST(MatchTrailHolder, HugeAndNonNumericPointsAreSkippedSafely)
{
    const double huge = std::numeric_limits<double>::max();
    ObservationTrail trail(6);
    trail.Append(huge, -huge, 0, 0, 9.0);
    trail.Append(1e12, 1e12, 0, 0, 9.0);
    trail.Append(std::nan(""), 0, 0, 0, 9.0);
    trail.Append(std::numeric_limits<double>::infinity(), 0, 0, 0, 0.0);
    trail.Append(2, 2, 0, 0, 9.0);
    MatchTrailHolder holder;
    holder.SetMatchTrail(&trail);
    std::int32_t slot = 0;
    const QImage image = drawTrail(holder, 0.0, slot);
    EXPECT_EQ(slot, 3);
    EXPECT_EQ(markAt(image, 2, 2), kFuture);
    EXPECT_EQ(countColour(image, kCurrent), 0) << "the current point lies off the device";
}

TEST(MatchTrailHolder, LoadedMatchPicturesReplaceTheFallbackMarks)
{
    testing_support::TemporaryFolder folder;
    const ColourRef magenta = makeColour(255, 0, 255);
    QImage picture(7, 7, QImage::Format_RGB32);
    picture.fill(raster::toQColor(magenta));
    const std::string path = folder.file("before.bmp");
    ASSERT_TRUE(picture.save(QString::fromStdString(path), "BMP"));

    Bitmap& before = sharedSprites().matchBefore;
    ASSERT_EQ(before.loadFromFile(path.c_str(), 0), S_OK);
    ObservationTrail trail(2);
    trail.Append(5, -5, 0, 0, 9.0);
    MatchTrailHolder holder;
    holder.SetMatchTrail(&trail);
    std::int32_t slot = 0;
    const QImage image = drawTrail(holder, 0.0, slot);
    before.unload();

    EXPECT_EQ(pixelAt(image, screenX(5), screenY(-5)), magenta);
    EXPECT_EQ(countColour(image, magenta), 49) << "drawn whole at its own size";
    EXPECT_EQ(countColour(image, kFuture), 0);
}
