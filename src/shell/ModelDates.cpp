#include "shell/ModelDates.h"

#include <QtGlobal>

namespace {

constexpr double kDaysPerYear = 365.25;

QDate startOf(std::int32_t year) { return QDate(year, 1, 1); }

} // namespace

QDate dateOfModelTime(std::int32_t startYear, double time)
{
    return startOf(startYear).addDays(qRound64(time * kDaysPerYear));
}

double modelTimeOfDate(std::int32_t startYear, const QDate& date)
{
    return static_cast<double>(startOf(startYear).daysTo(date)) / kDaysPerYear;
}
