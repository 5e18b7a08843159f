// One system of cycles in a Sun-centred frame (see SunFrame): its flags there and how far it
// reaches from the Sun.
#include "platform/HashCombine.h"
#include "ptolemy/PtolemyBody.h"
#include "ptolemy/PtolemyFlags.h"
#include "ptolemy/UniverseLocks.h"

#include <algorithm>
#include <cmath>

namespace {

// Room left around the farthest record, as a chain's extent leaves around its circles.
constexpr double kExtentRoom = 5.0;

} // namespace

std::int32_t PtolemyBody::FlagsInFrame(std::int32_t effectiveFlags, const SunFrame* sunFrame)
{
    return sunFrame ? (effectiveFlags & ~ptolemy_flags::kMatch) : effectiveFlags;
}

double PtolemyBody::SunFrameExtent(std::int32_t flags, const SunFrame& frame)
{
    UniverseLock lock(owner_);
    if (!head_)
        return 1.0;
    const RecordPlacement placement(frame, *this);
    const std::uint64_t key = platform::hashCombine(FullTrace().revision(), placement.key());
    if (key != sunFrameFarthestKey_) {
        sunFrameFarthest_ = FarthestTraceRecord(placement);
        sunFrameFarthestKey_ = key;
    }
    double extent = sunFrameFarthest_ + kExtentRoom;
    if (EffectiveFlags(flags) & ptolemy_flags::kCircles)
        extent = std::max(extent, extent_ + frame.sunReach());
    return extent;
}

double PtolemyBody::FarthestTraceRecord(const RecordPlacement& placement)
{
    const ObservationTrail& trace = FullTrace();
    double farthest = 0;
    trace.Lock();
    for (std::int32_t i = 0; i < trace.count(); ++i) {
        const ModelPoint place = placement.at(trace.heldLogical(i));
        farthest = std::max(farthest, std::hypot(place.x, place.y));
    }
    trace.Unlock();
    return farthest;
}
