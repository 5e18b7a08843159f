// The cost of drawing a universe into a 1000 x 700 window, against the cost of what
// every paint does anyway: filling the back buffer and copying it out. The counter
// "x_fill_copy" is the whole paint's time as a multiple of that.
#include "bench/BenchUniverse.h"
#include "imagesource/SimulationClock.h"
#include "platform/DeviceContext.h"
#include "ptolemy/PtolemyBody.h"
#include "ptolemy/PtolemyFlags.h"
#include "ptolemy/PtolemyUniverse.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <memory>

namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 700;
constexpr int kTrailRecords = 2000;

// One paint's fixed part: the background fill and the copy to the screen.
void fillAndCopy(QImage& buffer, QImage& screen)
{
    buffer.fill(Qt::white);
    platform::DeviceContext context(screen);
    context.bitBlt(0, 0, kWidth, kHeight, buffer, 0, 0);
}

double fillAndCopySeconds()
{
    static const double seconds = [] {
        QImage buffer(kWidth, kHeight, QImage::Format_RGB32);
        QImage screen(kWidth, kHeight, QImage::Format_RGB32);
        constexpr int kRounds = 300;
        const auto start = std::chrono::steady_clock::now();
        for (int k = 0; k < kRounds; ++k)
            fillAndCopy(buffer, screen);
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / kRounds;
    }();
    return seconds;
}

// Arguments: the number of systems, then the rendering (0 exact, as tests draw; 1
// smooth, as windows draw).
void drawUniverse(benchmark::State& state, std::int32_t drawRequest)
{
    const int systems = static_cast<int>(state.range(0));
    const auto rendering = state.range(1) == 0 ? platform::Rendering::Exact : platform::Rendering::Smooth;
    auto universe = makeBenchUniverse(systems, kTrailRecords);
    QImage buffer(kWidth, kHeight, QImage::Format_RGB32);
    QImage screen(kWidth, kHeight, QImage::Format_RGB32);
    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        buffer.fill(Qt::white);
        {
            platform::DeviceContext context(buffer, rendering);
            universe->Draw(context, kWidth, kHeight, drawRequest);
        }
        platform::DeviceContext out(screen);
        out.bitBlt(0, 0, kWidth, kHeight, buffer, 0, 0);
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    const double perPaint = total / static_cast<double>(state.iterations());
    state.counters["x_fill_copy"] = perPaint / fillAndCopySeconds();
    state.counters["records_drawn"] = systems * kTrailRecords;
}

void DrawModelDefault(benchmark::State& state)
{
    using namespace ptolemy_flags;
    drawUniverse(state, kLines | kCircles | kMatch | kPlanet);
}
BENCHMARK(DrawModelDefault)->ArgsProduct({ { 1, 32 }, { 0, 1 } })->Unit(benchmark::kMillisecond);

void DrawModelDotsAndBands(benchmark::State& state)
{
    using namespace ptolemy_flags;
    drawUniverse(state, kFormatted | kLines | kAnimated | kDots | kCircles | kPlanet | kEarth);
}
BENCHMARK(DrawModelDotsAndBands)->ArgsProduct({ { 1, 32 }, { 0, 1 } })->Unit(benchmark::kMillisecond);

void FillAndCopyOnly(benchmark::State& state)
{
    QImage buffer(kWidth, kHeight, QImage::Format_RGB32);
    QImage screen(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state)
        fillAndCopy(buffer, screen);
}
BENCHMARK(FillAndCopyOnly)->Unit(benchmark::kMillisecond);

} // namespace
