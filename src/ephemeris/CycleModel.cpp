#include "ephemeris/CycleModel.h"

#include "ephemeris/Angles.h"
#include "platform/Text.h"

#include <cmath>
#include <numbers>

namespace {

using angles::degrees;
using angles::kFullTurn;
using angles::withinTurn;

// A start for the eccentricity: small, so that the apogee is free to move.
constexpr double kStartingEccentricity = 2;
// Trial phases and apogees around the circle.
constexpr int kPhaseTrials = 8;
constexpr int kApogeeTrials = 4;

} // namespace

CycleModel::CycleModel(const SkyBody& body)
    : body_(body)
    , hasEpicycle_(body.kind == SkyBodyKind::InnerPlanet || body.kind == SkyBodyKind::OuterPlanet)
{
}

std::size_t CycleModel::parameterCount() const { return hasEpicycle_ ? kEpicyclePhase + 1 : kApogee + 1; }

std::unique_ptr<PtolemyOrbit> CycleModel::chain(const Parameters& p) const
{
    const double towardApogeeX = std::cos(p[kApogee]);
    const double towardApogeeY = std::sin(p[kApogee]);
    const double equant = hasEpicycle_ ? p[kEquant] : 0;
    auto deferent = std::make_unique<PtolemyOrbit>("deferent", p[kDeferentPhase], p[kDeferentRate], kDeferentRadius,
        nullptr, p[kEccentricity] * towardApogeeX, p[kEccentricity] * towardApogeeY, equant * towardApogeeX,
        equant * towardApogeeY);
    if (!hasEpicycle_)
        return deferent;
    return std::make_unique<PtolemyOrbit>(
        "epicycle", p[kEpicyclePhase], p[kEpicycleRate], p[kEpicycleRadius], std::move(deferent));
}

CycleModel::Parameters CycleModel::knownSizesAndRates() const
{
    // An outer planet's epicycle is the Earth's orbit and its deferent the planet's; an
    // inner planet's epicycle is the planet's orbit and its deferent the Earth's. The
    // Sun's and the Moon's circle turns with their own period.
    const double ownRate = 1 / body_.siderealPeriod;
    Parameters start(parameterCount(), 0.0);
    start[kEccentricity] = kStartingEccentricity;
    switch (body_.kind) {
    case SkyBodyKind::OuterPlanet:
        start[kDeferentRate] = ownRate;
        start[kEpicycleRate] = 1;
        start[kEpicycleRadius] = kDeferentRadius / body_.orbitRadius;
        break;
    case SkyBodyKind::InnerPlanet:
        start[kDeferentRate] = 1;
        start[kEpicycleRate] = ownRate;
        start[kEpicycleRadius] = kDeferentRadius * body_.orbitRadius;
        break;
    case SkyBodyKind::Sun:
    case SkyBodyKind::Moon:
        start[kDeferentRate] = ownRate;
        break;
    }
    if (hasEpicycle_)
        start[kEquant] = kStartingEccentricity;
    return start;
}

std::vector<CycleModel::Parameters> CycleModel::starts() const
{
    const Parameters known = knownSizesAndRates();
    const int epicyclePhases = hasEpicycle_ ? kPhaseTrials : 1;
    std::vector<Parameters> all;
    for (int deferent = 0; deferent < kPhaseTrials; ++deferent)
        for (int epicycle = 0; epicycle < epicyclePhases; ++epicycle)
            for (int apogee = 0; apogee < kApogeeTrials; ++apogee) {
                Parameters start = known;
                start[kDeferentPhase] = kFullTurn * deferent / kPhaseTrials;
                start[kApogee] = kFullTurn * apogee / kApogeeTrials;
                if (hasEpicycle_)
                    start[kEpicyclePhase] = kFullTurn * epicycle / kPhaseTrials;
                all.push_back(start);
            }
    return all;
}

CycleModel::Parameters CycleModel::normalised(Parameters p) const
{
    if (p[kEccentricity] < 0) {
        // The same centre, seen from the other side: the equant keeps its place too.
        p[kEccentricity] = -p[kEccentricity];
        p[kApogee] += std::numbers::pi;
        if (hasEpicycle_)
            p[kEquant] = -p[kEquant];
    }
    p[kApogee] = withinTurn(p[kApogee]);
    p[kDeferentPhase] = withinTurn(p[kDeferentPhase]);
    if (hasEpicycle_) {
        p[kEpicyclePhase] = withinTurn(p[kEpicyclePhase]);
        if (p[kEpicycleRadius] < 0) {
            // A negative radius is the epicycle turned half a turn.
            p[kEpicycleRadius] = -p[kEpicycleRadius];
            p[kEpicyclePhase] = withinTurn(p[kEpicyclePhase] + std::numbers::pi);
        }
    }
    return p;
}

std::string CycleModel::describe(const Parameters& p) const
{
    std::string text = platform::formatFileText(
        "deferent: radius %.0f, %.6f turns a year from %.3f deg, centre %.3f from the Earth toward %.3f deg",
        kDeferentRadius, p[kDeferentRate], degrees(p[kDeferentPhase]), p[kEccentricity], degrees(p[kApogee]));
    if (!hasEpicycle_)
        return text + "\n";
    text += platform::formatFileText(", equant %.3f beyond the centre\n", p[kEquant]);
    text += platform::formatFileText("epicycle: radius %.3f, %.6f turns a year from %.3f deg\n", p[kEpicycleRadius],
        p[kEpicycleRate], degrees(p[kEpicyclePhase]));
    return text;
}
