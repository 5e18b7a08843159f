#pragma once
// Ptolemy's system of cycles for one body as a handful of numbers, and the engine's
// chain of cycles they make:
//   deferent of radius 60 turning `rate` turns a year from `phase`, its centre
//   `eccentricity` from the Earth toward the apogee, its motion even about the equant,
//   `equant` further along the same line (the Sun and the Moon: a plain eccentric circle);
//   for a planet an epicycle of `radius` on it, turning at its own rate from its own phase.
// The epicycle's angle, like every cycle's in the engine, is counted from the fixed
// direction of longitude 0, not from the deferent's radius.
#include "ephemeris/SkyBody.h"
#include "ptolemy/PtolemyOrbit.h"

#include <memory>
#include <string>
#include <vector>

class CycleModel {
public:
    using Parameters = std::vector<double>;
    enum Index : std::size_t {
        kDeferentRate,
        kDeferentPhase,
        kEccentricity,
        kApogee,
        kEquant,
        kEpicycleRadius,
        kEpicycleRate,
        kEpicyclePhase,
    };
    static constexpr double kDeferentRadius = 60;

    explicit CycleModel(const SkyBody& body);

    std::size_t parameterCount() const;
    // The chain, outermost cycle first, as a universe holds it.
    std::unique_ptr<PtolemyOrbit> chain(const Parameters& parameters) const;
    // Where to start looking: the body's own rates and sizes, with the phases and the
    // apogee tried around the circle (which of them fits is not known beforehand).
    std::vector<Parameters> starts() const;
    // The same system with a positive eccentricity and its angles in 0 ... 2 pi.
    Parameters normalised(Parameters parameters) const;
    // One line per cycle, angles in degrees.
    std::string describe(const Parameters& parameters) const;

private:
    Parameters knownSizesAndRates() const;

    const SkyBody& body_;
    bool hasEpicycle_;
};
