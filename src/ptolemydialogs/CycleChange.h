#pragma once
// One change of one cycle of a running universe, as the live cycles panel makes it: the
// cycle's numbers as it holds them now with the one change made, checked as the cycle
// properties check them (CycleNumbersCheck), then stored into a copy of the system's chain
// that the system takes under both of the universe's locks, as Apply does. A refused
// change, or one that changes nothing, leaves the system as it was (its running trail too).
//
// Cycles are counted from 0 in file order: the deferent first.
//
// Threading: window thread, with no lock held; it takes the universe lock, and the system
// then the clock lock for the new chain. See docs/threads.md.
#include "ptolemydialogs/CycleNumbersCheck.h"

#include <functional>
#include <optional>
#include <string>

class PtolemyOrbit;
class PtolemyUniverse;

namespace ptolemy_dialogs {

class CycleChange {
public:
    enum class Point { Eccentric, Equant };

    CycleChange(PtolemyUniverse& universe, int systemIndex, int cycleIndex);

    // Sets one number (nothing: a text that held none). Setting a coordinate of a point
    // counts the point's box as ticked. Returns the refusal, or nothing once applied.
    std::optional<std::string> setNumber(CycleNumbers::Field field, const std::optional<double>& reading);
    // Unticking a point's box clears its coordinates; ticking it changes nothing until a
    // coordinate is set. Returns the refusal, or nothing once applied.
    std::optional<std::string> setPointShown(Point point, bool shown);

private:
    // What a change works on: the cycle's readings and its points' boxes.
    struct Edit {
        CycleNumbersCheck::Readings readings;
        bool hasEccentric = false;
        bool hasEquant = false;
    };

    // Reads the cycle, lets `edit` change what was read, checks it and stores it.
    std::optional<std::string> change(const std::function<void(Edit&)>& edit);
    // Cycle `index` of `head`'s chain in file order, or null.
    static PtolemyOrbit* cycleInFileOrder(PtolemyOrbit* head, int index);

    PtolemyUniverse& universe_;
    int systemIndex_;
    int cycleIndex_;
};

} // namespace ptolemy_dialogs
