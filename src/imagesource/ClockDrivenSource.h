#pragma once
// The base of the animated image sources: a source whose picture changes with the
// ticks of a SimulationClock of its own.
//
// Life cycle (the clock calls OnTick from its own thread, see SimulationClock.h): the
// clock is built before the derived source and goes after it. It runs only once the
// derived constructor has called clock().start() as its last statement, so no tick
// meets a source still being built; the derived source is final, so that no constructor
// of a class derived from it runs after that statement. A derived source whose clock's OnTick reaches into
// the source's members calls stopClock() first thing in its destructor, so that no tick
// meets a member already destroyed. A plain SimulationClock (the default) touches
// nothing but its own time and count; the destructor here stops it before it goes.
//
// Threading: as for every source (see ImageSource.h), window-thread operations take
// the source's lock first and the clock's lock inside it. GetGeneration reads the
// clock's atomic tick count without either lock.
// See docs/threads.md.
#include "imagesource/ImageSource.h"
#include "imagesource/SimulationClock.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class ClockDrivenSource : public ImageSource {
public:
    ~ClockDrivenSource() override;

    // The clock's tick count.
    std::int32_t GetGeneration() override;

    // Runs the source's time `rate` times as fast as its own increments say (1: as they say).
    void setTimeRate(double rate);
    double timeRate();
    // The clock's model time.
    double modelTime();
    // The calendar year at model time 0 when the source's time is dated (a universe
    // matched against a dated observation trail); nothing otherwise.
    virtual std::optional<std::int32_t> calendarStartYear() { return std::nullopt; }

    // The time controls of the whole screen (window thread).
    struct TimeSpan {
        double first = 0;
        double last = 0;
    };
    // The span of model time of the observations the source is matched against; nothing
    // when it has none.
    virtual std::optional<TimeSpan> observedTimeSpan() { return std::nullopt; }
    // Moves the source to model time `time` as if it had run there; false, with nothing
    // changed, when the source cannot (the base cannot) or the time is not finite or below 0.
    virtual bool seekTo(double time);
    // The model time one frame moves: the clock's increment times its rate.
    double frameStep();
    // The model time that passes in a second of running: a frame step per period.
    double modelTimePerSecond();
    bool paused();
    // Holding pauses a running clock and remembers that it did; releasing resumes only a
    // clock that holding paused. The source is told (pauseChangedByScreen) when it changed.
    void holdForScreen(bool hold);
    // The clock stops by itself at `time` (nothing: it runs on); see SimulationClock.
    void setStopTime(std::optional<double> time);
    // How well the source follows its observations now, a line each (none: the base).
    virtual std::vector<std::string> readoutLines() { return {}; }

protected:
    // A plain clock, whose ticks only advance its time and count.
    ClockDrivenSource();
    // A clock of the derived source's own making, whose OnTick does the source's work.
    explicit ClockDrivenSource(std::unique_ptr<SimulationClock> clock);

    // The source's clock; derived types and tests take its lock inside the source's lock.
    SimulationClock& clock() RETURN_CAPABILITY(*clock_) { return *clock_; }
    // Tests hold the clock still through HeldClock (tests/support), since they cannot
    // derive from the final sources to reach it.
    friend class HeldClock;
    // Waits for a tick in progress and ends the clock's thread; no tick follows. Idempotent.
    void stopClock();
    // Called with no lock held after holdForScreen paused (true) or resumed the clock;
    // a source relabels its controls here. The base does nothing.
    virtual void pauseChangedByScreen(bool paused);

private:
    std::unique_ptr<SimulationClock> clock_;
    bool heldByScreen_ = false; // window thread only
};
