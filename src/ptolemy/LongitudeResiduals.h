#pragma once
// How far a system of cycles lies from the trail it is matched against, in ecliptic
// longitude as the sky strip shows both: the model's planet and each observation seen from
// the centre (the direction of their place in the plane, SkyStrip::longitudeDegrees). The
// model runs at model time = the observation's t, as a universe runs a matched trail.
//
// A value type: it keeps a copy of the trail's observations (time and longitude), in the
// order of time; observations whose time is not a number are left out.
#include "documents/ObservationTrail.h"
#include "ptolemy/PtolemyOrbit.h"

#include <cstdint>
#include <optional>
#include <vector>

class LongitudeResiduals {
public:
    struct ObservedLongitude {
        double t = 0;
        double degrees = 0; // 0 ... 360
    };
    // The root mean square of the differences at the observations so far, and their number.
    struct Summary {
        double rmsDegrees = 0;
        std::int32_t count = 0;
    };

    explicit LongitudeResiduals(const ObservationTrail& trail);

    // a - b in degrees, brought into (-180, 180].
    static double difference(double aDegrees, double bDegrees);
    // Where the chain's planet stands at time t, seen from the centre: degrees 0 ... 360.
    static double modelLongitude(const PtolemyOrbit& chain, double t);

    // Model minus observed longitude at each observation's time, in the order of observations().
    std::vector<double> residuals(const PtolemyOrbit& chain) const;
    // Model minus observed longitude at time t, the observed one interpolated (the shorter way
    // round) between the observations around t; nothing when t lies outside their span.
    std::optional<double> errorAt(const PtolemyOrbit& chain, double t) const;
    // Over the observations whose time is t or earlier, from their `residuals` (as residuals()
    // gives them, kept while the chain and the trail stay).
    Summary summaryUntil(const std::vector<double>& residuals, double t) const;

    const std::vector<ObservedLongitude>& observations() const { return observations_; }

private:
    std::vector<ObservedLongitude> observations_;
};
