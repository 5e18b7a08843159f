#pragma once
// The bodies whose observed places the ephemeris programs know: what each is, how far
// its deferent lies and how its Ptolemaic system starts, and how the shipped universes draw it.
#include "platform/Colour.h"

#include <span>
#include <string>

enum class SkyBodyId { Mercury, Venus, Mars, Jupiter, Saturn, Sun, Moon };

// How Ptolemy builds the body's system: the Sun on one eccentric circle; an inner
// planet's epicycle centre keeps pace with the mean Sun; an outer planet's epicycle
// radius stays parallel to the line from the Earth to the mean Sun.
enum class SkyBodyKind { Sun, Moon, InnerPlanet, OuterPlanet };

struct SkyBody {
    SkyBodyId id;
    const char* name; // as given on the command line: "mars"
    const char* title; // as a system is named: "Mars"
    SkyBodyKind kind;
    // The geocentric distance that becomes the deferent's radius of 60 plane units: the
    // planet's mean distance from the Sun for an outer planet, 1 AU for the Sun and an
    // inner planet (AU), the Moon's mean distance (km).
    double deferentDistance;
    // The planet's mean distance from the Sun (AU); 1 for the Sun (the Earth's), 0 for the Moon.
    double orbitRadius;
    // Years of one turn among the stars.
    double siderealPeriod;
    const char* bitmap; // the planet picture of the universe files
    ColourRef traceColour;

    // Plane units per unit of distance (AU, km for the Moon).
    double planeScale() const;
};

// Every body, innermost planet first.
std::span<const SkyBody> skyBodies();
// The body named `name` (lower case, as skyBodies gives it), or null.
const SkyBody* findSkyBody(const std::string& name);
// "mercury, venus, mars, jupiter, saturn, sun, moon".
std::string skyBodyNames();
