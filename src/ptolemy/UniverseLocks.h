#pragma once
// Scoped holds of a Ptolemy universe's locks in their fixed order: the universe
// lock first, the clock lock second. A null universe holds nothing (a system
// without an owner, which no other thread sees).
//
// For clang's analysis (ThreadSafety.h) each is a scoped capability that holds the
// universe's locks; their bodies are not analysed, since they lock only a non-null
// universe, a condition the analysis does not follow.
// See docs/threads.md.
#include "ptolemy/PtolemyUniverse.h"

class SCOPED_CAPABILITY UniverseLock {
public:
    explicit UniverseLock(PtolemyUniverse* universe) ACQUIRE(universe->UniverseMutex()) NO_THREAD_SAFETY_ANALYSIS
        : universe_(universe)
    {
        if (universe_)
            universe_->Lock();
    }
    ~UniverseLock() RELEASE() NO_THREAD_SAFETY_ANALYSIS
    {
        if (universe_)
            universe_->Unlock();
    }
    UniverseLock(const UniverseLock&) = delete;
    UniverseLock& operator=(const UniverseLock&) = delete;

private:
    PtolemyUniverse* universe_;
};

class SCOPED_CAPABILITY UniverseAndClockLock {
public:
    explicit UniverseAndClockLock(PtolemyUniverse* universe)
        ACQUIRE(universe->UniverseMutex(), universe->Clock()) NO_THREAD_SAFETY_ANALYSIS : universeLock_(universe),
                                                                                          universe_(universe)
    {
        if (universe_)
            universe_->LockClock();
    }
    ~UniverseAndClockLock() RELEASE() NO_THREAD_SAFETY_ANALYSIS
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
