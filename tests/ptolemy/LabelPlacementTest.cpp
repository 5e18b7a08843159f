#include "ptolemy/LabelPlacement.h"

#include "documents/ObservationTrail.h"
#include "ptolemy/SkyStrip.h"
#include "ptolemy/TrailLongitudes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

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

// On a sky strip a name keeps off the observed points beside the planet (here the ones just
// before it, up and right) where a corner is clear of them; where none is, it stays in its
// usual corner rather than jump about from frame to frame in a crowd of points.
TEST(LabelPlacement, ANameOnASkyStripKeepsOffTheObservedPoints)
{
    const SkyStrip strip(500, 300, 0.0, 10.0);
    ObservationTrail trail(16);
    std::vector<QRect> points;
    for (int k = 1; k <= 8; ++k) {
        const double degrees = 100.0 + k;
        trail.Append(std::cos(degrees * M_PI / 180), std::sin(degrees * M_PI / 180), 0, 0, 5.0 - 0.05 * k);
        points.emplace_back(strip.x(degrees) - 2, strip.y(5.0 - 0.05 * k) - 2, 5, 5);
    }
    const QPoint planet(strip.x(100.0), strip.y(5.0));
    const QSize name(40, 16);
    LabelPlacement names(QRect(0, 0, 500, 300), {});
    TrailLongitudes longitudes;
    trail.Lock();
    strip.avoidObservations(names, trail, planet, name + QSize(6, 6), longitudes);
    trail.Unlock();
    const QRect box(names.place(planet, name, 6), name);
    for (const QRect& point : points)
        EXPECT_FALSE(box.intersects(point)) << "the name covers the point at " << point.x() << ", " << point.y();
    names.avoid(QRect(planet - QPoint(60, 30), QSize(120, 60))); // a crowd all round
    EXPECT_EQ(names.place(planet, name, 6), planet + QPoint(6, -22)) << "no corner clear: the usual one";
}
