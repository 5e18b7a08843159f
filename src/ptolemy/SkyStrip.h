#pragma once
// The sky as seen from the centre of a universe (the Earth): a strip of ecliptic
// longitude, 0 to 360 degrees from left to right, with model time running down from the
// first time shown (top) to the last (bottom). A planet that moves backwards in longitude
// for a while, as seen from the Earth, draws its retrograde loop across the strip.
//
// A value type made for one paint: the window's size and the span of time it shows.
#include "documents/ObservationTrail.h"
#include "platform/Colour.h"

#include <cstdint>

namespace raster {
class DeviceContext;
}

class LabelPlacement;
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

private:
    // Every how many degrees the axis is labelled: every grid line where the labels fit.
    int degreeLabelStep(const raster::DeviceContext& context) const;

    int width_;
    int height_;
    double firstTime_;
    double lastTime_;
};
