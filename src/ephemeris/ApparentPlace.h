#pragma once
// Where a body stands in the sky seen from the centre of the Earth: its apparent
// geocentric ecliptic place, from libnova's theories (VSOP87 for the Sun and the
// planets, ELP 2000-82 for the Moon), counted from the true equinox of date as almanacs
// give it.
#include "ephemeris/SkyBody.h"

struct ApparentPlace {
    double longitude = 0; // radians, 0 ... 2 pi
    double latitude = 0; // radians, north positive
    double distance = 0; // from the Earth's centre: AU, km for the Moon
};

// The body's place at `julianDay` (UT).
ApparentPlace apparentPlace(const SkyBody& body, double julianDay);
