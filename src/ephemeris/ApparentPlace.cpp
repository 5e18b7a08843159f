#include "ephemeris/ApparentPlace.h"

#include <libnova/earth.h>
#include <libnova/jupiter.h>
#include <libnova/lunar.h>
#include <libnova/mars.h>
#include <libnova/mercury.h>
#include <libnova/precession.h>
#include <libnova/saturn.h>
#include <libnova/solar.h>
#include <libnova/transform.h>
#include <libnova/utility.h>
#include <libnova/venus.h>

#include <cmath>

namespace {

constexpr double kJulianDayOfJ2000 = 2451545.0;

struct LibnovaTheory {
    void (*equatorial)(double julianDay, ln_equ_posn* position);
    double (*distance)(double julianDay);
};

LibnovaTheory theoryOf(SkyBodyId id)
{
    switch (id) {
    case SkyBodyId::Mercury:
        return { ln_get_mercury_equ_coords, ln_get_mercury_earth_dist };
    case SkyBodyId::Venus:
        return { ln_get_venus_equ_coords, ln_get_venus_earth_dist };
    case SkyBodyId::Mars:
        return { ln_get_mars_equ_coords, ln_get_mars_earth_dist };
    case SkyBodyId::Jupiter:
        return { ln_get_jupiter_equ_coords, ln_get_jupiter_earth_dist };
    case SkyBodyId::Saturn:
        return { ln_get_saturn_equ_coords, ln_get_saturn_earth_dist };
    case SkyBodyId::Sun:
        return { ln_get_solar_equ_coords, ln_get_earth_solar_dist };
    case SkyBodyId::Moon:
        return { ln_get_lunar_equ_coords, ln_get_lunar_earth_dist };
    }
    return { ln_get_solar_equ_coords, ln_get_earth_solar_dist };
}

} // namespace

ApparentPlace apparentPlace(const SkyBody& body, double julianDay)
{
    const LibnovaTheory theory = theoryOf(body.id);
    // libnova refers its apparent places to the equinox of J2000, which lies 50 arc
    // seconds a year behind the equinox of date that almanacs and observers count from:
    // in 2020 the difference is already 0.28 degrees. Precess to the date first.
    ln_equ_posn ofJ2000 {};
    theory.equatorial(julianDay, &ofJ2000);
    ln_equ_posn ofDate {};
    ln_get_equ_prec2(&ofJ2000, kJulianDayOfJ2000, julianDay, &ofDate);
    ln_lnlat_posn ecliptic {};
    ln_get_ecl_from_equ(&ofDate, julianDay, &ecliptic);
    return { ln_deg_to_rad(ln_range_degrees(ecliptic.lng)), ln_deg_to_rad(ecliptic.lat), theory.distance(julianDay) };
}
