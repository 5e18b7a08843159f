// The smooth raster's lines and outlines against the painter's antialiased drawing of the
// same figures: the same ink in the same places, give or take a pixel's share.
#include "raster/SmoothRaster.h"
#include "raster/OutlineStamp.h"

#include <QPainter>

#include <gtest/gtest.h>

#include "raster/DirtyTiles.h"

#include <cmath>
#include <functional>
#include <random>

namespace {

constexpr int kSide = 64;

// How dark each pixel of a black drawing on white is, 0 ... 255.
int inkAt(const QImage& image, int x, int y) { return 255 - qGreen(image.pixel(x, y)); }

bool hasInkNear(const QImage& image, int x, int y, int least)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (image.rect().contains(x + dx, y + dy) && inkAt(image, x + dx, y + dy) >= least)
                return true;
    return false;
}

double totalInk(const QImage& image)
{
    double total = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            total += inkAt(image, x, y);
    return total;
}

// Draws with the raster and with the painter (which names pixel centres at + 0.5) and
// compares: within a tenth of the painter's ink in all, and no clear ink of either without
// ink of the other beside it.
void expectLikeThePainter(
    const std::function<void(raster::SmoothRaster&)>& rasterDraw, const std::function<void(QPainter&)>& painterDraw)
{
    QImage drawn(kSide, kSide, QImage::Format_RGB32);
    drawn.fill(Qt::white);
    QImage expected = drawn.copy();
    raster::SmoothRaster smooth(drawn, qRgb(0, 0, 0), nullptr);
    rasterDraw(smooth);
    {
        QPainter painter(&expected);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(Qt::black, 1.0));
        painter.translate(0.5, 0.5);
        painterDraw(painter);
    }
    EXPECT_NEAR(totalInk(drawn), totalInk(expected), 0.1 * totalInk(expected));
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            if (inkAt(drawn, x, y) >= 128) {
                EXPECT_TRUE(hasInkNear(expected, x, y, 32)) << "raster ink alone at " << x << "," << y;
            }
            if (inkAt(expected, x, y) >= 128) {
                EXPECT_TRUE(hasInkNear(drawn, x, y, 32)) << "painter ink alone at " << x << "," << y;
            }
        }
}

TEST(SmoothRaster, LinesAtEveryKindOfSlopeLookAsThePaintersLines)
{
    const double lines[][4] = {
        { 3, 10, 60, 10 }, // level
        { 20, 2, 20, 61 }, // upright
        { 2, 5, 61, 40.5 }, // shallow
        { 10.25, 60, 30.75, 3 }, // steep, up
        { -40, -10, 100, 70 }, // crossing the edges
    };
    for (const auto& line : lines) {
        SCOPED_TRACE(testing::Message() << line[0] << "," << line[1] << " to " << line[2] << "," << line[3]);
        expectLikeThePainter([&](raster::SmoothRaster& smooth) { smooth.line(line[0], line[1], line[2], line[3]); },
            [&](QPainter& painter) { painter.drawLine(QPointF(line[0], line[1]), QPointF(line[2], line[3])); });
    }
}

TEST(SmoothRaster, OutlinesLookAsThePaintersEllipses)
{
    const int boxes[][4] = { { 4, 4, 56, 56 }, { 10, 20, 41, 17 }, { -20, 8, 70, 40 } };
    for (const auto& box : boxes) {
        SCOPED_TRACE(testing::Message() << box[2] << " x " << box[3] << " at " << box[0] << "," << box[1]);
        expectLikeThePainter(
            [&](raster::SmoothRaster& smooth) {
                smooth.stamp(raster::OutlineStamp::ofEllipse(box[2], box[3]), box[0], box[1]);
            },
            [&](QPainter& painter) { painter.drawEllipse(QRectF(box[0], box[1], box[2] - 1, box[3] - 1)); });
    }
}

// A window puts back, each frame, the tile rows its moving lines marked: every pixel a line
// changes must lie in a marked row, and a long slanting line (a line of sight across the
// plane) must mark a band along itself, not the rectangle it spans.
TEST(SmoothRaster, LinesMarkTheRowsTheyChangeAndLittleElse)
{
    constexpr int kWidth = 300;
    constexpr int kHeight = 200;
    std::mt19937 random(7);
    std::uniform_real_distribution<double> across(-20.0, kWidth + 20.0);
    std::uniform_real_distribution<double> down(-20.0, kHeight + 20.0);
    for (int k = 0; k < 300; ++k) {
        const double x0 = across(random), y0 = down(random);
        // Every kind of slope, level and upright lines among them.
        const double x1 = k % 7 == 0 ? x0 : across(random);
        const double y1 = k % 11 == 0 ? y0 : down(random);
        SCOPED_TRACE(testing::Message() << x0 << "," << y0 << " to " << x1 << "," << y1);
        QImage drawn(kWidth, kHeight, QImage::Format_RGB32);
        drawn.fill(Qt::white);
        raster::DirtyTiles tiles;
        tiles.reset(kWidth, kHeight);
        raster::SmoothRaster(drawn, qRgb(0, 0, 0), &tiles).line(x0, y0, x1, y1);
        QImage marked(kWidth, kHeight, QImage::Format_Mono);
        marked.fill(0);
        tiles.forEachMarkedRow([&](int y, int left, int right) {
            for (int x = left; x < right; ++x)
                marked.setPixel(x, y, 1);
        });
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (drawn.pixel(x, y) != qRgb(255, 255, 255)) {
                    ASSERT_EQ(marked.pixelIndex(x, y), 1) << "changed, not marked: " << x << "," << y;
                }
    }
    raster::DirtyTiles diagonal;
    diagonal.reset(kWidth, kHeight);
    QImage drawn(kWidth, kHeight, QImage::Format_RGB32);
    raster::SmoothRaster(drawn, qRgb(0, 0, 0), &diagonal).line(10.5, 10.5, 290.5, 190.5);
    long markedPixels = 0;
    diagonal.forEachMarkedRow([&](int, int left, int right) { markedPixels += right - left; });
    EXPECT_LT(markedPixels, 280L * 180L / 4) << "a band along the line, not its rectangle";
}

} // namespace
