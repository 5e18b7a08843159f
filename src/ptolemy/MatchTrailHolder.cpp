#include "ptolemy/MatchTrailHolder.h"

#include "platform/HashCombine.h"

#include "drawing/ScreenMapping.h"
#include "drawing/SharedSprites.h"
#include "ptolemy/ObservationColours.h"

#include <algorithm>
#include <cmath>

namespace {

using observation_colours::kCurrent;
using observation_colours::kFuture;
using observation_colours::kPast;
// Half the width of the window of model time around "now" that makes an observation current.
constexpr double kCurrentWindow = 0.01;
// Half-sizes in pixels of the plain marks drawn when the shared pictures are not loaded.
constexpr int kMarkHalfSize = 2;
constexpr int kCurrentMarkHalfSize = 5;
// Marks whose centre lies further than this many pixels outside the device are not drawn:
// they cannot show, and keeping coordinates small keeps the painter's arithmetic exact.
constexpr int kOffDeviceMargin = 4096;

// A point of the screen; `valid` is false when the model point has no place on it (not a number).
struct ScreenPoint {
    int x = 0;
    int y = 0;
    bool valid = false;
};

// The model point on the screen (see ScreenMapping.h; a point it clamps lies far beyond
// the margin of any device and is not drawn). A product of coordinate and scale that is
// not a number gives no point, rather than the centre where the mapping would put it.
ScreenPoint toScreen(double x, double y, std::int32_t cx, std::int32_t cy, double scale)
{
    if (std::isnan(x * scale) || std::isnan(y * scale))
        return ScreenPoint {};
    return ScreenPoint { screen_mapping::screenX(cx, x, scale), screen_mapping::screenY(cy, y, scale), true };
}

bool isNearDevice(const ScreenPoint& point, const raster::DeviceContext& context)
{
    return point.valid && point.x >= -kOffDeviceMargin && point.y >= -kOffDeviceMargin
        && point.x <= context.width() + kOffDeviceMargin && point.y <= context.height() + kOffDeviceMargin;
}

void drawDisc(raster::DeviceContext& context, const ScreenPoint& point, int halfSize)
{
    context.ellipse(point.x - halfSize, point.y - halfSize, point.x + halfSize, point.y + halfSize);
}

} // namespace

MatchTrailHolder::MatchTrailHolder(const MatchTrailHolder& other)
    : matchTrail_(other.matchTrail_ ? std::make_unique<ObservationTrail>(*other.matchTrail_) : nullptr)
    , matchPath_(other.matchPath_)
    , pensCreated_(other.pensCreated_)
    , futurePen_(other.futurePen_)
    , currentPen_(other.currentPen_)
    , pastPen_(other.pastPen_)
    , futureBrush_(other.futureBrush_)
    , currentBrush_(other.currentBrush_)
    , pastBrush_(other.pastBrush_)
{
}

void MatchTrailHolder::SetMatchTrail(const ObservationTrail* trail)
{
    if (trail == nullptr || trail->count() == 0) {
        matchTrail_.reset();
        return;
    }
    matchTrail_ = std::make_unique<ObservationTrail>(*trail);
}

void MatchTrailHolder::CreateMatchPens(raster::DeviceContext&)
{
    if (pensCreated_)
        return;
    futurePen_ = raster::Pen { kFuture };
    futureBrush_ = raster::Brush { kFuture, false };
    currentPen_ = raster::Pen { kCurrent };
    currentBrush_ = raster::Brush { kCurrent, false };
    pastPen_ = raster::Pen { kPast };
    pastBrush_ = raster::Brush { kPast, false };
    pensCreated_ = true;
}

const MatchTrailHolder::Times& MatchTrailHolder::SortedTimes() const
{
    ObservationTrail& trail = *matchTrail_;
    trail.Lock();
    if (times_.revision != trail.revision()) {
        times_.revision = trail.revision();
        times_.sorted.clear();
        // A time that is not a number is before and after nothing (and would break the order).
        for (std::int32_t i = 0; i < trail.count(); ++i) {
            const double t = trail.heldLogical(i).t;
            if (!std::isnan(t))
                times_.sorted.push_back(t);
        }
        std::sort(times_.sorted.begin(), times_.sorted.end());
    }
    trail.Unlock();
    return times_;
}

bool MatchTrailHolder::MatchTimeSpan(double& first, double& last) const
{
    if (!matchTrail_)
        return false;
    const std::vector<double>& sorted = SortedTimes().sorted;
    if (sorted.empty())
        return false;
    first = sorted.front();
    last = sorted.back();
    return true;
}

std::int32_t MatchTrailHolder::ObservationsBefore(double t) const
{
    if (!matchTrail_)
        return 0;
    const std::vector<double>& sorted = SortedTimes().sorted;
    return static_cast<std::int32_t>(std::lower_bound(sorted.begin(), sorted.end(), t) - sorted.begin());
}

std::uint64_t MatchTrailHolder::MatchMarkersKey(double now) const
{
    if (!matchTrail_ || matchTrail_->count() == 0)
        return 0;
    ObservationTrail& trail = *matchTrail_;
    trail.Lock();
    std::uint64_t key = trail.revision();
    std::int32_t currentSlot = -1;
    for (std::int32_t i = 0; i < trail.count(); ++i) {
        const double t = trail.heldLogical(i).t;
        if (currentSlot < 0 && t > now - kCurrentWindow && t <= now + kCurrentWindow)
            currentSlot = i;
        key = platform::hashCombine(key, std::uint64_t { t > now - kCurrentWindow });
    }
    trail.Unlock();
    return platform::hashCombine(key, static_cast<std::uint64_t>(currentSlot) + 1) | 1u;
}

std::int32_t MatchTrailHolder::DrawMatchTrail(
    raster::DeviceContext& context, double now, std::int32_t cx, std::int32_t cy, double scale, TraceLayer layer)
{
    if (!matchTrail_ || matchTrail_->count() == 0)
        return -1;
    // Drawing before the pens were made would use whatever the context holds; make them now.
    CreateMatchPens(context);
    const raster::Pen previousPen = context.pen();
    const raster::Brush previousBrush = context.brush();
    const SharedSprites& sprites = sharedSprites();

    ObservationTrail& trail = *matchTrail_;
    trail.Lock();
    const std::int32_t count = trail.count();
    const std::int32_t capacity = trail.capacity();
    const std::int32_t start = trail.start();
    std::int32_t currentSlot = -1;
    ScreenPoint currentPoint;
    for (std::int32_t i = 0; i < count; ++i) {
        const std::int32_t slot = (start + i) % capacity;
        const Observation record = trail.record(slot);
        const ScreenPoint point = toScreen(record.x, record.y, cx, cy, scale);
        const bool inWindow = record.t > now - kCurrentWindow && record.t <= now + kCurrentWindow;
        if (inWindow && currentSlot < 0) {
            currentSlot = slot;
            currentPoint = point;
            continue;
        }
        if (layer == TraceLayer::MovingOnly || !isNearDevice(point, context))
            continue;
        // Records after "now" and further records inside the window are future observations.
        const bool future = record.t > now - kCurrentWindow;
        const Bitmap& picture = future ? sprites.matchBefore : sprites.matchAfter;
        if (SUCCEEDED(picture.isValid())) {
            picture.drawAt(context, point.x, point.y);
        } else {
            context.selectPen(future ? futurePen_ : pastPen_);
            context.selectBrush(future ? futureBrush_ : pastBrush_);
            drawDisc(context, point, kMarkHalfSize);
        }
    }
    trail.Unlock();

    if (currentSlot >= 0 && layer != TraceLayer::StillOnly && isNearDevice(currentPoint, context)) {
        if (SUCCEEDED(sprites.matchNow.isValid())) {
            sprites.matchNow.drawAt(context, currentPoint.x, currentPoint.y);
        } else {
            context.selectPen(currentPen_);
            context.selectBrush(currentBrush_);
            drawDisc(context, currentPoint, kCurrentMarkHalfSize);
        }
    }
    context.selectPen(previousPen);
    context.selectBrush(previousBrush);
    return currentSlot;
}

double MatchTrailHolder::MatchExtent() const
{
    if (!matchTrail_)
        return 0.0;
    ObservationTrail& trail = *matchTrail_;
    trail.Lock();
    double largest = 0.0;
    for (std::int32_t i = 0; i < trail.count(); ++i) {
        const Observation record = trail.logical(i);
        largest = std::max(largest, std::hypot(record.x, record.y));
    }
    trail.Unlock();
    return largest + 5.0;
}
