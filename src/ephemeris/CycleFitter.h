#pragma once
// Fits a body's Ptolemaic system to the longitudes of an observation trail by least
// squares, searched from many starts: a system of cycles has many local best fits
// (an epicycle half a turn out of step, an apogee on the wrong side), so a short search
// runs from each start and the best few are then followed to the end.
#include "ephemeris/CycleModel.h"
#include "ephemeris/LongitudeComparison.h"

struct FittedCycles {
    CycleModel::Parameters parameters;
    LongitudeError error;
};

class CycleFitter {
public:
    CycleFitter(const CycleModel& model, const LongitudeComparison& comparison);

    FittedCycles fit() const;

private:
    std::vector<double> residuals(const CycleModel::Parameters& parameters) const;

    const CycleModel& model_;
    const LongitudeComparison& comparison_;
};
