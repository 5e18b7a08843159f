#pragma once
// The time of an observation trail: t in years after the trail's start year, as the
// observatory writes it and as a matched system of cycles runs (model time = t).
//
// A trail's dates are read back from t by calendar years: the year is the start year plus
// t's whole years, the day that fraction of the year's days (formatObservationDate). Within
// each calendar year t runs uniformly, 365.25 days a year, as a system of cycles turns; 1
// January 0h UT of year Y falls where the Julian calendar's four-year cycle would put it,
// x days after t reaches Y - startYear: 0 for a leap year, 3/4, 1/2 and 1/4 for the three
// years after one, and 1/2 for a century year that is not leap. Every day at 0h UT then
// reads back as itself. Across the years of a regular cycle t is continuous; at a century
// year that the Gregorian calendar leaves without 29 February it moves on by half a day
// twice (into and out of that year), the day the calendar skips.
class TrailTime {
public:
    explicit TrailTime(int startYear);

    int startYear() const { return startYear_; }
    // t at `julianDay` (UT).
    double at(double julianDay) const;
    // The trail's end year for a span ending at `julianDay`: startYear plus t there rounded
    // up to whole years, as the observatory's period runs t from 0 to endYear - startYear.
    int endYearFor(double julianDay) const;

private:
    // The calendar year that holds `julianDay`.
    int yearOf(double julianDay) const;

    int startYear_;
    double startDay_; // 0h UT, 1 January of the start year
};
