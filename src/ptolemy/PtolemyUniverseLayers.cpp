// The universe's still and moving layers: what a window keeps between frames and what it
// draws each frame.
#include "ptolemy/PtolemyUniverse.h"

#include "platform/HashCombine.h"
#include "ptolemy/PtolemyBody.h"
#include "ptolemy/PtolemyFlags.h"
#include "ptolemy/UniverseLocks.h"

namespace {

// The sky strip and the statistics view are drawn whole every frame.
bool drawsInThePlane(std::int32_t drawRequest)
{
    return !(drawRequest & (kDrawStatistics | ptolemy_flags::kSky));
}

} // namespace

std::uint64_t PtolemyUniverse::StillLayerKey(std::int32_t width, std::int32_t height, std::int32_t drawRequest)
{
    if (!drawsInThePlane(drawRequest))
        return kNoStillLayer;
    UniverseLock guard(this);
    // A change due now would otherwise show first in the moving layer only.
    ChangeAutomaticallyWhenDue();
    bool anyStays = false;
    std::uint64_t key = platform::hashCombine(0, FittingScale(drawRequest, width / 2, height / 2));
    key = platform::hashCombine(key, (static_cast<std::uint64_t>(static_cast<std::uint32_t>(width)) << 32)
                                         | static_cast<std::uint32_t>(height));
    key = platform::hashCombine(key, static_cast<std::uint64_t>(static_cast<std::uint32_t>(drawRequest)));
    for (std::int32_t i = 0; i < bodies_.Count(); ++i) {
        const std::uint64_t trace = bodies_.Get(i)->StillTraceKey(drawRequest);
        anyStays = anyStays || trace != 0;
        key = platform::hashCombine(key, trace);
    }
    return anyStays ? (key | 1u) : kNoStillLayer;
}

HRESULT PtolemyUniverse::DrawStillLayer(platform::DeviceContext& context, std::int32_t width, std::int32_t height,
                                        std::int32_t drawRequest)
{
    if (!drawsInThePlane(drawRequest))
        return S_OK;
    PrepareToDraw(context);
    return DrawSystems(context, drawRequest, width, height, TraceLayer::StillOnly);
}

HRESULT PtolemyUniverse::DrawMovingLayer(platform::DeviceContext& context, std::int32_t width, std::int32_t height,
                                         std::int32_t drawRequest)
{
    if (!drawsInThePlane(drawRequest))
        return Draw(context, width, height, drawRequest);
    PrepareToDraw(context);
    return DrawSystems(context, drawRequest, width, height, TraceLayer::MovingOnly);
}
