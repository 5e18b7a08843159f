#include "ptolemy/SunFrame.h"

#include "platform/HashCombine.h"

SunFrame::SunFrame(const PtolemyBody& system, const PtolemyOrbit& chain)
    : system_(system)
    , chain_(chain)
{
}

ModelPoint SunFrame::sunAt(double t) const { return chain_.Position(t); }

ModelPoint SunFrame::earthAt(double t) const { return fromSun({}, t); }

ModelPoint SunFrame::fromSun(ModelPoint point, double t) const
{
    const ModelPoint sun = sunAt(t);
    return { point.x - sun.x, point.y - sun.y };
}

double SunFrame::sunReach() const { return chain_.Extent(); }

std::uint64_t SunFrame::key() const { return platform::hashCombine(chain_.ChainKey(), std::uint64_t { 0x5u }) | 1u; }
