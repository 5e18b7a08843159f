#pragma once
// Test support: holds a clock-driven source's clock still at chosen times, so that tests
// never wait for it. A friend of ClockDrivenSource, since the sources are final and a test
// cannot derive from one to reach its clock. Every operation takes the source's lock, then
// the clock's, in the order the window thread takes them.
#include "imagesource/ClockDrivenSource.h"

class HeldClock {
public:
    explicit HeldClock(ClockDrivenSource& source)
        : source_(source)
    {
    }

    // Pauses the clock and sets its time.
    void holdAt(double t)
    {
        source_.Lock();
        clock().Lock();
        clock().setPaused(true);
        clock().setTime(t);
        clock().Unlock();
        source_.Unlock();
    }
    // Sets the time and lets the clock run on from there.
    void runFrom(double t)
    {
        holdAt(t);
        clock().Lock();
        clock().setPaused(false);
        clock().Unlock();
    }
    double time()
    {
        clock().Lock();
        const double t = clock().time();
        clock().Unlock();
        return t;
    }
    bool paused()
    {
        clock().Lock();
        const bool isPaused = clock().paused();
        clock().Unlock();
        return isPaused;
    }
    // The clock itself, for what the operations above do not cover; take its lock inside
    // the source's.
    SimulationClock& clock() { return source_.clock(); }

private:
    ClockDrivenSource& source_;
};
