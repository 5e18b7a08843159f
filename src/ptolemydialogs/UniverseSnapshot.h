#pragma once
// What the live cycles panel shows of a universe, copied in one go: each system's name
// and its cycles in file order (the deferent first, then each cycle it carries), with
// their names, numbers and points. Two snapshots compare equal when nothing shown differs,
// so a panel redraws only after a change.
//
// Threading: window thread; taking one holds the universe lock for the copy alone.
// See docs/threads.md.
#include "ptolemydialogs/CycleNumbers.h"

#include <string>
#include <vector>

class PtolemyUniverse;

namespace ptolemy_dialogs {

class UniverseSnapshot {
public:
    struct Cycle {
        std::string name;
        CycleNumbers numbers;
        bool hasEccentric = false;
        bool hasEquant = false;
        bool operator==(const Cycle& other) const = default;
    };
    struct System {
        std::string name;
        std::vector<Cycle> cycles;
        bool operator==(const System& other) const = default;
    };

    // An empty snapshot: no universe.
    UniverseSnapshot() = default;
    // The universe as it is now. (takes the universe lock)
    static UniverseSnapshot of(PtolemyUniverse& universe);

    const std::vector<System>& systems() const { return systems_; }
    // System `index`, or null outside the list.
    const System* system(int index) const;
    // Cycle `cycleIndex` (file order) of system `systemIndex`, or null.
    const Cycle* cycle(int systemIndex, int cycleIndex) const;
    bool operator==(const UniverseSnapshot& other) const = default;

private:
    std::vector<System> systems_;
};

} // namespace ptolemy_dialogs
