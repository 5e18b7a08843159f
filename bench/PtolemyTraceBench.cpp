// The cost of recomputing one period of a system's motion (done whenever a chain changes).
#include "ptolemy/PtolemyBody.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Seven orbs, each with an eccentric and an equant inside its circle.
std::unique_ptr<PtolemyOrbit> sevenOrbsWithEquants()
{
    std::unique_ptr<PtolemyOrbit> chain;
    for (int k = 0; k < 7; ++k) {
        const double r = 40.0 / (k + 1);
        chain = std::make_unique<PtolemyOrbit>(
            "orb", 0.3 * k, 0.7 + 1.3 * k, r, std::move(chain), 0.1 * r, -0.05 * r, 0.2 * r, 0.1 * r);
    }
    return chain;
}

void RecomputeFullTraceSevenOrbs(benchmark::State& state)
{
    PtolemyBody body(nullptr);
    const auto chain = sevenOrbsWithEquants();
    body.SetChain(chain.get());
    for (auto _ : state) {
        body.RecomputeFullTrace();
        benchmark::DoNotOptimize(body.FullTrace().count());
    }
    state.counters["records"] = body.FullTrace().count();
}
BENCHMARK(RecomputeFullTraceSevenOrbs)->Unit(benchmark::kMillisecond);

void PositionSevenOrbs(benchmark::State& state)
{
    const auto chain = sevenOrbsWithEquants();
    double t = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(chain->Position(t));
        t += 0.001;
    }
}
BENCHMARK(PositionSevenOrbs);

} // namespace

BENCHMARK_MAIN();
