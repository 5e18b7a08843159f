#pragma once
// The universes the drawing benchmarks draw: Ptolemy's own systems from the shipped files.
#include "ptolemy/PtolemyUniverse.h"

#include <cstdint>
#include <memory>

// A paused universe of `systems` systems taken in turn from the shipped Almagest files
// (Mars, Venus, Jupiter, Saturn, the Sun), each with a full running trail of
// `trailLength` records taken at the clock's own step, as a running window has them.
std::unique_ptr<PtolemyUniverse> makeBenchUniverse(int systems, std::int32_t trailLength);

// One clock step of a running universe: the time advances and every running trail
// takes the new position, as the clock thread's tick does.
void tickBenchUniverse(PtolemyUniverse& universe);
