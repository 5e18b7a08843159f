#include "ptolemy/PtolemyUniverseClock.h"

#include "ptolemy/PtolemyUniverse.h"

void PtolemyUniverseClock::OnTick(double time) { universe_.OnTick(time); }
