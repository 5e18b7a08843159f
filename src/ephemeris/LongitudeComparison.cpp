#include "ephemeris/LongitudeComparison.h"

#include "ephemeris/Angles.h"

#include <algorithm>
#include <cmath>

LongitudeComparison::LongitudeComparison(const ObservationTrail& trail)
    : longitudes_(trail)
{
}

std::vector<double> LongitudeComparison::residuals(const PtolemyOrbit& chain) const
{
    std::vector<double> differences = longitudes_.residuals(chain);
    for (double& difference : differences)
        difference = angles::radians(difference);
    return differences;
}

LongitudeError LongitudeComparison::error(const PtolemyOrbit& chain) const
{
    const std::vector<double> differences = longitudes_.residuals(chain);
    if (differences.empty())
        return {};
    double sumOfSquares = 0;
    double largest = 0;
    for (const double difference : differences) {
        sumOfSquares += difference * difference;
        largest = std::max(largest, std::fabs(difference));
    }
    return { std::sqrt(sumOfSquares / static_cast<double>(differences.size())), largest };
}
