#include "raster/TiledPicture.h"

#include <gtest/gtest.h>

#include <QImage>

#include <random>

using raster::DirtyTiles;
using raster::TiledPicture;

namespace {

// Edges that cut the last column and row of tiles short.
constexpr int kWidth = 53;
constexpr int kHeight = 37;
constexpr int kTile = TiledPicture::kTileSize;

// Each tile plain in one of a few colours, or busy, as the generator draws it.
QImage randomPicture(std::mt19937& random)
{
    QImage picture(kWidth + 7, kHeight + 3, QImage::Format_RGB32); // a buffer larger than the area
    picture.fill(qRgb(1, 2, 3));
    for (int top = 0; top < kHeight; top += kTile)
        for (int left = 0; left < kWidth; left += kTile) {
            const unsigned kind = random() % 4;
            for (int y = top; y < std::min(top + kTile, kHeight); ++y)
                for (int x = left; x < std::min(left + kTile, kWidth); ++x)
                    picture.setPixel(x, y,
                        kind < 3 ? qRgb(40 * static_cast<int>(kind), 90, 200)
                                 : qRgb(x * 4, y * 6, static_cast<int>(random() % 256)));
        }
    return picture;
}

// The kept picture put back row by row over a blank one, as a window puts back its rows.
QImage putBack(const TiledPicture& kept, const QImage& like)
{
    QImage restored(like.size(), like.format());
    restored.fill(qRgb(1, 2, 3));
    for (int y = 0; y < kHeight; ++y)
        kept.copySpan(reinterpret_cast<QRgb*>(restored.scanLine(y)), y, 0, kWidth);
    return restored;
}

bool tileDiffers(const QImage& a, const QImage& b, int left, int top)
{
    for (int y = top; y < std::min(top + kTile, kHeight); ++y)
        for (int x = left; x < std::min(left + kTile, kWidth); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return true;
    return false;
}

} // namespace

// Tiles turn plain and busy again from picture to picture, so blocks are freed and taken
// again: every picture must come back whole, and exactly its changed tiles be marked.
TEST(TiledPicture, KeepsEveryPictureOfASequenceAndMarksExactlyTheTilesThatChanged)
{
    std::mt19937 random(7);
    QImage previous = randomPicture(random);
    TiledPicture kept;
    kept.assign(previous, kWidth, kHeight);
    ASSERT_EQ(putBack(kept, previous), previous);
    for (int round = 0; round < 60; ++round) {
        // Every other picture differs from the one before in a single pixel anywhere.
        QImage next = round % 2 ? previous.copy() : randomPicture(random);
        if (round % 2)
            next.setPixel(static_cast<int>(random() % kWidth), static_cast<int>(random() % kHeight), qRgb(255, 0, 255));
        DirtyTiles changed;
        changed.reset(kWidth, kHeight);
        kept.update(next, changed);
        ASSERT_EQ(putBack(kept, next), next) << "round " << round;
        const QRegion marked = changed.region();
        for (int top = 0; top < kHeight; top += kTile)
            for (int left = 0; left < kWidth; left += kTile)
                EXPECT_EQ(marked.contains(QPoint(left, top)), tileDiffers(previous, next, left, top))
                    << "round " << round << " tile " << left << "," << top;
        previous = next;
    }
}
