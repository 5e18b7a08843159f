#pragma once
// The longitudes of a trail's records as the sky strip places them (seen from the centre,
// SkyStrip::longitudeDegrees), each worked out once.
//
// A sky strip draws its still picture again each time the time passes an observation: its
// trail pieces and observations are the same records as before, and an arc tangent each
// was most of that drawing. A record is named by its sequence number within the trail's
// append epoch (a change other than an append starts a new epoch), so the kept longitude
// of a number stays right for as long as the epoch lasts.
//
// Threading: window thread only, under the universe lock; the trail's lock is held from
// follow() to the last at() of a walk.
#include "documents/ObservationTrail.h"

#include <cstdint>
#include <vector>

class TrailLongitudes {
public:
    // Starts a walk of `trail` (its lock held): what was kept of an earlier epoch is forgotten.
    void follow(const ObservationTrail& trail);
    // The longitude in degrees, 0 ... 360, of `record`, the one at logical position i of the
    // trail followed.
    double at(std::int32_t i, const Observation& record);

private:
    std::uint64_t epoch_ = 0;
    std::int64_t firstSequence_ = 0;
    std::vector<std::int64_t> sequences_; // per slot: the record whose longitude it keeps, or -1
    std::vector<double> degrees_;
};
