#include "ptolemy/UniverseState.h"

#include "documents/ObservationTrail.h"
#include "ptolemy/BodyList.h"
#include "ptolemy/PtolemyBody.h"
#include "ptolemy/PtolemyOrbit.h"
#include "ptolemy/PtolemyUniverse.h"
#include "ptolemy/UniverseLocks.h"

UniverseState UniverseState::of(PtolemyUniverse& universe, const UniverseState* previous)
{
    UniverseState state;
    PtolemyUniverse* const held = &universe;
    UniverseLock lock(held);
    const BodyList& bodies = held->Bodies();
    for (std::int32_t index = 0; index < bodies.Count(); ++index)
        state.systems_.push_back(systemOf(*bodies.Get(index), previous));
    state.shownFile_ = held->ShownFile();
    return state;
}

UniverseState::System UniverseState::systemOf(PtolemyBody& body, const UniverseState* previous)
{
    System system;
    system.name = body.GetName();
    system.bitmap = body.BitmapName();
    system.matchFile = body.MatchFile();
    system.matchPath = body.GetMatchPath();
    if (const ObservationTrail* const trail = body.matchTrail()) {
        system.matchRevision = trail->revision();
        system.matchTrail = previous ? previous->trailOfRevision(system.matchRevision) : nullptr;
        if (!system.matchTrail)
            system.matchTrail = std::make_shared<const ObservationTrail>(*trail);
    }
    system.orbitColour = body.GetOrbitColour();
    system.traceColour = body.GetTraceColour();
    system.chain = body.CopyChain();
    system.displayFlags = body.GetDisplayFlags();
    system.visible = body.IsVisible();
    system.trailLength = body.GetTrailLength();
    system.dotInterval = body.GetDotInterval();
    system.animationSpeed = body.GetAnimationSpeed();
    system.bandWidth = body.GetBandWidth();
    return system;
}

std::shared_ptr<const ObservationTrail> UniverseState::trailOfRevision(std::uint64_t revision) const
{
    for (const System& system : systems_)
        if (system.matchTrail && system.matchRevision == revision)
            return system.matchTrail;
    return nullptr;
}

void UniverseState::restoreInto(PtolemyUniverse& universe) const
{
    PtolemyUniverse* const held = &universe;
    UniverseAndClockLock lock(held);
    BodyList& bodies = held->Bodies();
    const auto wanted = static_cast<std::int32_t>(systems_.size());
    while (bodies.Count() > wanted)
        bodies.Remove(bodies.Count() - 1);
    while (bodies.Count() < wanted && SUCCEEDED(bodies.Add(nullptr))) { }
    for (std::int32_t index = 0; index < bodies.Count(); ++index)
        restoreSystem(systems_[static_cast<std::size_t>(index)], *bodies.Get(index));
    held->SetShownFile(shownFile_.c_str());
    held->ShowChange();
}

// Only what differs is set again: a new chain clears the running trail, a new bitmap is
// read from the resource library.
void UniverseState::restoreSystem(const System& system, PtolemyBody& body)
{
    body.SetName(system.name.c_str());
    if (body.BitmapName() != system.bitmap)
        body.SetBitmap(system.bitmap.c_str());
    body.SetMatchFile(system.matchFile);
    body.setMatchPath(system.matchPath);
    const ObservationTrail* const trail = body.matchTrail();
    if ((trail ? trail->revision() : 0) != system.matchRevision)
        body.SetMatchTrail(system.matchTrail.get());
    body.SetOrbitColour(system.orbitColour);
    body.SetTraceColour(system.traceColour);
    const std::unique_ptr<PtolemyOrbit> chain = body.CopyChain();
    if (!sameChain(chain.get(), system.chain.get()))
        body.SetChain(system.chain.get());
    body.SetDisplayFlags(system.displayFlags);
    body.SetVisible(system.visible);
    if (body.GetTrailLength() != system.trailLength)
        body.SetTrailLength(system.trailLength);
    body.SetDotInterval(system.dotInterval);
    body.SetAnimationSpeed(system.animationSpeed);
    body.SetBandWidth(system.bandWidth);
}

bool UniverseState::operator==(const UniverseState& other) const
{
    if (shownFile_ != other.shownFile_ || systems_.size() != other.systems_.size())
        return false;
    for (std::size_t index = 0; index < systems_.size(); ++index)
        if (!sameSystem(systems_[index], other.systems_[index]))
            return false;
    return true;
}

bool UniverseState::sameSystem(const System& one, const System& other)
{
    return one.name == other.name && one.bitmap == other.bitmap && one.matchFile == other.matchFile
        && one.matchPath == other.matchPath && sameTrail(one, other) && one.orbitColour == other.orbitColour
        && one.traceColour == other.traceColour && sameChain(one.chain.get(), other.chain.get())
        && one.displayFlags == other.displayFlags && one.visible == other.visible
        && one.trailLength == other.trailLength && one.dotInterval == other.dotInterval
        && one.animationSpeed == other.animationSpeed && one.bandWidth == other.bandWidth;
}

// The same trail while the system held it, else one of the same records (a copy given back).
bool UniverseState::sameTrail(const System& one, const System& other)
{
    const ObservationTrail* const first = one.matchTrail.get();
    const ObservationTrail* const second = other.matchTrail.get();
    if (one.matchRevision == other.matchRevision || !first || !second)
        return one.matchRevision == other.matchRevision;
    if (first->count() != second->count() || first->startYear() != second->startYear()
        || first->endYear() != second->endYear() || first->scale() != second->scale())
        return false;
    for (std::int32_t index = 0; index < first->count(); ++index) {
        const Observation a = first->logical(index);
        const Observation b = second->logical(index);
        if (a.x != b.x || a.y != b.y || a.az != b.az || a.el != b.el || a.t != b.t)
            return false;
    }
    return true;
}

bool UniverseState::sameChain(const PtolemyOrbit* one, const PtolemyOrbit* other)
{
    for (; one && other; one = one->next.get(), other = other->next.get()) {
        const bool same = one->name == other->name && one->phi == other->phi && one->om == other->om
            && one->r == other->r && one->eccx == other->eccx && one->eccy == other->eccy && one->eqx == other->eqx
            && one->eqy == other->eqy && one->hasEccentric == other->hasEccentric && one->hasEquant == other->hasEquant;
        if (!same)
            return false;
    }
    return one == other;
}
