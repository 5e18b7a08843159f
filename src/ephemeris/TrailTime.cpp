#include "ephemeris/TrailTime.h"

#include "ephemeris/CalendarDate.h"
#include "observatory/ObservationDate.h"

#include <cmath>

namespace {

constexpr double kDaysInJulianYear = 365.25;

int leapYearAtOrBefore(int year)
{
    while (!isLeapYear(year))
        --year;
    return year;
}

} // namespace

TrailTime::TrailTime(int startYear)
    : startYear_(startYear)
{
    const int cycleStart = leapYearAtOrBefore(startYear);
    cycleStartDay_ = CalendarDate::firstOfJanuary(cycleStart).julianDay();
    yearsBeforeStart_ = startYear - cycleStart;
}

double TrailTime::at(double julianDay) const
{
    return (julianDay - cycleStartDay_) / kDaysInJulianYear - yearsBeforeStart_;
}

int TrailTime::endYearFor(double julianDay) const
{
    return startYear_ + static_cast<int>(std::ceil(at(julianDay)));
}
