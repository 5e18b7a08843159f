#include "ephemeris/TrailTime.h"

#include "ephemeris/CalendarDate.h"
#include "observatory/ObservationDate.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kDaysInJulianYear = 365.25;
constexpr double kDaysInGregorianYear = 365.2425;

double firstOfJanuary(int year) { return CalendarDate::firstOfJanuary(year).julianDay(); }

// Days from t's whole number of years to 1 January 0h UT of `year` (see the header).
double yearOffsetDays(int year)
{
    if (isLeapYear(year))
        return 0.0;
    if (year % 4 == 0)
        return 0.5; // a century year without 29 February
    return (4 - year % 4) * 0.25;
}

} // namespace

TrailTime::TrailTime(int startYear)
    : startYear_(startYear)
    , startDay_(firstOfJanuary(startYear))
{
}

int TrailTime::yearOf(double julianDay) const
{
    if (!std::isfinite(julianDay))
        return startYear_;
    // Within a year of the estimate; held to a range whose years the loops walk at once.
    constexpr double kFarthestYears = 1e6;
    const double years
        = std::clamp(std::floor((julianDay - startDay_) / kDaysInGregorianYear), -kFarthestYears, kFarthestYears);
    int year = startYear_ + static_cast<int>(years);
    while (julianDay < firstOfJanuary(year))
        --year;
    while (julianDay >= firstOfJanuary(year + 1))
        ++year;
    return year;
}

double TrailTime::at(double julianDay) const
{
    const int year = yearOf(julianDay);
    return (year - startYear_) + (julianDay - firstOfJanuary(year) + yearOffsetDays(year)) / kDaysInJulianYear;
}

int TrailTime::endYearFor(double julianDay) const { return startYear_ + static_cast<int>(std::ceil(at(julianDay))); }
