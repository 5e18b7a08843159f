#pragma once
// Calendar dates of observation times: a time t in years after a start year is
// written "Month day, year" (for example "July 2, 401") in the Gregorian calendar.
#include <cstdint>
#include <string>

// True for a leap year of the Gregorian rule: divisible by 4 and not by 100, or by 400.
bool isLeapYear(std::int64_t year);

// The date of time t (years after startYear): the year is startYear + floor(t), the day
// of that year trunc(days x fraction) + 1. A time that is not a finite number counts as 0.
std::string formatObservationDate(double t, std::int32_t startYear);
