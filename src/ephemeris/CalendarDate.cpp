#include "ephemeris/CalendarDate.h"

#include "observatory/ObservationDate.h"
#include "platform/Text.h"

#include <libnova/julian_day.h>

#include <charconv>

namespace {

// The `digits` characters of `text` from `first` as a number, when they are all decimal digits.
std::optional<int> digitsValue(const std::string& text, std::size_t first, std::size_t digits)
{
    int value = 0;
    const char* const begin = text.data() + first;
    const char* const end = begin + digits;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop != end || *begin == '+' || *begin == '-')
        return std::nullopt;
    return value;
}

int daysInMonth(int year, int month)
{
    static constexpr int kLengths[12] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    return month == 2 && isLeapYear(year) ? 29 : kLengths[month - 1];
}

} // namespace

std::optional<CalendarDate> CalendarDate::parse(const std::string& text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const std::optional<int> year = digitsValue(text, 0, 4);
    const std::optional<int> month = digitsValue(text, 5, 2);
    const std::optional<int> day = digitsValue(text, 8, 2);
    if (!year || !month || !day || *year < kFirstYear || *year > kLastYear || *month < 1 || *month > 12)
        return std::nullopt;
    if (*day < 1 || *day > daysInMonth(*year, *month))
        return std::nullopt;
    return CalendarDate(*year, *month, *day);
}

double CalendarDate::julianDay() const
{
    ln_date date { year_, month_, day_, 0, 0, 0.0 };
    return ln_get_julian_day(&date);
}

std::string CalendarDate::text() const { return platform::formatText("%04d-%02d-%02d", year_, month_, day_); }
