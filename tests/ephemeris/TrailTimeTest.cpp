#include "ephemeris/TrailTime.h"

#include "observatory/ObservationDate.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace {

const char* const kMonths[] = { "January", "February", "March", "April", "May", "June", "July", "August", "September",
    "October", "November", "December" };

// The Julian day of 0h UT of a date, and the date as the observatory writes it, both from
// the C++ library's own Gregorian calendar.
struct Day {
    double julianDay;
    std::string text;
};

Day dayOf(const std::chrono::year_month_day& date)
{
    constexpr double kJulianDayOfTheEpoch = 2440587.5; // 1970-01-01 0h UT
    const auto days = std::chrono::sys_days(date).time_since_epoch().count();
    return { kJulianDayOfTheEpoch + static_cast<double>(days),
        std::string(kMonths[static_cast<unsigned>(date.month()) - 1]) + " "
            + std::to_string(static_cast<unsigned>(date.day())) + ", "
            + std::to_string(static_cast<int>(date.year())) };
}

} // namespace

// Every start year the tools take: 1 January starts the trail at 0 <= t < one day, and the
// days of the start year and of the next five (which cross the century years that have no
// 29 February) read back as themselves.
TEST(TrailTime, EveryDayReadsBackAsTheGregorianCalendarHasIt)
{
    using namespace std::chrono;
    for (int start = 1583; start <= 9999; ++start) {
        const TrailTime time(start);
        const double first = time.at(dayOf(year(start) / January / 1).julianDay);
        ASSERT_GE(first, 0.0) << start;
        ASSERT_LT(first, 1.0 / 365.25) << start;
        for (int later = 0; later <= 5; ++later) {
            const year y(start + later);
            for (const year_month_day date : { y / January / 1, y / February / 28, y / March / 1, y / July / 15,
                     y / December / 30, y / December / 31 }) {
                const Day day = dayOf(date);
                ASSERT_EQ(formatObservationDate(time.at(day.julianDay), start), day.text) << "from " << start;
            }
        }
    }
}
