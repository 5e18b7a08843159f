#pragma once
// The observations skyloom-trail is asked for: one body, from one date to another
// (both at 0h UT) every so many days.
#include "ephemeris/CalendarDate.h"
#include "ephemeris/SkyBody.h"

#include <string>

struct TrailRequest {
    const SkyBody& body;
    CalendarDate from;
    CalendarDate to;
    double stepDays = 5;
    std::string outputPath; // empty: standard output

    // The observations from `from` on, one a step, up to and including `to`.
    long long recordCount() const;
    // The Julian day (UT) of observation `index`.
    double observationDay(long long index) const;
};
