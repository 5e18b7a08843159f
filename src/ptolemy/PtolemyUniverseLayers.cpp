// The universe's still and moving layers: what a window keeps between frames and what it
// draws each frame.
#include "ptolemy/PtolemyUniverse.h"

#include "platform/HashCombine.h"
#include "ptolemy/PtolemyBody.h"
#include "ptolemy/PtolemyFlags.h"
#include "ptolemy/SkyStrip.h"
#include "ptolemy/UniverseLocks.h"

#include <cmath>

namespace {

bool showsStatistics(std::int32_t drawRequest) { return (drawRequest & kDrawStatistics) != 0; }
bool showsSky(std::int32_t drawRequest) { return (drawRequest & ptolemy_flags::kSky) != 0; }
bool showsResiduals(std::int32_t drawRequest) { return (drawRequest & ptolemy_flags::kResiduals) != 0; }
// The sky strip alone, whose observations are parts of the still layer.
bool showsSkyStrip(std::int32_t drawRequest)
{
    return !showsStatistics(drawRequest) && showsSky(drawRequest) && !showsResiduals(drawRequest);
}

std::uint64_t sizeAndRequestKey(std::int32_t width, std::int32_t height, std::int32_t drawRequest)
{
    const std::uint64_t size
        = (static_cast<std::uint64_t>(static_cast<std::uint32_t>(width)) << 32) | static_cast<std::uint32_t>(height);
    return platform::hashCombine(
        platform::hashCombine(0, size), static_cast<std::uint64_t>(static_cast<std::uint32_t>(drawRequest)));
}

} // namespace

std::uint64_t PtolemyUniverse::StillLayerKey(std::int32_t width, std::int32_t height, std::int32_t drawRequest)
{
    // The statistics view is drawn whole every frame.
    if (showsStatistics(drawRequest))
        return kNoStillLayer;
    UniverseLock guard(this);
    if (showsSkyStrip(drawRequest)) {
        skyStill_.time = Time();
        skyStill_.spanFixed = SkyTimeSpan(skyStill_.time, skyStill_.first, skyStill_.last);
        return platform::hashCombine(sizeAndRequestKey(width, height, drawRequest), SkyStillKey(drawRequest)) | 1u;
    }
    // A change due now would otherwise show first in the moving layer only.
    ChangeAutomaticallyWhenDue();
    if (showsResiduals(drawRequest))
        return platform::hashCombine(sizeAndRequestKey(width, height, drawRequest), ResidualsKey()) | 1u;
    if (drawRequest & ptolemy_flags::kSunFrame)
        return SunCentredStillKey(sizeAndRequestKey(width, height, drawRequest), width, height, drawRequest);
    bool anyStays = false;
    std::uint64_t key = platform::hashCombine(
        sizeAndRequestKey(width, height, drawRequest), FittingScale(drawRequest, width / 2, height / 2));
    const double t = Time();
    for (std::int32_t i = 0; i < bodies_.Count(); ++i) {
        const std::uint64_t part = bodies_.Get(i)->StillLayerKey(drawRequest, t);
        anyStays = anyStays || part != 0;
        key = platform::hashCombine(key, part);
    }
    return anyStays ? (key | 1u) : kNoStillLayer;
}

// The grid, and, when the matched trails fix the strip's span of time, their points and the
// whole pieces of the running trails.
std::uint64_t PtolemyUniverse::SkyStillKey(std::int32_t drawRequest)
{
    if (!skyStill_.spanFixed)
        return 0;
    std::uint64_t key = platform::hashCombine(platform::hashCombine(0, skyStill_.first), skyStill_.last);
    for (std::int32_t i = 0; i < bodies_.Count(); ++i) {
        key = platform::hashCombine(key, bodies_.Get(i)->SkyObservationsKey(drawRequest));
        key = platform::hashCombine(key, bodies_.Get(i)->SkyTrailPiecesKey());
    }
    return key;
}

HRESULT PtolemyUniverse::DrawStillLayer(
    raster::DeviceContext& context, std::int32_t width, std::int32_t height, std::int32_t drawRequest)
{
    if (showsStatistics(drawRequest))
        return S_OK;
    PrepareToDraw(context);
    if (showsResiduals(drawRequest))
        return DrawResiduals(context, drawRequest, width, height, TraceLayer::StillOnly);
    if (showsSky(drawRequest))
        return DrawSky(context, drawRequest, width, height, TraceLayer::StillOnly);
    return DrawSystems(context, drawRequest, width, height, TraceLayer::StillOnly);
}

void PtolemyUniverse::StillLayerParts(
    std::int32_t width, std::int32_t height, std::int32_t drawRequest, std::vector<StillPart>& parts)
{
    parts.clear();
    if (!showsSkyStrip(drawRequest))
        return;
    UniverseLock guard(this);
    if (std::isnan(skyStill_.time) || !skyStill_.spanFixed)
        return;
    const SkyStrip strip(width, height, skyStill_.first, skyStill_.last);
    for (std::int32_t i = 0; i < bodies_.Count(); ++i)
        bodies_.Get(i)->AddSkyObservationParts(
            strip, drawRequest, skyStill_.time, static_cast<std::uint64_t>(i) << 32, parts);
}

HRESULT PtolemyUniverse::DrawStillRows(raster::DeviceContext& context, std::int32_t width, std::int32_t height,
    std::int32_t drawRequest, int top, int bottom)
{
    if (!showsSkyStrip(drawRequest))
        return DrawStillLayer(context, width, height, drawRequest);
    PrepareToDraw(context);
    return DrawSky(context, drawRequest, width, height, TraceLayer::StillOnly, std::pair { top, bottom });
}

HRESULT PtolemyUniverse::DrawMovingLayer(
    raster::DeviceContext& context, std::int32_t width, std::int32_t height, std::int32_t drawRequest)
{
    if (showsStatistics(drawRequest))
        return Draw(context, width, height, drawRequest);
    PrepareToDraw(context);
    if (showsResiduals(drawRequest))
        return DrawResiduals(context, drawRequest, width, height, TraceLayer::MovingOnly);
    if (showsSky(drawRequest))
        return DrawSky(context, drawRequest, width, height, TraceLayer::MovingOnly);
    return DrawSystems(context, drawRequest, width, height, TraceLayer::MovingOnly);
}
