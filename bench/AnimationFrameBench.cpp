// The cost of one animation frame of a 1000 x 700 observer window showing a Ptolemy
// universe of 32 random systems, at the default trail length (200 records) and at the
// longest one the display dialog offers (2000), measured at three depths:
//   UniverseDraw   background fill and the universe's Draw into a back buffer;
//   RecordRender   WindowRecord::renderBackBuffer of a real observer window (background and source);
//   WindowFrame    that render plus the window's own paint, which copies the buffer to the screen.
// The counter "cpu_ms_per_frame" is the CPU time of one frame; "core_share_4x30ms" is the
// share of one core that four such windows take at the 30 ms refresh of the shipped layouts
// (1.0 would be the whole core).
#include "bench/BenchUniverse.h"
#include "imagesource/SimulationClock.h"
#include "imagesource/WindowSpec.h"
#include "ptolemy/PtolemyBody.h"
#include "ptolemy/PtolemyFlags.h"
#include "ptolemy/PtolemyUniverse.h"
#include "raster/DeviceContext.h"
#include "windows/WindowFactory.h"
#include "windows/WindowRecord.h"
#include "windows/WindowRegistry.h"

#include <QCoreApplication>
#include <QImage>
#include <QWidget>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>
#include <memory>

namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 700;
constexpr int kSystems = 32;
constexpr double kWindowsShown = 4;
constexpr double kRefreshSeconds = 0.030;

std::int32_t defaultDrawRequest(PtolemyUniverse& universe)
{
    std::int32_t request = 0;
    universe.GetDefaultDrawRequest(&request);
    return request;
}

// CPU seconds of this thread: the share of a core that frames take, whatever else the machine runs.
double threadCpuSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Times the frames of one benchmark run in CPU time and reports them.
class FrameClock {
public:
    explicit FrameClock(benchmark::State& state)
        : state_(state)
        , start_(threadCpuSeconds())
    {
    }
    ~FrameClock()
    {
        if (state_.iterations() == 0)
            return;
        const double perFrame = (threadCpuSeconds() - start_) / static_cast<double>(state_.iterations());
        state_.counters["cpu_ms_per_frame"] = perFrame * 1e3;
        state_.counters["core_share_4x30ms"] = perFrame * kWindowsShown / kRefreshSeconds;
    }
    FrameClock(const FrameClock&) = delete;
    FrameClock& operator=(const FrameClock&) = delete;

private:
    benchmark::State& state_;
    double start_;
};

void drawFrames(benchmark::State& state, std::int32_t trailLength, std::int32_t drawRequestExtra)
{
    auto universe = makeBenchUniverse(kSystems, trailLength);
    const std::int32_t request = defaultDrawRequest(*universe) | drawRequestExtra;
    QImage buffer(kWidth, kHeight, QImage::Format_RGB32);
    const FrameClock clock(state);
    for (auto _ : state) {
        raster::DeviceContext context(buffer);
        context.fillRect(0, 0, kWidth, kHeight, makeColour(255, 255, 255));
        universe->Draw(context, kWidth, kHeight, request);
    }
}

void UniverseDraw(benchmark::State& state) { drawFrames(state, static_cast<std::int32_t>(state.range(0)), 0); }
BENCHMARK(UniverseDraw)->ArgName("trail")->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);

// The shipped four-universe layout's choice: the one-period trace with circles and the Earth.
void UniverseDrawFullTrace(benchmark::State& state)
{
    using namespace ptolemy_flags;
    drawFrames(
        state, PtolemyBody::kRunningTrailCapacity, kFormatted | kFullTrace | kLines | kCircles | kPlanet | kEarth);
}
BENCHMARK(UniverseDrawFullTrace)->Unit(benchmark::kMillisecond);

// An observer window filling a shown 1000 x 700 host, showing `universe`.
class ObserverFixture {
public:
    explicit ObserverFixture(PtolemyUniverse& universe)
    {
        host_.resize(kWidth, kHeight);
        host_.show();
        WindowSpec spec;
        spec.kind = kObserverWindowKind;
        spec.imageSource = &universe;
        spec.screenRect = { 0, 0, 1, 1 };
        spec.drawFlags = defaultDrawRequest(universe);
        createWindow(&host_, spec);
        // Lets the window system expose the host, so that repaints reach its backing store.
        for (int round = 0; round < 3; ++round)
            QCoreApplication::processEvents();
        const auto records = WindowRegistry::instance().records();
        record_ = records.empty() ? nullptr : records.front();
    }
    ~ObserverFixture() { WindowRegistry::instance().removeAllWindows(); }
    ObserverFixture(const ObserverFixture&) = delete;
    ObserverFixture& operator=(const ObserverFixture&) = delete;

    WindowRecord* record() const { return record_; }

private:
    QWidget host_;
    WindowRecord* record_ = nullptr;
};

void RecordRender(benchmark::State& state)
{
    auto universe = makeBenchUniverse(kSystems, static_cast<std::int32_t>(state.range(0)));
    ObserverFixture window(*universe);
    if (!window.record()) {
        state.SkipWithError("no observer window");
        return;
    }
    const FrameClock clock(state);
    for (auto _ : state)
        window.record()->renderBackBuffer();
}
BENCHMARK(RecordRender)->ArgName("trail")->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);

void WindowFrame(benchmark::State& state)
{
    auto universe = makeBenchUniverse(kSystems, static_cast<std::int32_t>(state.range(0)));
    ObserverFixture window(*universe);
    if (!window.record() || !window.record()->window()) {
        state.SkipWithError("no observer window");
        return;
    }
    QWidget* const shown = window.record()->window();
    if (!shown->isVisible() || !shown->window()->windowHandle() || !shown->window()->windowHandle()->isExposed()) {
        state.SkipWithError("the window is not exposed: its paint would not run");
        return;
    }
    const FrameClock clock(state);
    for (auto _ : state) {
        window.record()->renderBackBuffer();
        shown->repaint();
    }
}
BENCHMARK(WindowFrame)->ArgName("trail")->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);

} // namespace
