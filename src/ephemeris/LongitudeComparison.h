#pragma once
// How far the longitudes of a system of cycles lie from those of an observation trail:
// the model is run at each observation's t (model time = trail time, as a universe runs
// a matched trail) and its planet seen from the Earth as the engine's own sky strip and
// error readout see it (LongitudeResiduals).
#include "documents/ObservationTrail.h"
#include "ptolemy/LongitudeResiduals.h"
#include "ptolemy/PtolemyOrbit.h"

#include <vector>

struct LongitudeError {
    double rmsDegrees = 0;
    double largestDegrees = 0;
};

class LongitudeComparison {
public:
    // Keeps a copy of the trail's observations, oldest first.
    explicit LongitudeComparison(const ObservationTrail& trail);

    // Model longitude less observed longitude for each observation, radians in -pi ... pi.
    std::vector<double> residuals(const PtolemyOrbit& chain) const;
    LongitudeError error(const PtolemyOrbit& chain) const;
    std::size_t count() const { return longitudes_.observations().size(); }

private:
    LongitudeResiduals longitudes_;
};
