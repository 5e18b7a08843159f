#include "bench/BenchUniverse.h"

#include "imagesource/SimulationClock.h"
#include "ptolemy/BodyList.h"
#include "ptolemy/PtolemyBody.h"
#include "ptolemy/PtolemyOrbit.h"

#include <array>
#include <string>

namespace {

const std::array<const char*, 5> kAlmagestFiles = { "Mars.ptu", "Venus.ptu", "Jupiter.ptu", "Saturn.ptu", "Sun.ptu" };

// The first system of a shipped universe file, copied into `body`.
void copyShippedSystem(const char* file, PtolemyBody& body)
{
    PtolemyUniverse shipped;
    shipped.LoadFromPath(std::string(SKYLOOM_BENCH_DATA_DIR "/AstreonFiles/") + file);
    shipped.Lock();
    if (shipped.Bodies().Count() > 0) {
        PtolemyBody& source = *shipped.Bodies().Get(0);
        const std::unique_ptr<PtolemyOrbit> chain = source.CopyChain();
        body.SetChain(chain.get());
        body.SetName(source.GetName().c_str());
        body.SetOrbitColour(source.GetOrbitColour());
        body.SetTraceColour(source.GetTraceColour());
        body.SetBitmap(source.BitmapName().c_str());
    }
    shipped.Unlock();
}

} // namespace

std::unique_ptr<PtolemyUniverse> makeBenchUniverse(int systems, std::int32_t trailLength)
{
    auto universe = std::make_unique<PtolemyUniverse>();
    universe->Lock();
    universe->LockClock();
    universe->Clock().setPaused(true);
    BodyList& bodies = universe->Bodies();
    bodies.RemoveAll();
    for (int i = 0; i < systems; ++i) {
        bodies.Add(nullptr);
        PtolemyBody& body = *bodies.Get(i);
        copyShippedSystem(kAlmagestFiles[static_cast<std::size_t>(i) % kAlmagestFiles.size()], body);
        body.SetTrailLength(trailLength);
    }
    universe->Clock().setTime(0);
    universe->UnlockClock();
    universe->Unlock();
    for (std::int32_t k = 0; k < trailLength; ++k)
        tickBenchUniverse(*universe);
    return universe;
}

void tickBenchUniverse(PtolemyUniverse& universe)
{
    universe.Lock();
    universe.LockClock();
    SimulationClock& clock = universe.Clock();
    const double t = clock.time() + clock.increment() * clock.rate();
    clock.setTime(t);
    BodyList& bodies = universe.Bodies();
    for (std::int32_t i = 0; i < bodies.Count(); ++i)
        bodies.Get(i)->AppendPosition(t);
    universe.UnlockClock();
    universe.Unlock();
}
