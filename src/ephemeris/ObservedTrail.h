#pragma once
// The observation trail of a request: for each observation the body's place in the
// plane of the ecliptic (x, y in plane units: the body's deferent distance is 60), its
// ecliptic longitude and latitude (az, el, radians) and the trail time t (TrailTime).
#include "documents/ObservationTrail.h"
#include "ephemeris/TrailRequest.h"

#include <memory>

std::unique_ptr<ObservationTrail> observeTrail(const TrailRequest& request);
