#pragma once
// A day of the Gregorian calendar as the command line gives it: YYYY-MM-DD.
#include <optional>
#include <string>

class CalendarDate {
public:
    // Years the programs accept: the Gregorian calendar from its first whole year on.
    static constexpr int kFirstYear = 1583;
    static constexpr int kLastYear = 9999;

    // The date written "YYYY-MM-DD" (four, two and two digits) when it names a day of the
    // calendar within the accepted years; nothing otherwise ("2021-02-29", "2021-2-3").
    static std::optional<CalendarDate> parse(const std::string& text);
    static CalendarDate firstOfJanuary(int year) { return CalendarDate(year, 1, 1); }

    int year() const { return year_; }
    // The Julian day of 0h UT at the start of this date.
    double julianDay() const;
    std::string text() const;

private:
    CalendarDate(int year, int month, int day)
        : year_(year)
        , month_(month)
        , day_(day)
    {
    }

    int year_;
    int month_;
    int day_;
};
