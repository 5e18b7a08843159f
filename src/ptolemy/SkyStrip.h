#pragma once
// The sky as seen from the centre of a universe (the Earth): a strip of ecliptic
// longitude, 0 to 360 degrees from left to right, with model time running down from the
// first time shown (top) to the last (bottom). A planet that moves backwards in longitude
// for a while, as seen from the Earth, draws its retrograde loop across the strip.
//
// A value type made for one paint: the window's size and the span of time it shows, and,
// when a window draws only some rows of its still picture again, those rows: the points
// and trail pieces that do not reach them are left out.
#include "documents/ObservationTrail.h"
#include "platform/Colour.h"

#include <climits>
#include <cstdint>
#include <utility>

namespace raster {
class DeviceContext;
}

class LabelPlacement;
class QPoint;
class QSize;
class TrailLongitudes;

class SkyStrip {
public:
    // Room above the strip for the degree labels, and at its sides, in pixels.
    static constexpr int kTopMargin = 18;
    static constexpr int kSideMargin = 6;
    static constexpr int kBottomMargin = 6;

    SkyStrip(int width, int height, double firstTime, double lastTime);

    // The longitude, in degrees from 0 to 360, of the model point (x, y) seen from the centre.
    static double longitudeDegrees(double x, double y);

    int x(double longitudeDegrees) const;
    int y(double t) const;
    bool showsTime(double t) const { return t >= firstTime_ && t <= lastTime_; }
    // Draws only what reaches pixel rows [top, bottom).
    void limitToRows(int top, int bottom)
    {
        rowsTop_ = top;
        rowsBottom_ = bottom;
    }
    // The pixel rows [top, bottom) that an observation at time t may touch (a time outside
    // the span, at its nearer end).
    std::pair<int, int> observationRows(double t) const;

    // The height of the band of degree labels above the strip.
    static int degreeLabelsHeight(const raster::DeviceContext& context);
    // Where names go on the strip: inside the window, never over the degree labels.
    static LabelPlacement namePlacement(const raster::DeviceContext& context);
    // The strip's frame, a line every 30 degrees and their labels.
    void drawGrid(raster::DeviceContext& context) const;
    // The points of `trail` within the span, as seen from the centre, joined in the
    // selected pen; the line breaks where the longitude passes 0 degrees. Only the records
    // at logical positions first ... last; the caller holds the trail's lock.
    // `longitudes` keeps each record's longitude for the next walk.
    void drawTrail(raster::DeviceContext& context, const ObservationTrail& trail, std::int32_t first, std::int32_t last,
        TrailLongitudes& longitudes) const REQUIRES(trail.Mutex());
    // The points of `trail` within the span: those before `now` as rings in `pastColour`,
    // the others as small discs in `futureColour`; the caller holds the trail's lock.
    void drawObservations(raster::DeviceContext& context, const ObservationTrail& trail, double now,
        ColourRef pastColour, ColourRef futureColour, TrailLongitudes& longitudes) const REQUIRES(trail.Mutex());
    // Gives `names` the points of `trail` (as drawObservations draws them) that lie within
    // `reach` of `point`, to keep a name placed beside the point off them.
    void avoidObservations(LabelPlacement& names, const ObservationTrail& trail, const QPoint& point,
        const QSize& reach, TrailLongitudes& longitudes) const REQUIRES(trail.Mutex());

private:
    // Every how many degrees the axis is labelled: every grid line where the labels fit.
    int degreeLabelStep(const raster::DeviceContext& context) const;
    bool reachesRows(int top, int bottom) const { return top < rowsBottom_ && bottom > rowsTop_; }
    // Whether the records first ... last reach the rows drawn. (the trail's lock held)
    bool trailReachesRows(const ObservationTrail& trail, std::int32_t first, std::int32_t last) const
        REQUIRES(trail.Mutex());

    int width_;
    int height_;
    double firstTime_;
    double lastTime_;
    int rowsTop_ = INT_MIN;
    int rowsBottom_ = INT_MAX;
};
