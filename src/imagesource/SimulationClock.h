#pragma once
// The time base of an animated image source.
//
// A worker thread waits for the next tick's deadline, then under the clock's lock
// advances `time` by `increment` x `rate` (unless paused), calls OnTick(time) with
// the lock held, and counts the tick. Owners derive from SimulationClock, override
// OnTick, and read or write the fields below under Lock()/Unlock() (each accessor
// also takes the lock itself; the lock is re-entrant).
// OnTick runs on the worker thread with the clock's lock held: it must never
// take the owner's image source lock (owners take theirs first, then the clock's).
// The tick count is atomic so that GetGeneration may read it without the lock.
//
// Ticks keep to deadlines, not to pauses between them: the first is due one period
// after the worker starts, each next one a period after the one before, however long
// the tick itself took, so a clock makes 1000 / period ticks a second and does not
// drift. A paused clock keeps its deadlines and does nothing at them. A tick that ends
// a whole period or more past its own deadline (the worker was held up: a long OnTick,
// a long wait for the clock's lock, a machine too busy to run it) does not make up the
// ticks it missed: the clock skips them and the next tick is due at the first deadline
// of the same beat still ahead, at most one period away (see nextTickDeadline). The
// model then falls behind wall time instead of jumping ahead in a burst of ticks.
// Deadlines are in steady time, which stands still while the machine is suspended, so a
// resume brings no burst either. A period set while the worker waits applies from the
// deadline it is waiting for: the deadline after that one lies the new period later.
//
// Life cycle contract (the worker calls the virtual OnTick, so it must never
// run while the most-derived object is being built or torn down):
// - The constructor does not start the worker. The owner calls start() as the
//   last statement of its constructor; from then on the clock runs (not paused).
//   A clock that is never started never ticks.
// - Owners whose OnTick touches their own members call stop() first thing in
//   their destructor, so that no tick runs into a half-destroyed owner. stop() is
//   idempotent; the base destructor calls it as well.
// - stop() waits for a tick in progress to finish and for the worker to end; no
//   OnTick follows the stop request. It must not be called from another thread
//   while holding the clock's lock (the worker could not finish its tick). Called
//   from OnTick it only requests the stop; the worker ends when OnTick returns.
// - A stopped clock cannot be started again.
//
// Threading: the clock is itself the capability that its lock annotations name
// (ThreadSafety.h): Lock() acquires it, OnTick requires it. Its accessors take the lock
// themselves, re-entrantly, so they may be called with it held or not. A worker takes it,
// so it is made WithWorkerThreads; it stands after its source's lock and before any
// observation trail's in the lock order.
// See docs/threads.md.
#include "platform/CriticalSection.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>

// When the tick after one due at `previous` is due, given the clock's period and the
// time `now` at which that tick ended: the first of previous + period,
// previous + 2 x period, ... that is later than `now`. That is one period after
// `previous` unless the tick ended a whole period or more late, and never more than
// one period after `now`. A period below one nanosecond counts as one. Pure; the
// clock's worker calls it after every step.
std::chrono::steady_clock::time_point nextTickDeadline(std::chrono::steady_clock::time_point previous,
    std::chrono::steady_clock::duration period, std::chrono::steady_clock::time_point now);

class CAPABILITY("mutex") SimulationClock {
public:
    SimulationClock();
    virtual ~SimulationClock();
    SimulationClock(const SimulationClock&) = delete;
    SimulationClock& operator=(const SimulationClock&) = delete;

    // Called on the worker thread with the clock's lock held, after each step
    // that advanced the time. The base does nothing.
    virtual void OnTick(double time) REQUIRES(this);

    void Lock() ACQUIRE();
    void Unlock() RELEASE();

    // Starts the worker thread; does nothing when already started or stopped.
    void start();

    // Fields; read and written under Lock()/Unlock().
    // Wall-clock milliseconds between the deadlines of steps (values below 1 count as 1).
    std::int32_t period() const;
    void setPeriod(std::int32_t milliseconds);
    // Simulated time added per step; the owner decides the unit.
    double increment() const;
    void setIncrement(double increment);
    // How fast the viewer wants time to run: each step advances increment x rate (1: as
    // the owner set it). The step's period stays.
    double rate() const;
    void setRate(double rate);
    double time() const;
    void setTime(double time);
    bool paused() const;
    void setPaused(bool paused);
    // The time the clock does not run past (nothing: it runs on): the step that would pass
    // it ends there; from then on its deadlines do nothing, as if paused, until the time is
    // set back (a restart, a seek). It is not a pause: paused() stays as it was.
    std::optional<double> stopTime() const;
    void setStopTime(std::optional<double> time);
    void TogglePause();
    // The number of steps taken; atomic, may be read without the lock.
    std::int32_t tickCount() const;
    void setTickCount(std::int32_t count);

    // Requests the stop under the lock and waits for the worker thread to end.
    // No OnTick follows; idempotent. Called by the destructor. Not marked EXCLUDES: OnTick
    // may call it with the lock held (it then only asks for the stop).
    void stop();
    // True once the worker has seen the stop request and ended.
    bool stopped() const;

private:
    struct State;
    std::shared_ptr<State> state_;
};
