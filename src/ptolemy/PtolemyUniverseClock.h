#pragma once
// The model clock of a Ptolemy universe: a SimulationClock whose ticks advance the
// universe's systems. OnTick runs on the clock thread with the clock lock held and
// never takes the universe lock.
// See docs/threads.md.
#include "imagesource/SimulationClock.h"

class PtolemyUniverse;

class PtolemyUniverseClock : public SimulationClock {
public:
    // `universe` must outlive the clock's running time: its destructor stops the clock first.
    explicit PtolemyUniverseClock(PtolemyUniverse& universe)
        : universe_(universe)
    {
    }

    // This clock is the universe's Clock(), a name for the same lock that the analysis
    // cannot match with `this`: the definition is not analysed.
    void OnTick(double time) override REQUIRES(this);

private:
    PtolemyUniverse& universe_;
};
