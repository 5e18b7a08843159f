#include "imagesource/ClockDrivenSource.h"

#include <algorithm>
#include <utility>

ClockDrivenSource::ClockDrivenSource()
    : clock_(std::make_unique<SimulationClock>())
{
}

ClockDrivenSource::ClockDrivenSource(std::unique_ptr<SimulationClock> clock)
    : clock_(std::move(clock))
{
}

ClockDrivenSource::~ClockDrivenSource()
{
    // Stopped before the clock object goes: a tick must not call the OnTick of a clock
    // whose derived part is already destroyed.
    stopClock();
}

std::int32_t ClockDrivenSource::GetGeneration() { return clock_->tickCount(); }

void ClockDrivenSource::stopClock() { clock_->stop(); }

// The clock's accessors take the clock's own lock; nothing of the source is read.
void ClockDrivenSource::setTimeRate(double rate) { clock_->setRate(rate); }

double ClockDrivenSource::timeRate() { return clock_->rate(); }

double ClockDrivenSource::modelTime() { return clock_->time(); }

bool ClockDrivenSource::seekTo(double) { return false; }

double ClockDrivenSource::frameStep()
{
    clock_->Lock();
    const double step = clock_->increment() * clock_->rate();
    clock_->Unlock();
    return step;
}

double ClockDrivenSource::modelTimePerSecond() { return frameStep() * 1000.0 / std::max(1, clock_->period()); }

bool ClockDrivenSource::paused() { return clock_->paused(); }

void ClockDrivenSource::holdForScreen(bool hold)
{
    bool changed = false;
    clock_->Lock();
    if (hold && !clock_->paused()) {
        clock_->setPaused(true);
        heldByScreen_ = changed = true;
    } else if (!hold && heldByScreen_) {
        clock_->setPaused(false);
        heldByScreen_ = false;
        changed = true;
    }
    clock_->Unlock();
    if (changed)
        pauseChangedByScreen(hold);
}

void ClockDrivenSource::setStopTime(std::optional<double> time) { clock_->setStopTime(time); }

void ClockDrivenSource::pauseChangedByScreen(bool) { }
