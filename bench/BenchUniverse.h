#pragma once
// The universes the drawing benchmarks draw.
#include "ptolemy/PtolemyUniverse.h"

#include <cstdint>
#include <memory>

// A paused universe of `systems` random systems (fixed seed), each with a full running
// trail of `trailLength` records taken at the clock's step of 0.001.
std::unique_ptr<PtolemyUniverse> makeBenchUniverse(int systems, std::int32_t trailLength);
