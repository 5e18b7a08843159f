// Drawing of one system of cycles: match trail, trail or full trace, circles, planet.
#include "ptolemy/PtolemyBody.h"

#include "drawing/ScreenMapping.h"
#include "drawing/SharedSprites.h"
#include "platform/HashCombine.h"
#include "ptolemy/LabelPlacement.h"
#include "ptolemy/PtolemyFlags.h"
#include "ptolemy/PtolemyUniverse.h"
#include "ptolemy/UniverseLocks.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace {

// Names are written this many pixels from the planet.
constexpr int kLabelOffset = 6;
// Trail dots are drawn centred, cut to at most this many pixels square.
constexpr int kDotSize = 7;
// The animation accumulator turns into phase steps in units of this size.
constexpr std::int64_t kAnimationUnit = 50;
// Model time of one animation step: two clock steps, about one refresh of a window of
// the shipped layouts at the usual speed.
constexpr double kAnimationStepTime = 0.002;
// Animation steps counted at most (model times beyond it show the bands as there).
constexpr double kLargestAnimationStep = 1e15;
// The animated trail cycles through the universe's pens.
constexpr std::int32_t kBandPens = PtolemyUniverse::kNumberOfPens;
// Matched: within this fraction of the view's half-size of the current observation.
constexpr double kMatchTolerance = 0.05;

} // namespace

HRESULT PtolemyBody::DrawSystem(raster::DeviceContext& device, std::int32_t flags, std::int32_t cx, std::int32_t cy,
    double t, double scale, TraceLayer layer, const SunFrame* sunFrame, LabelPlacement* names)
{
    using namespace ptolemy_flags;
    using screen_mapping::screenX;
    using screen_mapping::screenY;
    if (!owner_)
        return E_FAIL;
    UniverseLock lock(owner_);
    const std::optional<std::int32_t> shown = FlagsToDraw(device, flags);
    if (!shown)
        return S_OK;
    const std::int32_t f = FlagsInFrame(*shown, sunFrame);
    const RecordPlacement placement = sunFrame ? RecordPlacement(*sunFrame, *this) : RecordPlacement();
    // A whole drawing splits the running trail as it is now; layers as their key fixed it.
    const KeptTrailPieces pieces = layer == TraceLayer::Both ? WholeTrailPieces() : keptPieces_;
    std::int32_t nowIndex = -1;
    ModelPoint observed;
    if (f & kMatch) {
        nowIndex = DrawMatchTrail(device, t, cx, cy, scale, layer);
        if (nowIndex >= 0 && matchTrail_) {
            observed = { matchTrail_->x(nowIndex), matchTrail_->y(nowIndex) };
        }
    }
    // What stays comes first: the trace's part that stays, then the deferent (which moves with
    // the Earth in a Sun-centred frame).
    const bool deferentStays = !sunFrame && DeferentStays(f);
    if (layer != TraceLayer::MovingOnly) {
        DrawStillTrace(device, cx, cy, scale, f, pieces, placement);
        if (deferentStays)
            DrawChainCircles(device, t, cx, cy, scale, ChainCircles::DeferentOnly);
    }
    if (layer == TraceLayer::StillOnly)
        return S_OK;
    DrawMovingTrace(device, cx, cy, scale, t, f, pieces, placement);
    if (!head_)
        return S_OK;
    // The chain turns about the Earth, wherever the frame has it now.
    const ModelPoint earth = sunFrame ? sunFrame->earthAt(t) : ModelPoint {};
    const QPoint centre(screenX(cx, earth.x, scale), screenY(cy, earth.y, scale));
    if (f & kCircles) {
        DrawChainCircles(
            device, t, centre.x(), centre.y(), scale, deferentStays ? ChainCircles::AllButDeferent : ChainCircles::All);
    }
    const ModelPoint planet = head_->Position(t);
    const bool matched = nowIndex >= 0 && IsMatched(planet, observed, cx, cy, scale);
    const ModelPoint shownPlanet = sunFrame ? sunFrame->fromSun(planet, t) : planet;
    DrawPlanetAndNames(device, f, flags, t, centre, scale,
        QPoint(screenX(cx, shownPlanet.x, scale), screenY(cy, shownPlanet.y, scale)),
        matched ? matchedSprite_ : planetSprite_, !sunFrame || (f & kCircles), names);
    return S_OK;
}

void PtolemyBody::DrawPlanetAndNames(raster::DeviceContext& device, std::int32_t effectiveFlags, std::int32_t flags,
    double t, QPoint chainCentre, double scale, QPoint planet, const Sprite& sprite, bool cycleNames,
    LabelPlacement* names)
{
    if ((effectiveFlags & ptolemy_flags::kPlanet) && SUCCEEDED(sprite.isValid()))
        sprite.drawAt(device, planet.x(), planet.y());
    if (!(flags & ptolemy_flags::kLabels) || !names)
        return;
    UseLabelText(device, orbitColour_);
    if (cycleNames)
        head_->DrawNames(device, t, chainCentre.x(), chainCentre.y(), scale, *names);
    UseLabelText(device, traceColour_);
    const QSize size(device.textWidth(name_), device.lineHeight());
    const QPoint corner = names->place(planet, size, kLabelOffset);
    device.textOut(corner.x(), corner.y(), name_);
    names->take(QRect(corner, size));
}

void PtolemyBody::DrawStillTrace(raster::DeviceContext& device, std::int32_t cx, std::int32_t cy, double scale,
    std::int32_t flags, const KeptTrailPieces& pieces, const RecordPlacement& placement)
{
    if (TraceStays(flags))
        DrawTraceInPen(device, cx, cy, scale, flags, TrailPart::All, pieces, placement);
    else if (TrailPiecesStay(flags))
        DrawTraceInPen(device, cx, cy, scale, flags, TrailPart::Kept, pieces, placement);
}

void PtolemyBody::DrawMovingTrace(raster::DeviceContext& device, std::int32_t cx, std::int32_t cy, double scale,
    double t, std::int32_t flags, const KeptTrailPieces& pieces, const RecordPlacement& placement)
{
    if (TraceStays(flags))
        return;
    if (flags & ptolemy_flags::kAnimated)
        SetAnimationTime(t);
    const TrailPart part = TrailPiecesStay(flags) ? TrailPart::AllButKept : TrailPart::All;
    DrawTraceInPen(device, cx, cy, scale, flags, part, pieces, placement);
}

void PtolemyBody::DrawChainCircles(
    raster::DeviceContext& device, double t, std::int32_t cx, std::int32_t cy, double scale, ChainCircles which)
{
    device.selectBrush(orbitBrush_);
    device.selectPen(orbitPen_);
    head_->DrawCircles(device, t, cx, cy, scale, which);
}

KeptTrailPieces PtolemyBody::WholeTrailPieces()
{
    runningTrail_.Lock();
    const KeptTrailPieces whole = TrailPieces::keptOf(runningTrail_);
    runningTrail_.Unlock();
    return whole;
}

void PtolemyBody::DrawTraceInPen(raster::DeviceContext& device, std::int32_t cx, std::int32_t cy, double scale,
    std::int32_t flags, TrailPart part, const KeptTrailPieces& pieces, const RecordPlacement& placement)
{
    device.selectBrush(traceBrush_);
    device.selectPen(tracePen_);
    DrawTrace((flags & ptolemy_flags::kFullTrace) ? FullTrace() : runningTrail_, device, cx, cy, scale, flags, part,
        pieces, placement);
}

std::optional<std::int32_t> PtolemyBody::FlagsToDraw(raster::DeviceContext& device, std::int32_t flags)
{
    if (!deviceAttached_)
        AttachDevice(device);
    if (!visible_)
        return std::nullopt;
    return EffectiveFlags(flags);
}

std::int32_t PtolemyBody::EffectiveFlags(std::int32_t flags) const
{
    return (flags & ptolemy_flags::kFormatted) ? flags : displayFlags_;
}

// The one-period trace is computed once per chain; animated bands move every frame.
bool PtolemyBody::TraceStays(std::int32_t effectiveFlags)
{
    using namespace ptolemy_flags;
    return (effectiveFlags & kFullTrace) && !(effectiveFlags & kAnimated) && (effectiveFlags & (kLines | kDots));
}

// Not under a match trail: its current observation moves, and lies under the trail.
bool PtolemyBody::TrailPiecesStay(std::int32_t effectiveFlags)
{
    using namespace ptolemy_flags;
    const bool keptDots = (effectiveFlags & kDots) && !(effectiveFlags & kDrag);
    return ((effectiveFlags & kLines) || keptDots) && !(effectiveFlags & (kFullTrace | kAnimated | kMatch));
}

// Not under a match trail either, for the same reason.
bool PtolemyBody::DeferentStays(std::int32_t effectiveFlags) const
{
    using namespace ptolemy_flags;
    return head_ && (effectiveFlags & kCircles) && !(effectiveFlags & kMatch);
}

std::uint64_t PtolemyBody::TraceStillKey(std::int32_t effectiveFlags)
{
    const auto flagsKey = static_cast<std::uint64_t>(static_cast<std::uint32_t>(effectiveFlags));
    if (TrailPiecesStay(effectiveFlags))
        return platform::hashCombine(KeepTrailPieces(), flagsKey);
    if (!TraceStays(effectiveFlags))
        return 0;
    std::uint64_t key = platform::hashCombine(0, flagsKey);
    key = platform::hashCombine(key, std::uint64_t { traceColour_ });
    key = platform::hashCombine(key, static_cast<std::uint64_t>(dotInterval_));
    return platform::hashCombine(key, FullTrace().revision());
}

std::uint64_t PtolemyBody::StillLayerKey(std::int32_t flags, double t, const SunFrame* sunFrame)
{
    UniverseLock lock(owner_);
    const std::int32_t f = FlagsInFrame(EffectiveFlags(flags), sunFrame);
    if (!visible_)
        return 0;
    std::uint64_t key = TraceStillKey(f);
    // Seen from the Sun only the trace stays, its records placed anew when the Sun changes.
    if (sunFrame)
        return key == 0 ? 0 : (platform::hashCombine(key, RecordPlacement(*sunFrame, *this).key()) | 1u);
    if (DeferentStays(f))
        key = platform::hashCombine(platform::hashCombine(key, head_->DeferentKey()), std::uint64_t { orbitColour_ });
    if (f & ptolemy_flags::kMatch)
        key = platform::hashCombine(key, MatchMarkersKey(t));
    return key == 0 ? 0 : (key | 1u);
}

std::uint64_t PtolemyBody::KeepTrailPieces()
{
    keptPieces_ = WholeTrailPieces();
    if (keptPieces_.end <= keptPieces_.first)
        return 0;
    std::uint64_t key = platform::hashCombine(keptPieces_.epoch, std::uint64_t { traceColour_ });
    key = platform::hashCombine(key, static_cast<std::uint64_t>(keptPieces_.first));
    return platform::hashCombine(key, static_cast<std::uint64_t>(keptPieces_.end)) | 1u;
}

void PtolemyBody::UseLabelText(raster::DeviceContext& device, ColourRef colour)
{
    device.setTextColour(colour);
    device.setTextBackground(false);
}

bool PtolemyBody::IsMatched(ModelPoint planet, ModelPoint observed, std::int32_t cx, std::int32_t cy, double scale)
{
    // The view's half-sizes in model units; a degenerate view matches nothing
    // (comparisons with a NaN are false).
    const double halfWidth = cx / scale;
    const double halfHeight = cy / scale;
    return std::fabs(planet.x - observed.x) / halfWidth < kMatchTolerance
        && std::fabs(planet.y - observed.y) / halfHeight < kMatchTolerance;
}

void PtolemyBody::DrawTrace(const ObservationTrail& trail, raster::DeviceContext& device, std::int32_t cx,
    std::int32_t cy, double scale, std::int32_t flags, TrailPart part, const KeptTrailPieces& pieces,
    const RecordPlacement& placement)
{
    using namespace ptolemy_flags;
    UniverseLock lock(owner_);
    const bool animated = (flags & kAnimated) != 0;
    // One consistent walk: the trail's own lock keeps a tick from moving it meanwhile.
    // The pieces' callbacks run inside that walk; the analysis does not carry a held lock
    // into a lambda, hence their NO_THREAD_SAFETY_ANALYSIS.
    trail.Lock();
    const bool banded = (flags & kLines) && animated && owner_;
    if (banded)
        DrawBandedTraceLines(trail, device, cx, cy, scale, placement);
    // Dotted every few records of the storage, a piece's dots stay with it; dragged ones
    // (every few records from the oldest) move along the trail with every record appended.
    const bool draggedDots = (flags & kDots) && (flags & kDrag);
    const bool piecesDots = (flags & kDots) && !draggedDots;
    if ((flags & kLines) && !banded) {
        TrailPieces::forEach(trail, part, pieces, [&](std::int32_t first, std::int32_t last) NO_THREAD_SAFETY_ANALYSIS {
            DrawTracePiece(trail, device, cx, cy, scale, first, last, placement);
        });
    }
    if (piecesDots) {
        TrailPieces::forEach(trail, part, pieces, [&](std::int32_t first, std::int32_t last) NO_THREAD_SAFETY_ANALYSIS {
            DrawTraceDots(trail, device, cx, cy, scale, false, first,
                TrailPieces::endsAtCut(trail, first, last) ? last : last + 1, placement);
        });
    }
    if (draggedDots && part != TrailPart::Kept)
        DrawTraceDots(trail, device, cx, cy, scale, true, 0, trail.count(), placement);
    trail.Unlock();
}

// Each animation step adds the speed to an accumulator; once it passes the unit, the phase
// gains the accumulator's whole units and the accumulator starts again from 0. That repeats
// every `stepsPerCycle` steps, so the phase at a model time is worked out at once, folded
// into one period of the bands (which repeat every kBandPens x bandWidth phase steps).
void PtolemyBody::SetAnimationTime(double t)
{
    const std::int64_t speed = std::max<std::int64_t>(animationSpeed_, 1);
    const std::int64_t stepsPerCycle = kAnimationUnit / speed + 1;
    const std::int64_t gainPerCycle = stepsPerCycle * speed / kAnimationUnit;
    const double steps = std::floor(t / kAnimationStepTime);
    const auto whole = static_cast<std::int64_t>(
        std::isfinite(steps) ? std::clamp(steps, -kLargestAnimationStep, kLargestAnimationStep) : 0.0);
    // Floor division and a non-negative remainder: times before 0 animate as well.
    const std::int64_t cycles = whole / stepsPerCycle - (whole % stepsPerCycle < 0 ? 1 : 0);
    const std::int64_t period = std::int64_t { kBandPens } * std::max<std::int64_t>(bandWidth_, 1);
    // In 128 bits: any speed and block size the setters take stays exact.
    const auto phase = static_cast<std::int64_t>(static_cast<__int128>(cycles % period) * gainPerCycle % period);
    animationPhase_ = static_cast<std::int32_t>(phase < 0 ? phase + period : phase);
}

void PtolemyBody::DrawTracePiece(const ObservationTrail& trail, raster::DeviceContext& device, std::int32_t cx,
    std::int32_t cy, double scale, std::int32_t first, std::int32_t last, const RecordPlacement& placement)
{
    using screen_mapping::screenX;
    using screen_mapping::screenY;
    // Reused from paint to paint (window thread only), so that drawing a trail allocates
    // nothing once the longest piece has been drawn.
    thread_local std::vector<raster::Point> run;
    run.clear();
    // The caller holds the trail's lock.
    for (std::int32_t k = first; k <= last; ++k) {
        const ModelPoint place = placement.at(trail.heldLogical(k));
        const raster::Point point { screenX(cx, place.x, scale), screenY(cy, place.y, scale) };
        // A segment that stays on its pixel adds nothing to the picture: records
        // closer than a pixel cost no drawing.
        if (run.empty() || point != run.back())
            run.push_back(point);
    }
    device.polyline(run.data(), run.size());
}

void PtolemyBody::DrawBandedTraceLines(const ObservationTrail& trail, raster::DeviceContext& device, std::int32_t cx,
    std::int32_t cy, double scale, const RecordPlacement& placement)
{
    using screen_mapping::screenX;
    using screen_mapping::screenY;
    const std::int32_t start = trail.start();
    const std::int32_t count = trail.count();
    const std::int32_t capacity = trail.capacity();
    if (count < 2 || capacity <= 0)
        return;
    // The points of the current run of segments in one pen, drawn with one call when
    // the pen changes and at the end (window thread only, reused as above).
    thread_local std::vector<raster::Point> run;
    run.clear();
    currentPen_ = -1; // the first band takes pen 0
    const Observation* const records = trail.storage();
    std::int32_t j = start % capacity;
    const ModelPoint first = placement.at(records[j]);
    run.push_back({ screenX(cx, first.x, scale), screenY(cy, first.y, scale) });
    for (std::int32_t k = 1; k < count; ++k) {
        bool penChanged = false;
        // Phase and slot are both non-negative; the band is taken in 64 bits so a
        // long-running phase cannot overflow.
        const std::int64_t band = ((static_cast<std::int64_t>(j) + animationPhase_) / bandWidth_) % kBandPens;
        if (band != currentPen_) {
            currentPen_ = (currentPen_ + 1) % kBandPens;
            const raster::Point from = run.back();
            device.polyline(run.data(), run.size());
            run.assign(1, from);
            device.selectPen(owner_->AnimationPen(currentPen_));
            penChanged = true;
        }
        j = j + 1 == capacity ? 0 : j + 1;
        const ModelPoint next = placement.at(records[j]);
        const raster::Point point { screenX(cx, next.x, scale), screenY(cy, next.y, scale) };
        if (point != run.back() || penChanged)
            run.push_back(point);
    }
    device.polyline(run.data(), run.size());
}

void PtolemyBody::DrawTraceDots(const ObservationTrail& trail, raster::DeviceContext& device, std::int32_t cx,
    std::int32_t cy, double scale, bool drag, std::int32_t first, std::int32_t end, const RecordPlacement& placement)
{
    using screen_mapping::screenX;
    using screen_mapping::screenY;
    const std::int32_t start = trail.start();
    const std::int32_t count = trail.count();
    const std::int32_t capacity = trail.capacity();
    if (capacity <= 0)
        return;
    const Sprite& dot = sharedSprites().obs;
    const bool dotLoaded = SUCCEEDED(dot.isValid());
    for (std::int32_t k = std::max(first, 0); k < std::min(end, count); ++k) {
        const std::int32_t j = (start + k) % capacity;
        const bool shown = drag ? (k + 1) % dotInterval_ == 0 : j % dotInterval_ == 0;
        if (!shown)
            continue;
        const ModelPoint place = placement.at(trail.storage()[j]);
        const int x = screenX(cx, place.x, scale);
        const int y = screenY(cy, place.y, scale);
        if (dotLoaded)
            dot.drawCentred(device, x, y, kDotSize, kDotSize);
        else
            device.ellipse(x - 2, y - 2, x + 2, y + 2);
    }
}
