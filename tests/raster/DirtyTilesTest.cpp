#include "raster/DirtyTiles.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QRegion>

#include <random>

namespace {

// The pixels of the marked runs, as a set of points a region is checked against.
QImage runPixels(const raster::DirtyTiles& tiles)
{
    QImage marked(tiles.width(), tiles.height(), QImage::Format_Mono);
    marked.fill(0);
    for (const QRect& run : tiles.rectangles())
        for (int y = run.top(); y <= run.bottom(); ++y)
            for (int x = run.left(); x <= run.right(); ++x)
                marked.setPixel(x, y, 1);
    return marked;
}

// Whether `region` holds exactly the marked pixels, read through QRegion's own operations.
void expectHoldsExactly(const QRegion& region, const QImage& marked)
{
    for (int y = 0; y < marked.height(); ++y)
        for (int x = 0; x < marked.width(); ++x)
            ASSERT_EQ(region.intersects(QRect(x, y, 1, 1)), marked.pixel(x, y) != marked.color(0)) << x << "," << y;
}

} // namespace

// A window's changed region is added to what is already waiting to be painted (a union)
// and painted in pieces (intersections): QRegion's operations read its rectangles as
// bands, so runs of different heights within one row of tiles must lose nothing there.
TEST(DirtyTiles, TheRegionSurvivesUnionsAndIntersectionsWithRunsOfDifferentHeights)
{
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        raster::DirtyTiles tiles;
        tiles.reset(70, 50);
        std::uniform_int_distribution<int> x(-5, 75);
        std::uniform_int_distribution<int> y(-5, 55);
        std::uniform_int_distribution<int> extent(1, 12);
        for (int k = round % 6 + 1; k > 0; --k) {
            const int left = x(random);
            const int top = y(random);
            tiles.markRect(left, top, left + extent(random), top + extent(random));
        }
        const QImage marked = runPixels(tiles);
        const QRegion region = tiles.region();
        SCOPED_TRACE(round);
        expectHoldsExactly(region, marked);
        const QRect elsewhere(200, 200, 3, 3);
        expectHoldsExactly(QRegion(elsewhere).united(region).subtracted(QRegion(elsewhere)), marked);
        expectHoldsExactly(region.intersected(QRect(0, 0, 70, 50)), marked);
        if (HasFatalFailure())
            return;
    }
}
