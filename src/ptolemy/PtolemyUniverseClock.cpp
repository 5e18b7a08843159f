#include "ptolemy/PtolemyUniverseClock.h"

#include "ptolemy/PtolemyUniverse.h"

void PtolemyUniverseClock::OnTick(double time) NO_THREAD_SAFETY_ANALYSIS { universe_.OnTick(time); }
