#include "observatory/ObservationDate.h"

#include "platform/Text.h"

#include <array>
#include <cmath>
#include <limits>

namespace {

const std::array<const char*, 12> kMonthNames { "January", "February", "March", "April", "May", "June", "July",
    "August", "September", "October", "November", "December" };

std::int32_t monthLength(std::size_t month, bool leap)
{
    static const std::array<std::int32_t, 12> kLengths { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    return month == 1 && leap ? 29 : kLengths[month];
}

// Years far outside the 32-bit range cannot be printed with "%d"; they are held at its ends.
std::int32_t printableYear(double year)
{
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    if (year < lowest)
        return std::numeric_limits<std::int32_t>::min();
    if (year > highest)
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(year);
}

} // namespace

bool isLeapYear(std::int64_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

std::string formatObservationDate(double t, std::int32_t startYear)
{
    if (!std::isfinite(t))
        t = 0.0;
    const double wholeYears = std::floor(t);
    const double fraction = t - wholeYears;
    const std::int32_t year = printableYear(static_cast<double>(startYear) + wholeYears);
    const bool leap = isLeapYear(year);
    const std::int32_t days = leap ? 366 : 365;
    // A fraction a rounding step below 1 could give day days + 1; the year ends on its last day.
    std::int32_t dayOfYear = static_cast<std::int32_t>(days * fraction) + 1;
    if (dayOfYear > days)
        dayOfYear = days;
    std::size_t month = 0;
    while (dayOfYear > monthLength(month, leap)) {
        dayOfYear -= monthLength(month, leap);
        ++month;
    }
    return platform::cutText(
        platform::formatText("%s %d, %d", kMonthNames[month], dayOfYear, year), platform::kMaxTextLength - 1);
}
