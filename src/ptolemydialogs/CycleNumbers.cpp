#include "ptolemydialogs/CycleNumbers.h"

#include "ptolemy/PtolemyOrbit.h"

namespace ptolemy_dialogs {

CycleNumbers CycleNumbers::of(const PtolemyOrbit& cycle)
{
    CycleNumbers numbers;
    numbers[Field::Radius] = cycle.r;
    numbers[Field::Omega] = cycle.om;
    numbers[Field::Phi] = cycle.phi;
    numbers[Field::EccentricX] = cycle.eccx;
    numbers[Field::EccentricY] = cycle.eccy;
    numbers[Field::EquantX] = cycle.eqx;
    numbers[Field::EquantY] = cycle.eqy;
    return numbers;
}

void CycleNumbers::storeInto(PtolemyOrbit& cycle, bool hasEccentric, bool hasEquant) const
{
    const CycleNumbers& numbers = *this;
    cycle.r = numbers[Field::Radius];
    cycle.om = numbers[Field::Omega];
    cycle.phi = numbers[Field::Phi];
    cycle.eccx = hasEccentric ? numbers[Field::EccentricX] : 0;
    cycle.eccy = hasEccentric ? numbers[Field::EccentricY] : 0;
    cycle.eqx = hasEquant ? numbers[Field::EquantX] : 0;
    cycle.eqy = hasEquant ? numbers[Field::EquantY] : 0;
    cycle.hasEccentric = hasEccentric;
    cycle.hasEquant = hasEquant;
}

} // namespace ptolemy_dialogs
