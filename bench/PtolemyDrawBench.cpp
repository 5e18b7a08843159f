// The cost of an observer window's frame of Ptolemy's systems (from the shipped files,
// each with a 2000-record running trail), made as a window makes it: smooth drawing, the
// still picture kept, and only what changed copied out to the screen. The clock steps
// once between frames, so every frame shows something new.
//
// The counter "x_fill_copy" divides the frame's time by that of a bare frame of the same
// 1000 x 700 size (filling the buffer white and copying it all out), both timed in the
// same iteration, so that the ratio holds whatever else the machine does meanwhile.
#include "bench/BenchUniverse.h"
#include "imagesource/ImageSource.h"
#include "ptolemy/PtolemyFlags.h"
#include "ptolemy/PtolemyUniverse.h"
#include "raster/DeviceContext.h"
#include "windows/LayeredFrame.h"

#include <QImage>
#include <QPainter>
#include <QRegion>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 700;
constexpr int kTrailRecords = 2000;

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// A bare frame: the whole buffer filled and copied to the screen.
void bareFrame(QImage& buffer, QImage& screen)
{
    buffer.fill(Qt::white);
    QPainter painter(&screen);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(0, 0), buffer);
}

// What a window's paint copies: the changed part of the buffer.
void copyChanged(const QImage& buffer, QImage& screen, const QRegion& changed)
{
    QPainter painter(&screen);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect& area : changed)
        painter.drawImage(area.topLeft(), buffer, area);
}

void paintWhite(raster::DeviceContext& context, int width, int height)
{
    context.fillRect(0, 0, width, height, makeColour(255, 255, 255));
}

void drawFrames(benchmark::State& state, std::int32_t drawRequest)
{
    const int systems = static_cast<int>(state.range(0));
    auto universe = makeBenchUniverse(systems, kTrailRecords);
    const QFont font = raster::DeviceContext::defaultFont(raster::Rendering::Smooth);
    QImage buffer(kWidth, kHeight, QImage::Format_RGB32);
    QImage bare(kWidth, kHeight, QImage::Format_RGB32);
    QImage screen(kWidth, kHeight, QImage::Format_RGB32);
    LayeredFrame frame;
    double frameSeconds = 0;
    double bareSeconds = 0;
    for (auto _ : state) {
        tickBenchUniverse(*universe);
        auto start = Clock::now();
        const QRegion changed = frame.render(buffer, kWidth, kHeight, *universe, drawRequest, paintWhite, font);
        copyChanged(buffer, screen, changed);
        frameSeconds += secondsSince(start);
        start = Clock::now();
        bareFrame(bare, screen);
        bareSeconds += secondsSince(start);
    }
    state.counters["x_fill_copy"] = bareSeconds > 0 ? frameSeconds / bareSeconds : 0;
    state.counters["frame_ms"] = frameSeconds * 1e3 / static_cast<double>(state.iterations());
    state.counters["bare_ms"] = bareSeconds * 1e3 / static_cast<double>(state.iterations());
}

// The shipped default layout's request: the Earth, the trail, the circles, the planet and the names.
void WindowFrameDefault(benchmark::State& state)
{
    using namespace ptolemy_flags;
    drawFrames(state, kFormatted | kEarth | kLines | kCircles | kPlanet | kLabels);
}
BENCHMARK(WindowFrameDefault)->ArgName("systems")->Arg(1)->Arg(32)->Unit(benchmark::kMillisecond);

// The four-universe layouts' request: the one-period trace with circles and the Earth.
void WindowFrameFullTrace(benchmark::State& state)
{
    using namespace ptolemy_flags;
    drawFrames(state, kFormatted | kFullTrace | kLines | kCircles | kPlanet | kEarth);
}
BENCHMARK(WindowFrameFullTrace)->ArgName("systems")->Arg(1)->Arg(32)->Unit(benchmark::kMillisecond);

// Animated bands and dots: everything moves, the still picture is the background only.
void WindowFrameDotsAndBands(benchmark::State& state)
{
    using namespace ptolemy_flags;
    drawFrames(state, kFormatted | kLines | kAnimated | kDots | kCircles | kPlanet | kEarth);
}
BENCHMARK(WindowFrameDotsAndBands)->ArgName("systems")->Arg(1)->Arg(32)->Unit(benchmark::kMillisecond);

} // namespace
