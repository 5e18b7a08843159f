#include "ephemeris/TrailRequest.h"

#include <cmath>
#include <limits>

long long TrailRequest::recordCount() const
{
    // A step that lands on `to` up to a rounding error still takes it.
    constexpr double kDayTolerance = 1e-9;
    // Counts too large for the type (a step of a billionth of a day) are held at its end.
    constexpr double kLargestCount = 1e15;
    const double steps = std::floor((to.julianDay() - from.julianDay()) / stepDays + kDayTolerance);
    if (!(steps < kLargestCount))
        return std::numeric_limits<long long>::max();
    return static_cast<long long>(steps) + 1;
}

double TrailRequest::observationDay(long long index) const
{
    return from.julianDay() + static_cast<double>(index) * stepDays;
}
