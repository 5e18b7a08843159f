#include "ptolemydialogs/EditingState.h"

#include "platform/WindowThread.h"
#include "ptolemy/PtolemyBody.h"
#include "ptolemy/PtolemyOrbit.h"
#include "ptolemy/PtolemyUniverse.h"
#include "ptolemy/UniverseLocks.h"

#include <cstdio>

namespace ptolemy_dialogs {

EditingState& EditingState::instance()
{
    platform::assertWindowThread();
    static EditingState state;
    return state;
}

std::string EditingState::nextName(Counter counter, const char* format)
{
    int& count = counters_[static_cast<int>(counter)];
    ++count;
    char text[64];
    std::snprintf(text, sizeof text, format, count);
    return text;
}

bool EditingState::withSystem(const std::function<void(PtolemyBody&)>& change) const
{
    if (!universe)
        return false;
    UniverseLock lock(universe);
    PtolemyBody* system = universe->Bodies().Get(systemIndex);
    if (!system)
        return false;
    change(*system);
    return true;
}

PtolemyBody* EditingState::systemForUnlockedCall() const
{
    if (!universe)
        return nullptr;
    UniverseLock lock(universe);
    return universe->Bodies().Get(systemIndex);
}

void EditingState::takeWorkingChain()
{
    workingChain.reset();
    withSystem([this](PtolemyBody& system) { workingChain = system.CopyChain(); });
}

void EditingState::applyWorkingChain()
{
    // SetChain takes the universe lock and then the clock lock, so no tick sees a
    // half-replaced chain.
    withSystem([this](PtolemyBody& system) {
        UniverseAndClockLock lock(universe);
        system.SetChain(workingChain.get());
    });
}

void EditingState::dropWorkingChain() { workingChain.reset(); }

} // namespace ptolemy_dialogs
