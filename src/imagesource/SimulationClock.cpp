#include "imagesource/SimulationClock.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

// The record shared by the clock and its worker thread. Every field except
// tickCount, stopped and the thread bookkeeping is guarded by `lock`, the lock that
// SimulationClock::Lock() takes.
struct SimulationClock::State {
    platform::CriticalSection lock { platform::LockSharing::WithWorkerThreads };
    // Wakes the worker early when the stop is requested.
    std::condition_variable_any wake;
    SimulationClock* owner GUARDED_BY(lock) = nullptr;
    std::int32_t period GUARDED_BY(lock) = 15;
    double increment GUARDED_BY(lock) = 0.001;
    double rate GUARDED_BY(lock) = 1.0; // the viewer's speed: each step advances increment x rate
    double time GUARDED_BY(lock) = 0.0;
    bool paused GUARDED_BY(lock) = false;
    std::optional<double> stopTime GUARDED_BY(lock); // the clock does not run past it
    bool started GUARDED_BY(lock) = false;
    bool stopRequested GUARDED_BY(lock) = false;
    std::atomic<std::int32_t> tickCount { 0 };
    std::atomic<bool> stopped { false };

    // Guards `worker`: start() creates it, stop() joins it. Taken after `lock`
    // or alone, never the other way round.
    std::mutex threadMutex;
    std::thread worker;
};

namespace {

// The period as the worker keeps it: at least a millisecond.
template <typename State> std::chrono::milliseconds periodOf(const State& state) REQUIRES(state.lock)
{
    return std::chrono::milliseconds(std::max<std::int32_t>(1, state.period));
}

// Waits, releasing the lock meanwhile, until the deadline has passed or a stop is asked.
template <typename State>
void waitForDeadline(State& state, std::chrono::steady_clock::time_point deadline) REQUIRES(state.lock)
{
    while (!state.stopRequested && state.wake.wait_until(state.lock, deadline) == std::cv_status::no_timeout) { }
}

// The owner's OnTick, with the lock held. The owner's capability is this lock under the
// name its users see (SimulationClock::Lock() takes it); the analysis cannot tell the
// two names apart.
template <typename State> void tickOwner(State& state) REQUIRES(state.lock) NO_THREAD_SAFETY_ANALYSIS
{
    if (state.owner != nullptr) {
        state.owner->OnTick(state.time);
    }
}

// Advances the time by one step and ticks the owner, unless the time has reached the stop
// time: a step that would pass it ends there. The clock then waits, unpaused, until its
// time is set back.
template <typename State> void stepClock(State& state) REQUIRES(state.lock)
{
    if (state.stopTime && state.time >= *state.stopTime)
        return;
    state.time += state.increment * state.rate;
    if (state.stopTime && state.time > *state.stopTime)
        state.time = *state.stopTime;
    tickOwner(state);
    state.tickCount.fetch_add(1);
}

// One step at each deadline; the lock is held for the whole loop except while waiting.
template <typename State> void runClock(const std::shared_ptr<State>& shared)
{
    State& state = *shared;
    {
        platform::CriticalSectionGuard guard(state.lock);
        auto deadline = std::chrono::steady_clock::now() + periodOf(state);
        for (;;) {
            waitForDeadline(state, deadline);
            if (state.stopRequested) {
                break;
            }
            if (!state.paused) {
                stepClock(state);
            }
            deadline = nextTickDeadline(deadline, periodOf(state), std::chrono::steady_clock::now());
        }
    }
    state.stopped.store(true);
}

} // namespace

std::chrono::steady_clock::time_point nextTickDeadline(std::chrono::steady_clock::time_point previous,
    std::chrono::steady_clock::duration period, std::chrono::steady_clock::time_point now)
{
    period = std::max(period, std::chrono::steady_clock::duration(1));
    const auto next = previous + period;
    if (next > now) {
        return next;
    }
    // Late by `missed` whole periods or more: those ticks are skipped, not made up.
    const auto missed = (now - previous) / period;
    return previous + (missed + 1) * period;
}

SimulationClock::SimulationClock()
    : state_(std::make_shared<State>())
{
}

SimulationClock::~SimulationClock() { stop(); }

void SimulationClock::OnTick(double) { }

// The clock's capability is its state's lock under another name, which the analysis
// cannot see; the two functions below are where the names meet.
void SimulationClock::Lock() NO_THREAD_SAFETY_ANALYSIS { state_->lock.enter(); }

void SimulationClock::Unlock() NO_THREAD_SAFETY_ANALYSIS { state_->lock.leave(); }

void SimulationClock::start()
{
    // Lock order: the clock's lock, then threadMutex (as in stop() called from OnTick).
    platform::CriticalSectionGuard guard(state_->lock);
    if (state_->started || state_->stopRequested) {
        return;
    }
    state_->started = true;
    state_->owner = this;
    std::lock_guard threadGuard(state_->threadMutex);
    // The worker shares the state, so it stays valid even if the clock were
    // destroyed from inside OnTick (see stop()).
    state_->worker = std::thread([shared = state_] { runClock(shared); });
}

void SimulationClock::stop()
{
    {
        platform::CriticalSectionGuard guard(state_->lock);
        state_->stopRequested = true;
        state_->owner = nullptr;
    }
    state_->wake.notify_all();

    std::lock_guard threadGuard(state_->threadMutex);
    if (!state_->worker.joinable()) {
        state_->stopped.store(true);
        return;
    }
    if (state_->worker.get_id() == std::this_thread::get_id()) {
        // Called from OnTick: the worker ends by itself once OnTick returns.
        state_->worker.detach();
        return;
    }
    state_->worker.join();
}

bool SimulationClock::stopped() const { return state_->stopped.load(); }

std::int32_t SimulationClock::period() const
{
    platform::CriticalSectionGuard guard(state_->lock);
    return state_->period;
}

void SimulationClock::setPeriod(std::int32_t milliseconds)
{
    platform::CriticalSectionGuard guard(state_->lock);
    state_->period = milliseconds;
}

double SimulationClock::increment() const
{
    platform::CriticalSectionGuard guard(state_->lock);
    return state_->increment;
}

void SimulationClock::setIncrement(double increment)
{
    platform::CriticalSectionGuard guard(state_->lock);
    state_->increment = increment;
}

double SimulationClock::rate() const
{
    platform::CriticalSectionGuard guard(state_->lock);
    return state_->rate;
}

void SimulationClock::setRate(double rate)
{
    platform::CriticalSectionGuard guard(state_->lock);
    state_->rate = rate;
}

double SimulationClock::time() const
{
    platform::CriticalSectionGuard guard(state_->lock);
    return state_->time;
}

void SimulationClock::setTime(double time)
{
    platform::CriticalSectionGuard guard(state_->lock);
    state_->time = time;
}

bool SimulationClock::paused() const
{
    platform::CriticalSectionGuard guard(state_->lock);
    return state_->paused;
}

void SimulationClock::setPaused(bool paused)
{
    platform::CriticalSectionGuard guard(state_->lock);
    state_->paused = paused;
}

std::optional<double> SimulationClock::stopTime() const
{
    platform::CriticalSectionGuard guard(state_->lock);
    return state_->stopTime;
}

void SimulationClock::setStopTime(std::optional<double> time)
{
    platform::CriticalSectionGuard guard(state_->lock);
    state_->stopTime = time;
}

void SimulationClock::TogglePause()
{
    platform::CriticalSectionGuard guard(state_->lock);
    state_->paused = !state_->paused;
}

std::int32_t SimulationClock::tickCount() const { return state_->tickCount.load(); }

void SimulationClock::setTickCount(std::int32_t count)
{
    platform::CriticalSectionGuard guard(state_->lock);
    state_->tickCount.store(count);
}
