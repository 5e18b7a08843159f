#include "imagesource/ClockDrivenSource.h"

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
