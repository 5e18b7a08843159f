#pragma once
// Scoped holds of a Ptolemy universe's locks in their fixed order: the universe
// lock first, the clock lock second. A null universe holds nothing (a system
// without an owner).
// See docs/threads.md.
#include "ptolemy/PtolemyUniverse.h"

class UniverseLock {
public:
    explicit UniverseLock(PtolemyUniverse* universe)
        : universe_(universe)
    {
        if (universe_)
            universe_->Lock();
    }
    ~UniverseLock()
    {
        if (universe_)
            universe_->Unlock();
    }
    UniverseLock(const UniverseLock&) = delete;
    UniverseLock& operator=(const UniverseLock&) = delete;

private:
    PtolemyUniverse* universe_;
};

class UniverseAndClockLock {
public:
    explicit UniverseAndClockLock(PtolemyUniverse* universe)
        : universeLock_(universe)
        , universe_(universe)
    {
        if (universe_)
            universe_->LockClock();
    }
    ~UniverseAndClockLock()
    {
        if (universe_)
            universe_->UnlockClock();
    }
    UniverseAndClockLock(const UniverseAndClockLock&) = delete;
    UniverseAndClockLock& operator=(const UniverseAndClockLock&) = delete;

private:
    UniverseLock universeLock_;
    PtolemyUniverse* universe_;
};
