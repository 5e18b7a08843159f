#include "ephemeris/LongitudeComparison.h"

#include "ephemeris/Angles.h"

#include <algorithm>
#include <cmath>

LongitudeComparison::LongitudeComparison(const ObservationTrail& trail)
{
    for (std::int32_t i = 0; i < trail.count(); ++i)
        observations_.push_back(trail.logical(i));
}

std::vector<double> LongitudeComparison::residuals(const PtolemyOrbit& chain) const
{
    std::vector<double> differences;
    differences.reserve(observations_.size());
    for (const Observation& observation : observations_) {
        const ModelPoint planet = chain.Position(observation.t);
        differences.push_back(angles::withinHalfTurn(std::atan2(planet.y, planet.x) - observation.az));
    }
    return differences;
}

LongitudeError LongitudeComparison::error(const PtolemyOrbit& chain) const
{
    const std::vector<double> differences = residuals(chain);
    if (differences.empty())
        return {};
    double sumOfSquares = 0;
    double largest = 0;
    for (const double difference : differences) {
        sumOfSquares += difference * difference;
        largest = std::max(largest, std::fabs(difference));
    }
    return { angles::degrees(std::sqrt(sumOfSquares / static_cast<double>(differences.size()))),
        angles::degrees(largest) };
}
