#include "ptolemy/SkyStrip.h"

#include "ptolemy/LabelPlacement.h"
#include "ptolemy/TrailLongitudes.h"
#include "raster/DeviceContext.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr double kFullCircle = 360.0;
constexpr int kGridStepDegrees = 30;
constexpr ColourRef kGridColour = makeColour(215, 215, 215);
constexpr ColourRef kFrameColour = makeColour(120, 120, 120);
constexpr ColourRef kLabelColour = makeColour(90, 90, 90);
constexpr int kObservationHalfSize = 2;
// How far beyond its box a point's or a line's smoothed edge may reach, in pixels.
constexpr int kEdgeReach = 2;
// The least room between two degree labels of the axis, in pixels.
constexpr int kDegreeLabelGap = 3;
// Two points further apart than this in longitude are taken to have crossed 0 degrees.
constexpr double kWrapDegrees = 180.0;

} // namespace

SkyStrip::SkyStrip(int width, int height, double firstTime, double lastTime)
    : width_(width)
    , height_(height)
    , firstTime_(firstTime)
    , lastTime_(lastTime > firstTime ? lastTime : firstTime + 1e-9)
{
}

double SkyStrip::longitudeDegrees(double x, double y)
{
    const double degrees = std::atan2(y, x) * 180.0 / M_PI;
    return degrees < 0 ? degrees + kFullCircle : degrees;
}

int SkyStrip::x(double longitudeDegrees) const
{
    const int usable = std::max(width_ - 2 * kSideMargin, 1);
    return kSideMargin + static_cast<int>(std::lround(longitudeDegrees / kFullCircle * usable));
}

int SkyStrip::y(double t) const
{
    const int usable = std::max(height_ - kTopMargin - kBottomMargin, 1);
    return kTopMargin + static_cast<int>(std::lround((t - firstTime_) / (lastTime_ - firstTime_) * usable));
}

std::pair<int, int> SkyStrip::observationRows(double t) const
{
    const int centre = y(std::clamp(t, firstTime_, lastTime_));
    return { centre - kObservationHalfSize - kEdgeReach, centre + kObservationHalfSize + 1 + kEdgeReach };
}

bool SkyStrip::trailReachesRows(const ObservationTrail& trail, std::int32_t first, std::int32_t last) const
{
    int top = INT_MAX;
    int bottom = INT_MIN;
    for (std::int32_t i = first; i <= last; ++i) {
        const double t = trail.heldLogical(i).t;
        if (showsTime(t)) {
            top = std::min(top, y(t));
            bottom = std::max(bottom, y(t) + 1);
        }
    }
    return top < bottom && reachesRows(top - kEdgeReach, bottom + kEdgeReach);
}

namespace {
// The degree labels' top.
constexpr int kDegreeLabelTop = 1;
} // namespace

int SkyStrip::degreeLabelsHeight(const raster::DeviceContext& context)
{
    return std::max(kTopMargin, kDegreeLabelTop + context.lineHeight());
}

LabelPlacement SkyStrip::namePlacement(const raster::DeviceContext& context)
{
    return LabelPlacement(
        QRect(0, 0, context.width(), context.height()), { QRect(0, 0, context.width(), degreeLabelsHeight(context)) });
}

int SkyStrip::degreeLabelStep(const raster::DeviceContext& context) const
{
    // The widest label with a gap on either side must fit between the labelled lines.
    const int needed = context.textWidth("360\xC2\xB0") + 2 * kDegreeLabelGap;
    const double pixelsPerDegree = static_cast<double>(x(360) - x(0)) / 360;
    for (const int step : { 1, 2, 3, 4, 6, 12 }) {
        if (pixelsPerDegree * kGridStepDegrees * step >= needed)
            return kGridStepDegrees * step;
    }
    return 360;
}

void SkyStrip::drawGrid(raster::DeviceContext& context) const
{
    const raster::Pen previousPen = context.pen();
    context.selectPen(raster::Pen { kGridColour });
    context.setTextColour(kLabelColour);
    context.setTextBackground(false);
    // The axis text and the strip's top edge, unless only rows below them are drawn.
    const bool withAxis = reachesRows(0, degreeLabelsHeight(context) + kEdgeReach);
    const int labelStep = withAxis ? degreeLabelStep(context) : 360;
    // A line straight down is the same in every row it crosses: drawing only the rows asked
    // for (and a little beyond, where it ends) leaves it the same there.
    const bool someRows = rowsTop_ != INT_MIN && kTopMargin < height_ - kBottomMargin;
    const int lineTop = someRows ? std::max(kTopMargin, rowsTop_ - 2 * kEdgeReach) : kTopMargin;
    const int lineBottom
        = someRows ? std::min(height_ - kBottomMargin, rowsBottom_ + 2 * kEdgeReach) : height_ - kBottomMargin;
    for (int degrees = 0; degrees <= 360; degrees += kGridStepDegrees) {
        const int column = x(degrees);
        if (!someRows || lineTop < lineBottom) {
            context.moveTo(column, lineTop);
            context.lineTo(column, lineBottom);
        }
        if (!withAxis || degrees % labelStep != 0)
            continue;
        const std::string label = std::to_string(degrees) + "\xC2\xB0";
        const int labelX
            = std::clamp(column - context.textWidth(label) / 2, 0, std::max(width_ - context.textWidth(label), 0));
        context.textOut(labelX, kDegreeLabelTop, label);
    }
    if (withAxis) {
        context.selectPen(raster::Pen { kFrameColour });
        context.moveTo(kSideMargin, kTopMargin);
        context.lineTo(width_ - kSideMargin, kTopMargin);
    }
    context.selectPen(previousPen);
}

void SkyStrip::drawTrail(raster::DeviceContext& context, const ObservationTrail& trail, std::int32_t first,
    std::int32_t last, TrailLongitudes& longitudes) const
{
    thread_local std::vector<raster::Point> run; // reused from paint to paint (window thread)
    auto flush = [&] {
        context.polyline(run.data(), run.size());
        run.clear();
    };
    if (rowsTop_ != INT_MIN && !trailReachesRows(trail, first, last))
        return;
    double previous = -1;
    longitudes.follow(trail);
    for (std::int32_t i = first; i <= last; ++i) {
        const Observation& record = trail.heldLogical(i);
        if (!showsTime(record.t))
            continue;
        const double longitude = longitudes.at(i, record);
        if (previous >= 0 && std::fabs(longitude - previous) > kWrapDegrees)
            flush();
        run.push_back(raster::Point { x(longitude), y(record.t) });
        previous = longitude;
    }
    flush();
}

void SkyStrip::drawObservations(raster::DeviceContext& context, const ObservationTrail& trail, double now,
    ColourRef pastColour, ColourRef futureColour, TrailLongitudes& longitudes) const
{
    const raster::Pen previousPen = context.pen();
    const raster::Brush previousBrush = context.brush();
    // Past observations are rings: the model's trail stays visible inside them by lightness
    // alone, whatever colours a student tells apart.
    const auto select = [&context, pastColour](ColourRef colour) {
        context.selectPen(raster::Pen { colour });
        context.selectBrush(raster::Brush { colour, colour == pastColour });
    };
    std::optional<ColourRef> selected;
    longitudes.follow(trail);
    for (std::int32_t i = 0; i < trail.count(); ++i) {
        const Observation& record = trail.heldLogical(i);
        if (!showsTime(record.t))
            continue;
        const auto [top, bottom] = observationRows(record.t);
        if (!reachesRows(top, bottom))
            continue;
        const ColourRef colour = record.t < now ? pastColour : futureColour;
        if (colour != selected)
            select(*(selected = colour));
        const int cx = x(longitudes.at(i, record));
        const int cy = y(record.t);
        context.ellipse(cx - kObservationHalfSize, cy - kObservationHalfSize, cx + kObservationHalfSize + 1,
            cy + kObservationHalfSize + 1);
    }
    context.selectPen(previousPen);
    context.selectBrush(previousBrush);
}

void SkyStrip::avoidObservations(LabelPlacement& names, const ObservationTrail& trail, const QPoint& point,
    const QSize& reach, TrailLongitudes& longitudes) const
{
    constexpr int kSide = 2 * kObservationHalfSize + 1;
    const QRect near(point - QPoint(reach.width(), reach.height()), QSize(2 * reach.width(), 2 * reach.height()));
    longitudes.follow(trail);
    const std::int32_t count = trail.count();
    for (std::int32_t i = 0; i < count; ++i) {
        const Observation& record = trail.heldLogical(i);
        if (!showsTime(record.t))
            continue;
        const int cy = y(record.t);
        if (cy + kObservationHalfSize < near.top() || cy - kObservationHalfSize > near.bottom())
            continue;
        const QRect mark(x(longitudes.at(i, record)) - kObservationHalfSize, cy - kObservationHalfSize, kSide, kSide);
        if (mark.intersects(near))
            names.avoid(mark);
    }
}
