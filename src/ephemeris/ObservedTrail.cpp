#include "ephemeris/ObservedTrail.h"

#include "ephemeris/ApparentPlace.h"
#include "ephemeris/TrailTime.h"

#include <cmath>

std::unique_ptr<ObservationTrail> observeTrail(const TrailRequest& request)
{
    const auto count = static_cast<std::int32_t>(request.recordCount());
    auto trail = std::make_unique<ObservationTrail>(count);
    const TrailTime time(request.from.year());
    const double scale = request.body.planeScale();
    for (std::int32_t index = 0; index < count; ++index) {
        const double day = request.observationDay(index);
        const ApparentPlace place = apparentPlace(request.body, day);
        // The distance seen along the ecliptic: the place projected on its plane.
        const double inPlane = scale * place.distance * std::cos(place.latitude);
        trail->Append(inPlane * std::cos(place.longitude), inPlane * std::sin(place.longitude), place.longitude,
            place.latitude, time.at(day));
    }
    trail->setYears(time.startYear(), time.endYearFor(request.to.julianDay()));
    return trail;
}
