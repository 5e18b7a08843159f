#include "ptolemy/LabelPlacement.h"

#include <gtest/gtest.h>

// A planet's name goes above and right of it unless that covers other text or leaves the
// window: on a sky strip the degree labels (the band at the top), in the plane the cycles' names.
TEST(LabelPlacement, ANameAvoidsOtherTextAndTheWindowsEdges)
{
    const QSize name(40, 16);
    const LabelPlacement strip(QRect(0, 0, 500, 300), { QRect(0, 0, 500, 18) });
    EXPECT_EQ(strip.place({ 100, 150 }, name, 6), QPoint(106, 128)) << "above and right, as always";
    EXPECT_EQ(strip.place({ 100, 30 }, name, 6), QPoint(106, 36)) << "below, off the degree labels";
    EXPECT_EQ(strip.place({ 480, 30 }, name, 6), QPoint(434, 36)) << "below and left at the right edge";
    EXPECT_EQ(strip.place({ 480, 150 }, name, 6), QPoint(434, 128)) << "left at the right edge";

    const LabelPlacement plane(QRect(0, 0, 400, 400), { QRect(209, 209, 60, 16) });
    EXPECT_EQ(plane.place({ 215, 240 }, name, 6), QPoint(221, 246)) << "below the cycle's name";
    EXPECT_FALSE(QRect(plane.place({ 215, 240 }, name, 6), name).intersects(QRect(209, 209, 60, 16)));

    const LabelPlacement crowded(QRect(0, 0, 30, 30), {});
    EXPECT_EQ(crowded.place({ 15, 15 }, name, 6), QPoint(21, -7)) << "nowhere free: where it always went";
}
