#include "bench/BenchUniverse.h"

#include "imagesource/SimulationClock.h"
#include "ptolemy/BodyList.h"
#include "ptolemy/PtolemyBody.h"

#include <cstdlib>

namespace {
constexpr double kTickStep = 0.001;
}

std::unique_ptr<PtolemyUniverse> makeBenchUniverse(int systems, std::int32_t trailLength)
{
    std::srand(2024);
    auto universe = std::make_unique<PtolemyUniverse>();
    universe->Lock();
    universe->LockClock();
    universe->Clock().setPaused(true);
    BodyList& bodies = universe->Bodies();
    while (bodies.Count() < systems)
        bodies.Add(nullptr);
    for (int i = 0; i < bodies.Count(); ++i) {
        PtolemyBody* body = bodies.Get(i);
        body->Randomize();
        body->SetTrailLength(trailLength);
        for (int k = 0; k < trailLength; ++k)
            body->AppendPosition(k * kTickStep);
    }
    universe->Clock().setTime(trailLength * kTickStep);
    universe->UnlockClock();
    universe->Unlock();
    return universe;
}
