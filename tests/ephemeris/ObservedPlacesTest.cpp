// The places skyloom-trail writes agree with published ones, and its trails read as the
// observatory's: t gives back the date observed.
#include "ephemeris/Angles.h"
#include "ephemeris/ApparentPlace.h"
#include "ephemeris/ObservedTrail.h"
#include "ephemeris/TrailCommandLine.h"
#include "observatory/ObservationDate.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using angles::degrees;

// Degrees from `expected` to `actual`, in -180 ... 180.
double degreesApart(double actual, double expected) { return std::remainder(actual - expected, 360.0); }

double julianDay(const char* date, int hours, int minutes)
{
    return CalendarDate::parse(date)->julianDay() + (hours + minutes / 60.0) / 24;
}

double longitudeAt(const char* body, double day) { return degrees(apparentPlace(*findSkyBody(body), day).longitude); }

TEST(ObservedPlaces, MarsAtItsOppositionOf2020)
{
    // Mars came to opposition on 2020 October 13 at 23:20 UT (US Naval Observatory), in
    // longitude opposite the Sun, whose apparent longitude then was 201.08 degrees (the
    // Astronomical Almanac's low-precision formula, good to 0.01 degree).
    const double opposition = julianDay("2020-10-13", 23, 20);
    EXPECT_NEAR(degreesApart(longitudeAt("mars", opposition), 21.08), 0, 0.1);
    EXPECT_NEAR(degreesApart(longitudeAt("mars", opposition), longitudeAt("sun", opposition) + 180), 0, 0.02);
}

TEST(ObservedPlaces, SunAtTheEquinoxesOf2020)
{
    // The equinoxes of 2020: March 20 at 03:50 UT and September 22 at 13:31 UT.
    EXPECT_NEAR(degreesApart(longitudeAt("sun", julianDay("2020-03-20", 3, 50)), 0), 0, 0.1);
    EXPECT_NEAR(degreesApart(longitudeAt("sun", julianDay("2020-09-22", 13, 31)), 180), 0, 0.1);
    EXPECT_NEAR(degrees(apparentPlace(*findSkyBody("sun"), julianDay("2020-03-20", 3, 50)).latitude), 0, 0.001);
}

TEST(ObservedPlaces, MarsLoopsBackwardsAroundItsOpposition)
{
    const TrailCommandLine line
        = TrailCommandLine::parse({ "--body", "mars", "--from", "2020-01-01", "--to", "2021-12-31", "--step", "5" });
    ASSERT_TRUE(line.request) << line.error;
    const std::unique_ptr<ObservationTrail> trail = observeTrail(*line.request);
    ASSERT_EQ(trail->count(), 147);
    EXPECT_EQ(trail->startYear(), 2020);
    EXPECT_EQ(trail->endYear(), 2022);

    // One backward arc, between the stations of September 9 and November 14, 2020: it turns
    // at the observations nearest them.
    std::vector<int> backwards;
    for (std::int32_t k = 1; k < trail->count(); ++k)
        if (angles::withinHalfTurn(trail->logical(k).az - trail->logical(k - 1).az) < 0)
            backwards.push_back(k);
    ASSERT_FALSE(backwards.empty());
    EXPECT_EQ(backwards.back() - backwards.front() + 1, static_cast<int>(backwards.size()));
    EXPECT_EQ(formatObservationDate(trail->logical(backwards.front() - 1).t, 2020), "September 12, 2020");
    EXPECT_EQ(formatObservationDate(trail->logical(backwards.back()).t, 2020), "November 16, 2020");

    // October 12, the observation before the opposition: Mars in the middle of its loop,
    // about 0.4 AU away (60 plane units are its mean distance from the Sun, 1.52 AU).
    const Observation beforeOpposition = trail->logical(57);
    EXPECT_EQ(formatObservationDate(beforeOpposition.t, 2020), "October 12, 2020");
    EXPECT_NEAR(degreesApart(degrees(beforeOpposition.az), 21.08), 0, 1.0);
    EXPECT_NEAR(std::atan2(beforeOpposition.y, beforeOpposition.x), beforeOpposition.az, 1e-9);
    EXPECT_NEAR(std::hypot(beforeOpposition.x, beforeOpposition.y), 0.42 * 60 / 1.5237, 0.5);
    EXPECT_EQ(formatObservationDate(trail->logical(146).t, 2020), "December 31, 2021");
}

} // namespace
