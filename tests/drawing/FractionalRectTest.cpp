#include "drawing/FractionalRect.h"
#include "display/DisplayManager.h"

#include <gtest/gtest.h>

namespace {

TEST(FractionalRect, ValidityNeedsOrderedEdgesWithinZeroAndOne)
{
    EXPECT_TRUE((FractionalRect { 0, 0, 1, 1 }.isValid()));
    EXPECT_TRUE((FractionalRect { 0.5, 0.5, 0.5, 0.5 }.isValid()));
    EXPECT_FALSE((FractionalRect { 0.5, 0, 0.4, 1 }.isValid()));
    EXPECT_FALSE((FractionalRect { 0, 0.6, 1, 0.5 }.isValid()));
    EXPECT_FALSE((FractionalRect { -0.1, 0, 1, 1 }.isValid()));
    EXPECT_FALSE((FractionalRect { 0, 0, 1, 1.01 }.isValid()));
}

TEST(FractionalRect, PlacingTheWholeRectangleGivesTheArea)
{
    const FractionalRect placed = placeInside({ 0.5, 0, 1, 0.5 }, { 0, 0, 1, 1 });
    EXPECT_DOUBLE_EQ(placed.left, 0.5);
    EXPECT_DOUBLE_EQ(placed.top, 0);
    EXPECT_DOUBLE_EQ(placed.right, 1);
    EXPECT_DOUBLE_EQ(placed.bottom, 0.5);
}

TEST(FractionalRect, PlacingScalesIntoTheArea)
{
    const FractionalRect placed = placeInside({ 0.2, 0.4, 0.6, 1 }, { 0.5, 0, 0.75, 0.5 });
    EXPECT_DOUBLE_EQ(placed.left, 0.4);
    EXPECT_DOUBLE_EQ(placed.top, 0.4);
    EXPECT_DOUBLE_EQ(placed.right, 0.5);
    EXPECT_DOUBLE_EQ(placed.bottom, 0.7);
}

TEST(FractionToPixels, PlacedAreaCoversItsShareOfTheClient)
{
    const FractionalRect placed = placeInside({ 0.5, 0, 1, 0.5 }, { 0, 0, 1, 1 });
    const PixelRect pixels = DisplayManager::fractionToPixels(placed, { 0, 0, 1000, 700 });
    EXPECT_EQ(pixels, (PixelRect { 500, 0, 1000, 350 }));
}

TEST(FractionToPixels, FractionsAreTruncatedTowardZero)
{
    // 0.4999 x 700 = 349.93 pixels.
    const PixelRect pixels = DisplayManager::fractionToPixels({ 0, 0, 0.9999, 0.4999 }, { 0, 0, 1000, 700 });
    EXPECT_EQ(pixels.bottom, 349);
    EXPECT_EQ(pixels.right, 999);
}

TEST(FractionToPixels, ClientOffsetIsAdded)
{
    const PixelRect pixels = DisplayManager::fractionToPixels({ 0.25, 0.5, 0.75, 1 }, { 10, 20, 110, 220 });
    EXPECT_EQ(pixels, (PixelRect { 35, 120, 85, 220 }));
}

} // namespace
