#include "platform/DeviceContext.h"

#include <gtest/gtest.h>

using platform::Brush;
using platform::DeviceContext;
using platform::Pen;
using platform::RasterOp;

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

TEST(DeviceContext, EllipseIsFilledWithTheBrushAndStaysInItsBox)
{
    QImage image = whiteImage(30, 30);
    DeviceContext context(image);
    context.selectPen(Pen{kBlue, 1, Pen::Style::Solid});
    context.selectBrush(Brush{kRed, false});
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
    context.selectPen(Pen{kBlue, 1, Pen::Style::Solid});
    context.selectBrush(Brush{kRed, false});
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
    context.selectPen(Pen{kRed, 1, Pen::Style::Solid});
    context.moveTo(0, 5);
    context.lineTo(10, 5);
    context.lineTo(10, 15);
    EXPECT_EQ(context.pixel(5, 5), kRed);
    EXPECT_EQ(context.pixel(10, 10), kRed);
    EXPECT_EQ(context.pixel(5, 10), kWhite);
    context.selectPen(Pen{kBlue, 1, Pen::Style::Null});
    context.lineTo(0, 15);
    EXPECT_EQ(context.pixel(5, 15), kWhite);
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
