// How steadily the clocks of many animated sources tick: N Ptolemy universes, each with its
// own running clock (a 15 ms period: 1000 / 15 = 66.7 ticks a second), watched for about
// two seconds of wall time (the time reported), after a short settling.
//   ClockTicks          the clocks alone;
//   ClockTicksDrawing   the same while this thread, as the window thread does, draws the
//                       universes one after the other into a 1000 x 700 back buffer, as fast
//                       as it can (a paint must not hold up the ticks).
// Counters: "ticks_per_s" is the mean rate of one clock, "ticks_per_s_min" and
// "ticks_per_s_max" the slowest and the fastest clock's, "of_nominal" the mean over 66.7
// (1 is on time); the drawing case adds "frames_per_s", the universes drawn a second.
#include "ptolemy/BodyList.h"
#include "ptolemy/PtolemyBody.h"
#include "ptolemy/PtolemyUniverse.h"
#include "raster/DeviceContext.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <thread>
#include <vector>

namespace {

using WallClock = std::chrono::steady_clock;

constexpr auto kWatched = std::chrono::seconds(2);
// The clocks run this long before the watch starts, so that every thread is under way.
constexpr auto kSettling = std::chrono::milliseconds(200);
constexpr double kNominalTicksPerSecond = 1000.0 / 15.0;
constexpr int kSystemsPerUniverse = 4;
constexpr std::int32_t kTrailRecords = 2000;
constexpr double kTickStep = 0.001;
constexpr int kWidth = 1000;
constexpr int kHeight = 700;

// `count` running universes of a few random systems (fixed seed), each system's running
// trail already full (2000 records), so that a draw costs what a long-running window's does.
std::vector<std::unique_ptr<PtolemyUniverse>> makeRunningUniverses(int count)
{
    std::srand(2024);
    std::vector<std::unique_ptr<PtolemyUniverse>> universes;
    for (int u = 0; u < count; ++u) {
        auto universe = std::make_unique<PtolemyUniverse>();
        universe->Lock();
        universe->LockClock();
        BodyList& bodies = universe->Bodies();
        while (bodies.Count() < kSystemsPerUniverse)
            bodies.Add(nullptr);
        for (int i = 0; i < bodies.Count(); ++i) {
            PtolemyBody* body = bodies.Get(i);
            body->Randomize();
            body->SetTrailLength(kTrailRecords);
            for (int k = 0; k < kTrailRecords; ++k)
                body->AppendPosition(k * kTickStep);
        }
        universe->Clock().setTime(kTrailRecords * kTickStep);
        universe->UnlockClock();
        universe->Unlock();
        universes.push_back(std::move(universe));
    }
    return universes;
}

std::vector<std::int32_t> tickCounts(const std::vector<std::unique_ptr<PtolemyUniverse>>& universes)
{
    std::vector<std::int32_t> counts;
    counts.reserve(universes.size());
    for (const auto& universe : universes)
        counts.push_back(universe->GetGeneration());
    return counts;
}

// Reports each clock's ticks between `before` and now over `seconds`.
void reportTickRates(benchmark::State& state, const std::vector<std::unique_ptr<PtolemyUniverse>>& universes,
    const std::vector<std::int32_t>& before, double seconds)
{
    const std::vector<std::int32_t> after = tickCounts(universes);
    double sum = 0;
    double slowest = 0;
    double fastest = 0;
    for (std::size_t i = 0; i < after.size(); ++i) {
        const double rate = (after[i] - before[i]) / seconds;
        sum += rate;
        slowest = i == 0 ? rate : std::min(slowest, rate);
        fastest = i == 0 ? rate : std::max(fastest, rate);
    }
    const double mean = sum / static_cast<double>(after.size());
    state.counters["ticks_per_s"] = mean;
    state.counters["ticks_per_s_min"] = slowest;
    state.counters["ticks_per_s_max"] = fastest;
    state.counters["of_nominal"] = mean / kNominalTicksPerSecond;
}

std::int32_t defaultDrawRequest(PtolemyUniverse& universe)
{
    std::int32_t request = 0;
    universe.GetDefaultDrawRequest(&request);
    return request;
}

void ClockTicks(benchmark::State& state)
{
    const auto universes = makeRunningUniverses(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::this_thread::sleep_for(kSettling);
        const std::vector<std::int32_t> before = tickCounts(universes);
        const auto start = WallClock::now();
        std::this_thread::sleep_for(kWatched);
        const double seconds = std::chrono::duration<double>(WallClock::now() - start).count();
        state.SetIterationTime(seconds);
        reportTickRates(state, universes, before, seconds);
    }
}
BENCHMARK(ClockTicks)
    ->ArgName("sources")
    ->Arg(4)
    ->Arg(64)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void ClockTicksDrawing(benchmark::State& state)
{
    const auto universes = makeRunningUniverses(static_cast<int>(state.range(0)));
    QImage buffer(kWidth, kHeight, QImage::Format_RGB32);
    std::vector<std::int32_t> requests;
    for (const auto& universe : universes)
        requests.push_back(defaultDrawRequest(*universe));
    for (auto _ : state) {
        std::this_thread::sleep_for(kSettling);
        const std::vector<std::int32_t> before = tickCounts(universes);
        const auto start = WallClock::now();
        std::int64_t frames = 0;
        while (WallClock::now() - start < kWatched) {
            const std::size_t shown = static_cast<std::size_t>(frames) % universes.size();
            raster::DeviceContext context(buffer, raster::Rendering::Smooth);
            context.fillRect(0, 0, kWidth, kHeight, makeColour(255, 255, 255));
            universes[shown]->Draw(context, kWidth, kHeight, requests[shown]);
            ++frames;
        }
        const double seconds = std::chrono::duration<double>(WallClock::now() - start).count();
        state.SetIterationTime(seconds);
        reportTickRates(state, universes, before, seconds);
        state.counters["frames_per_s"] = static_cast<double>(frames) / seconds;
    }
}
BENCHMARK(ClockTicksDrawing)
    ->ArgName("sources")
    ->Arg(4)
    ->Arg(64)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
