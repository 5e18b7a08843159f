#pragma once
// The time of an observation trail: t in years after the trail's start year, as the
// observatory writes it and as a matched system of cycles runs (model time = t).
//
// A system of cycles turns uniformly in t, so t must run uniformly with the days: it
// counts Julian years of 365.25 days. They are counted from 0h UT on 1 January of the leap
// year that opens the start year's four-year cycle, less the whole years from there to
// the start year, so that each year's 1 January 0h UT falls at most three quarters of a
// day after t reaches its whole number: the date the observatory reads from t
// (formatObservationDate) is the calendar's for every observation at 0h UT.
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
    int startYear_;
    double cycleStartDay_; // 0h UT, 1 January of the leap year that opens the cycle
    int yearsBeforeStart_; // from that leap year to the start year
};
