#include "raster/DeviceContext.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <vector>

using raster::Brush;
using raster::DeviceContext;
using raster::Pen;
using raster::Point;
using raster::RasterOp;

namespace {

QImage whiteImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

constexpr ColourRef kWhite = makeColour(255, 255, 255);
constexpr ColourRef kRed = makeColour(255, 0, 0);
constexpr ColourRef kBlue = makeColour(0, 0, 255);

} // namespace

TEST(DeviceContext, FillRectCoversExactlyItsPixels)
{
    QImage image = whiteImage(20, 20);
    DeviceContext context(image);
    context.fillRect(2, 3, 6, 8, kRed);
    EXPECT_EQ(context.pixel(2, 3), kRed);
    EXPECT_EQ(context.pixel(5, 7), kRed);
    EXPECT_EQ(context.pixel(6, 7), kWhite);
    EXPECT_EQ(context.pixel(5, 8), kWhite);
    EXPECT_EQ(context.pixel(1, 3), kWhite);
}

// Plain pixels are filled without a painter: across every edge as the painter fills them.
TEST(DeviceContext, FillRectAcrossTheEdgesMatchesThePainter)
{
    QImage filled = whiteImage(20, 20);
    QImage painted = whiteImage(20, 20);
    DeviceContext context(filled);
    QPainter painter(&painted);
    const QRect boxes[] = { { -5, -3, 10, 8 }, { 15, 12, 40, 30 }, { -100000, 9, 200000, 2 }, { 4, 4, 0, 5 } };
    for (const QRect& box : boxes) {
        context.fillRect(box.left(), box.top(), box.left() + box.width(), box.top() + box.height(), kBlue);
        painter.fillRect(box, QColor(0, 0, 255));
    }
    painter.end();
    EXPECT_EQ(filled, painted);
}

TEST(DeviceContext, EllipseIsFilledWithTheBrushAndStaysInItsBox)
{
    QImage image = whiteImage(30, 30);
    DeviceContext context(image);
    context.selectPen(Pen { kBlue, 1, Pen::Style::Solid });
    context.selectBrush(Brush { kRed, false });
    context.ellipse(5, 5, 16, 16);
    EXPECT_EQ(context.pixel(10, 10), kRed);
    EXPECT_EQ(context.pixel(4, 10), kWhite);
    EXPECT_EQ(context.pixel(16, 10), kWhite);
    EXPECT_EQ(context.pixel(5, 5), kWhite); // corners of the box lie outside the ellipse
}

TEST(DeviceContext, FullArcOutlinesWithoutFilling)
{
    QImage image = whiteImage(40, 40);
    DeviceContext context(image);
    context.selectPen(Pen { kBlue, 1, Pen::Style::Solid });
    context.selectBrush(Brush { kRed, false });
    context.arc(10, 10, 31, 31, 20, 10, 20, 10);
    EXPECT_EQ(context.pixel(20, 20), kWhite);
    int outline = 0;
    for (int x = 0; x < 40; ++x)
        outline += context.pixel(x, 20) == kBlue ? 1 : 0;
    EXPECT_EQ(outline, 2);
}

TEST(DeviceContext, LinesUseTheSelectedPenAndMoveTheCurrentPosition)
{
    QImage image = whiteImage(20, 20);
    DeviceContext context(image);
    context.selectPen(Pen { kRed, 1, Pen::Style::Solid });
    context.moveTo(0, 5);
    context.lineTo(10, 5);
    context.lineTo(10, 15);
    EXPECT_EQ(context.pixel(5, 5), kRed);
    EXPECT_EQ(context.pixel(10, 10), kRed);
    EXPECT_EQ(context.pixel(5, 10), kWhite);
    context.selectPen(Pen { kBlue, 1, Pen::Style::Null });
    context.lineTo(0, 15);
    EXPECT_EQ(context.pixel(5, 15), kWhite);
}

TEST(DeviceContext, PolylineDrawsTheSamePixelsAsLinesOneByOne)
{
    // Short, long, repeated and off-device points, with corners in every direction.
    std::srand(11);
    std::vector<Point> points;
    for (int k = 0; k < 300; ++k) {
        const int reach = k % 3 == 0 ? 3 : (k % 3 == 1 ? 25 : 90);
        points.push_back({ std::rand() % (2 * reach + 1) - reach + 60, std::rand() % (2 * reach + 1) - reach + 50 });
        if (k % 17 == 0)
            points.push_back(points.back());
    }
    QImage oneByOne = whiteImage(120, 100);
    QImage joined = whiteImage(120, 100);
    DeviceContext lines(oneByOne);
    DeviceContext polyline(joined);
    lines.selectPen(Pen { kRed, 1, Pen::Style::Solid });
    polyline.selectPen(Pen { kRed, 1, Pen::Style::Solid });
    lines.moveTo(points.front().x, points.front().y);
    for (const Point& point : points)
        lines.lineTo(point.x, point.y);
    polyline.polyline(points.data(), points.size());
    EXPECT_TRUE(oneByOne == joined);
    // Both end at the last point: a further line starts there.
    lines.lineTo(0, 0);
    polyline.lineTo(0, 0);
    EXPECT_TRUE(oneByOne == joined);
}

TEST(DeviceContext, PolylineWithTheNullPenOnlyMoves)
{
    QImage image = whiteImage(20, 20);
    DeviceContext context(image);
    context.selectPen(Pen { kRed, 1, Pen::Style::Null });
    const Point points[] = { { 1, 1 }, { 18, 1 }, { 18, 18 } };
    context.polyline(points, 3);
    EXPECT_EQ(context.pixel(10, 1), kWhite);
    context.selectPen(Pen { kBlue, 1, Pen::Style::Solid });
    context.lineTo(18, 10);
    EXPECT_EQ(context.pixel(18, 14), kBlue);
    EXPECT_EQ(context.pixel(18, 5), kWhite);
}

TEST(DeviceContext, OutlinesTextAndPixelsKeepTheSelectedPenAndBrush)
{
    QImage image = whiteImage(120, 60);
    DeviceContext context(image);
    context.selectPen(Pen { kBlue, 1, Pen::Style::Solid });
    context.selectBrush(Brush { kRed, false });
    EXPECT_EQ(context.selectPen(Pen { kBlue, 1, Pen::Style::Solid }).colour, kBlue);
    context.arc(0, 0, 11, 11, 5, 0, 5, 0);
    context.setPixel(40, 40, makeColour(0, 255, 0));
    context.textOut(60, 0, "Mars");
    context.ellipse(20, 20, 31, 31);
    EXPECT_EQ(context.pixel(25, 25), kRed);
    EXPECT_EQ(context.pixel(20, 25), kBlue);
    context.moveTo(0, 50);
    context.lineTo(30, 50);
    EXPECT_EQ(context.pixel(15, 50), kBlue);
}

TEST(DeviceContext, RasterOperationsAreBitwise)
{
    QImage image(4, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(0xf0, 0x0f, 0xaa));
    image.setPixel(1, 0, qRgb(0xf0, 0x0f, 0xaa));
    image.setPixel(2, 0, qRgb(0xf0, 0x0f, 0xaa));
    QImage source(3, 1, QImage::Format_RGB32);
    source.fill(qRgb(0x3c, 0x3c, 0x0f));
    DeviceContext context(image);
    context.bitBlt(0, 0, 1, 1, source, 0, 0, RasterOp::SourceAnd);
    context.bitBlt(1, 0, 1, 1, source, 1, 0, RasterOp::SourcePaint);
    context.bitBlt(2, 0, 1, 1, source, 2, 0, RasterOp::SourceCopy);
    EXPECT_EQ(context.pixel(0, 0), makeColour(0x30, 0x0c, 0x0a));
    EXPECT_EQ(context.pixel(1, 0), makeColour(0xfc, 0x3f, 0xaf));
    EXPECT_EQ(context.pixel(2, 0), makeColour(0x3c, 0x3c, 0x0f));
}

TEST(DeviceContext, StretchRepeatsPixels)
{
    QImage source(2, 1, QImage::Format_RGB32);
    source.setPixel(0, 0, qRgb(255, 0, 0));
    source.setPixel(1, 0, qRgb(0, 0, 255));
    QImage image = whiteImage(8, 2);
    DeviceContext context(image);
    context.stretchBlt(0, 0, 8, 2, source, 0, 0, 2, 1);
    EXPECT_EQ(context.pixel(0, 0), kRed);
    EXPECT_EQ(context.pixel(3, 1), kRed);
    EXPECT_EQ(context.pixel(4, 0), kBlue);
    EXPECT_EQ(context.pixel(7, 1), kBlue);
}

TEST(DeviceContext, TextIsDrawnBelowAndRightOfItsOrigin)
{
    QImage image = whiteImage(200, 40);
    DeviceContext context(image);
    EXPECT_GT(context.lineHeight(), 8);
    EXPECT_GT(context.textWidth("Total Loads"), context.textWidth("Total"));
    context.textOut(10, 10, "Total Loads");
    bool inked = false;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 200; ++x) {
            const bool dark = context.pixel(x, y) == 0;
            inked = inked || dark;
            if (dark) {
                EXPECT_GE(x, 10);
                EXPECT_GE(y, 10);
                EXPECT_LT(y, 10 + context.lineHeight());
            }
        }
    EXPECT_TRUE(inked);
}

// Smooth text is blended from coverage laid out once: it looks as the painter's own text,
// in any colour, over any ground, and half off the picture.
TEST(DeviceContext, KeptTextLooksAsThePaintersText)
{
    const QFont font = DeviceContext::defaultFont(raster::Rendering::Smooth);
    for (const QColor ground : { QColor(Qt::white), QColor(24, 32, 64) })
        for (const int x : { 6, -9, 150 }) {
            QImage expected(170, 30, QImage::Format_RGB32);
            expected.fill(ground);
            QImage drawn = expected.copy();
            {
                QPainter painter(&expected);
                painter.setRenderHint(QPainter::Antialiasing, true);
                painter.setFont(font);
                painter.setPen(QColor(250, 160, 20));
                painter.drawText(x, 4 + QFontMetrics(font).ascent(), QStringLiteral("Mars Jupiter"));
            }
            {
                DeviceContext context(drawn, raster::Rendering::Smooth, &font);
                context.setTextBackground(false);
                context.setTextColour(makeColour(250, 160, 20));
                context.textOut(x, 4, "Mars Jupiter");
            }
            for (int py = 0; py < expected.height(); ++py)
                for (int px = 0; px < expected.width(); ++px) {
                    const QRgb want = expected.pixel(px, py);
                    const QRgb got = drawn.pixel(px, py);
                    const int difference = std::max({ std::abs(qRed(want) - qRed(got)),
                        std::abs(qGreen(want) - qGreen(got)), std::abs(qBlue(want) - qBlue(got)) });
                    ASSERT_LE(difference, 2) << "at " << px << "," << py << " with the text at " << x;
                }
        }
}

// Copies of plain pixels skip the painter: whatever part of either image the rectangles
// miss, the result is the painter's own.
TEST(DeviceContext, CopiesClippedAtEveryEdgeAsThePainterClipsThem)
{
    QImage source(9, 7, QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            source.setPixel(x, y, qRgb(x * 28, y * 36, (x ^ y) * 17));
    QImage under(12, 10, QImage::Format_RGB32);
    for (int y = 0; y < under.height(); ++y)
        for (int x = 0; x < under.width(); ++x)
            under.setPixel(x, y, qRgb(200 - x * 9, 40 + y * 11, 150));
    const struct {
        QPainter::CompositionMode mode;
        RasterOp op;
    } ops[] = { { QPainter::CompositionMode_Source, RasterOp::SourceCopy },
        { QPainter::RasterOp_SourceAndDestination, RasterOp::SourceAnd },
        { QPainter::RasterOp_SourceOrDestination, RasterOp::SourcePaint } };
    const int places[] = { -12, -4, 0, 3, 8, 11, 20 };
    for (const auto& [mode, op] : ops)
        for (int x : places)
            for (int sx : { -3, 0, 2, 8 }) {
                const int y = x / 2;
                const int sy = sx - 1;
                QImage expected = under.copy();
                {
                    QPainter painter(&expected);
                    painter.setCompositionMode(mode);
                    painter.drawImage(QPoint(x, y), source, QRect(sx, sy, 6, 5));
                }
                QImage drawn = under.copy();
                {
                    DeviceContext context(drawn);
                    context.bitBlt(x, y, 6, 5, source, sx, sy, op);
                }
                ASSERT_EQ(drawn, expected) << "at " << x << "," << y << " from " << sx << "," << sy;
            }
}

// What windows draw their thin lines and circles with: every pixel that changes is in a
// marked row of a marked tile, and far-off coordinates cost nothing.
TEST(DeviceContext, SmoothDrawingMarksEveryTileRowItChanges)
{
    QImage drawn = whiteImage(200, 150);
    raster::DirtyTiles tiles;
    tiles.reset(200, 150);
    {
        DeviceContext context(drawn, raster::Rendering::Smooth);
        context.trackChanges(&tiles);
        context.selectPen(Pen { kRed });
        context.selectBrush(Brush { kWhite, true });
        const Point trail[] = { { 5, 5 }, { 60, 20 }, { 61, 90 }, { -1000000000, 140 }, { 199, 149 } };
        context.polyline(trail, std::size(trail));
        context.ellipse(100, 30, 180, 90);
        context.ellipse(-900000000, -900000000, 900000000, 900000001);
        context.selectBrush(Brush { kBlue });
        context.selectPen(Pen { kBlue });
        context.ellipse(150, 120, 155, 125);
        context.textOut(20, 110, "Mars");
    }
    QImage marked = whiteImage(200, 150);
    int markedPixels = 0;
    tiles.forEachMarkedRow([&](int y, int left, int right) {
        for (int x = left; x < right; ++x)
            marked.setPixel(x, y, qRgb(0, 0, 0));
        markedPixels += right - left;
    });
    int changed = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            if (drawn.pixel(x, y) != qRgb(255, 255, 255)) {
                ++changed;
                ASSERT_TRUE(tiles.region().contains(QPoint(x, y))) << x << "," << y;
                ASSERT_EQ(marked.pixel(x, y), qRgb(0, 0, 0)) << "row of " << x << "," << y;
            }
    EXPECT_GT(changed, 300);
    int tilePixels = 0;
    for (const QRect& run : tiles.rectangles())
        tilePixels += run.width() * run.height();
    EXPECT_LT(markedPixels, tilePixels) << "rows are marked, not whole tiles";
    EXPECT_FALSE(tiles.allMarked());
}
