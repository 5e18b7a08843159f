// One system of cycles on the sky strip: what an observer at the centre sees of it.
#include "ptolemy/PtolemyBody.h"

#include "platform/HashCombine.h"
#include "ptolemy/LabelPlacement.h"
#include "ptolemy/ObservationColours.h"
#include "ptolemy/PtolemyFlags.h"
#include "ptolemy/SkyStrip.h"
#include "ptolemy/UniverseLocks.h"

#include <algorithm>

namespace {

// Names are written this many pixels from the planet.
constexpr int kLabelOffset = 6;
// Points consecutive in time that make one part of the still layer.
constexpr std::size_t kPointsInSkyPart = 16;

} // namespace

std::uint64_t PtolemyBody::SkyObservationsKey(std::int32_t flags)
{
    UniverseLock lock(owner_);
    if (!visible_ || !(EffectiveFlags(flags) & ptolemy_flags::kMatch) || !matchTrail_)
        return 0;
    return platform::hashCombine(
               matchTrail_->revision(), static_cast<std::uint64_t>(static_cast<std::uint32_t>(EffectiveFlags(flags))))
        | 1u;
}

void PtolemyBody::AddSkyObservationParts(
    const SkyStrip& strip, std::int32_t flags, double t, std::uint64_t bodyId, std::vector<StillPart>& parts)
{
    UniverseLock lock(owner_);
    if (!visible_ || !(EffectiveFlags(flags) & ptolemy_flags::kMatch) || !matchTrail_)
        return;
    // The strip colours a point by whether its time is before t (SkyStrip::drawObservations):
    // the points of a run that lie before t are its first ones, and their count tells its picture.
    const std::vector<double>& times = SortedObservationTimes();
    const auto before = static_cast<std::size_t>(ObservationsBefore(t));
    for (std::size_t first = 0; first < times.size(); first += kPointsInSkyPart) {
        const std::size_t end = std::min(first + kPointsInSkyPart, times.size());
        const std::size_t past = std::clamp(before, first, end) - first;
        parts.push_back(StillPart { bodyId + first / kPointsInSkyPart, past, strip.observationRows(times[first]).first,
            strip.observationRows(times[end - 1]).second });
    }
}

bool PtolemyBody::MatchedTimeSpan(double& first, double& last)
{
    UniverseLock lock(owner_);
    return MatchTimeSpan(first, last);
}

double PtolemyBody::OldestTrailTime(double t)
{
    UniverseLock lock(owner_);
    return runningTrail_.count() > 0 ? runningTrail_.logical(0).t : t;
}

std::uint64_t PtolemyBody::SkyTrailPiecesKey()
{
    UniverseLock lock(owner_);
    return visible_ ? KeepTrailPieces() : 0;
}

HRESULT PtolemyBody::DrawOnSky(raster::DeviceContext& device, const SkyStrip& strip, std::int32_t flags, double t,
    TraceLayer layer, bool trailPiecesStay, LabelPlacement* names)
{
    using namespace ptolemy_flags;
    if (!owner_)
        return E_FAIL;
    UniverseLock lock(owner_);
    const std::optional<std::int32_t> shown = FlagsToDraw(device, flags);
    if (!shown)
        return S_OK;
    const std::int32_t f = *shown;
    if ((f & kMatch) && matchTrail_ && layer != TraceLayer::MovingOnly) {
        matchTrail_->Lock();
        strip.drawObservations(
            device, *matchTrail_, t, observation_colours::kPast, observation_colours::kFuture, observedLongitudes_);
        matchTrail_->Unlock();
    }
    TrailPart part = TrailPart::All;
    if (trailPiecesStay && layer != TraceLayer::Both)
        part = layer == TraceLayer::StillOnly ? TrailPart::Kept : TrailPart::AllButKept;
    if (layer != TraceLayer::StillOnly || trailPiecesStay) {
        device.selectPen(tracePen_);
        // One consistent walk: the trail's own lock keeps a tick from moving it meanwhile.
        // The callback runs inside it; the analysis does not carry a held lock into a lambda.
        runningTrail_.Lock();
        TrailPieces::forEach(runningTrail_, part, keptPieces_,
            [&](std::int32_t first, std::int32_t last)
                NO_THREAD_SAFETY_ANALYSIS { strip.drawTrail(device, runningTrail_, first, last, runningLongitudes_); });
        runningTrail_.Unlock();
    }
    if (layer == TraceLayer::StillOnly)
        return S_OK;
    if (!head_ || !strip.showsTime(t))
        return S_OK;
    const ModelPoint planet = head_->Position(t);
    const int x = strip.x(SkyStrip::longitudeDegrees(planet.x, planet.y));
    const int y = strip.y(t);
    if ((f & kPlanet) && SUCCEEDED(planetSprite_.isValid()))
        planetSprite_.drawAt(device, x, y);
    if ((flags & kLabels) && names) {
        UseLabelText(device, traceColour_);
        const QSize size(device.textWidth(name_), device.lineHeight());
        if ((f & kMatch) && matchTrail_) {
            matchTrail_->Lock();
            strip.avoidObservations(
                *names, *matchTrail_, { x, y }, size + QSize(kLabelOffset, kLabelOffset), observedLongitudes_);
            matchTrail_->Unlock();
        }
        const QPoint corner = names->place({ x, y }, size, kLabelOffset);
        device.textOut(corner.x(), corner.y(), name_);
        names->take(QRect(corner, size));
    }
    return S_OK;
}
