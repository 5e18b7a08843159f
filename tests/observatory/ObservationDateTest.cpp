#include "observatory/ObservationDate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(ObservationDateTest, LeapYearsFollowTheGregorianRule)
{
    EXPECT_TRUE(isLeapYear(400));
    EXPECT_TRUE(isLeapYear(2000));
    EXPECT_TRUE(isLeapYear(1204));
    EXPECT_FALSE(isLeapYear(100));
    EXPECT_FALSE(isLeapYear(1900));
    EXPECT_FALSE(isLeapYear(401));
}

TEST(ObservationDateTest, DatesOfTheReadingsExamples)
{
    EXPECT_EQ(formatObservationDate(0.0, 100), "January 1, 100");
    EXPECT_EQ(formatObservationDate(1.5, 400), "July 2, 401");
    EXPECT_EQ(formatObservationDate(0.999, 400), "December 31, 400");
    EXPECT_EQ(formatObservationDate(200.0, 100), "January 1, 300");
}

TEST(ObservationDateTest, MonthsFollowTheYearsLength)
{
    // Day 60 is February 29 in a leap year and March 1 in a common one.
    EXPECT_EQ(formatObservationDate(59.5 / 366, 400), "February 29, 400");
    EXPECT_EQ(formatObservationDate(59.5 / 365, 401), "March 1, 401");
    EXPECT_EQ(formatObservationDate(0.999, 401), "December 31, 401");
    EXPECT_EQ(formatObservationDate(31.0 / 365, 1201), "February 1, 1201");
}

TEST(ObservationDateTest, TheLastInstantOfAYearStaysInDecember)
{
    const double justBeforeTheNextYear = std::nextafter(1.0, 0.0);
    EXPECT_EQ(formatObservationDate(justBeforeTheNextYear, 401), "December 31, 401");
}

TEST(ObservationDateTest, TimesThatAreNotNumbersCountAsTheStart)
{
    EXPECT_EQ(formatObservationDate(std::numeric_limits<double>::quiet_NaN(), 1500), "January 1, 1500");
    EXPECT_EQ(formatObservationDate(std::numeric_limits<double>::infinity(), 1500), "January 1, 1500");
}

} // namespace
