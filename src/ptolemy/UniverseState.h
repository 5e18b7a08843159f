#pragma once
// Everything of a universe's systems that a user changes, copied in one go, so that the
// universe can be given it back exactly: for each system its name, planet bitmap, match
// file and the observation trail matched, colours, chain of cycles (numbers to the last
// bit) and display settings (flags, visibility, trail length, dot interval, animation
// speed, band width); and the file the universe shows. A universe given back a state
// saves the same file it saved when the state was taken. The clock (time, pause, speed)
// is no part of it.
//
// Two states compare equal when nothing in them differs; a matched trail is the same while
// it is the one the system held (its revision), whose copy the states then share, or one of
// the same records.
//
// Threading: window thread. Taking a state holds the universe lock for the copy alone;
// giving it back holds the universe lock and the clock lock (the body list and the
// chains change), as every change of the systems does. See docs/threads.md.
#include "platform/Colour.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class ObservationTrail;
class PtolemyBody;
class PtolemyOrbit;
class PtolemyUniverse;

class UniverseState {
public:
    // No systems, no file.
    UniverseState() = default;
    // The universe as it is now; matched trails that `previous` holds already are shared
    // with it rather than copied. (takes the universe lock)
    static UniverseState of(PtolemyUniverse& universe, const UniverseState* previous = nullptr);

    // Gives the universe these systems: it keeps as many systems as the state holds (new
    // ones made, extra ones removed from the end) and each takes the state's settings; a
    // system whose chain stays keeps its running trail. Every window then draws the
    // systems anew, paused or not. (takes the universe lock, then the clock lock)
    void restoreInto(PtolemyUniverse& universe) const;

    std::size_t systemCount() const { return systems_.size(); }
    bool operator==(const UniverseState& other) const;

private:
    struct System {
        std::string name;
        std::string bitmap;
        std::string matchFile; // the trail file the universe file names
        std::string matchPath; // the trail file last loaded
        std::shared_ptr<const ObservationTrail> matchTrail;
        std::uint64_t matchRevision = 0; // of the system's own trail when the state was taken
        ColourRef orbitColour = 0;
        ColourRef traceColour = 0;
        std::shared_ptr<const PtolemyOrbit> chain;
        std::int32_t displayFlags = 0;
        bool visible = true;
        std::int32_t trailLength = 0;
        std::int32_t dotInterval = 0;
        std::int32_t animationSpeed = 0;
        std::int32_t bandWidth = 0;
    };

    static System systemOf(PtolemyBody& body, const UniverseState* previous);
    // The copy of a trail of this revision that the state holds, or null.
    std::shared_ptr<const ObservationTrail> trailOfRevision(std::uint64_t revision) const;
    static void restoreSystem(const System& system, PtolemyBody& body);
    static bool sameSystem(const System& one, const System& other);
    static bool sameTrail(const System& one, const System& other);
    static bool sameChain(const PtolemyOrbit* one, const PtolemyOrbit* other);

    std::vector<System> systems_;
    std::string shownFile_;
};
