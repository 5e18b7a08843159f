#include "ptolemydialogs/UniverseSnapshot.h"

#include "ptolemy/PtolemyBody.h"
#include "ptolemy/PtolemyOrbit.h"
#include "ptolemy/PtolemyUniverse.h"
#include "ptolemy/UniverseLocks.h"

#include <algorithm>

namespace ptolemy_dialogs {

namespace {

    // The chain runs from its head (the outermost cycle) inwards; a file lists it innermost first.
    std::vector<UniverseSnapshot::Cycle> cyclesOf(const PtolemyOrbit* head)
    {
        std::vector<UniverseSnapshot::Cycle> cycles;
        for (const PtolemyOrbit* cycle = head; cycle; cycle = cycle->next.get())
            cycles.push_back({ cycle->Name(), CycleNumbers::of(*cycle), cycle->hasEccentric, cycle->hasEquant });
        std::reverse(cycles.begin(), cycles.end());
        return cycles;
    }

} // namespace

UniverseSnapshot UniverseSnapshot::of(PtolemyUniverse& universe)
{
    UniverseSnapshot snapshot;
    PtolemyUniverse* const held = &universe;
    UniverseLock lock(held);
    const BodyList& bodies = held->Bodies();
    for (std::int32_t index = 0; index < bodies.Count(); ++index) {
        const PtolemyBody* body = bodies.Get(index);
        snapshot.systems_.push_back({ body->GetName(), cyclesOf(body->Chain()) });
    }
    return snapshot;
}

const UniverseSnapshot::System* UniverseSnapshot::system(int index) const
{
    if (index < 0 || index >= static_cast<int>(systems_.size()))
        return nullptr;
    return &systems_[static_cast<std::size_t>(index)];
}

const UniverseSnapshot::Cycle* UniverseSnapshot::cycle(int systemIndex, int cycleIndex) const
{
    const System* const found = system(systemIndex);
    if (!found || cycleIndex < 0 || cycleIndex >= static_cast<int>(found->cycles.size()))
        return nullptr;
    return &found->cycles[static_cast<std::size_t>(cycleIndex)];
}

} // namespace ptolemy_dialogs
