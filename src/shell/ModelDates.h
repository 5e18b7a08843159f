#pragma once
// Calendar dates of a dated model time: time t of a source whose time 0 is the start of
// `startYear` falls t x 365.25 days later, rounded to the day.
#include <QDate>

#include <cstdint>

QDate dateOfModelTime(std::int32_t startYear, double time);
double modelTimeOfDate(std::int32_t startYear, const QDate& date);
