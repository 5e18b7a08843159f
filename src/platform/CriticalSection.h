#pragma once
// A re-entrant lock: the thread that holds it may take it again.
//
// A lock that worker threads also take (a simulation clock's) is made with
// LockSharing::WithWorkerThreads. Each thread counts how many of those it holds, so
// that the window thread can check that it never enters a nested event loop (a modal
// dialog, a message box) while a worker might be waiting for one (docs/threads.md).
//
// Both types carry clang's thread-safety annotations (ThreadSafety.h): a member
// GUARDED_BY a critical section may be touched only inside a guard or between enter()
// and leave(). The analysis does not model re-entry: a function that takes a section
// its caller may already hold is not marked EXCLUDES.
#include "platform/ThreadSafety.h"

#include <mutex>

namespace platform {

enum class LockSharing { WindowThreadOnly, WithWorkerThreads };

// How many locks shared with worker threads the calling thread holds (each re-entry counts).
int sharedLocksHeldByThisThread();

class CAPABILITY("mutex") CriticalSection {
public:
    explicit CriticalSection(LockSharing sharing = LockSharing::WindowThreadOnly)
        : shared_(sharing == LockSharing::WithWorkerThreads)
    {
    }

    void enter() ACQUIRE()
    {
        mutex_.lock();
        countHold(1);
    }
    void leave() RELEASE()
    {
        countHold(-1);
        mutex_.unlock();
    }
    bool tryEnter() TRY_ACQUIRE(true)
    {
        if (!mutex_.try_lock())
            return false;
        countHold(1);
        return true;
    }

    // Lockable names so that std::lock_guard / std::unique_lock work too.
    void lock() ACQUIRE() { enter(); }
    void unlock() RELEASE() { leave(); }
    bool try_lock() TRY_ACQUIRE(true) { return tryEnter(); }

private:
    void countHold(int change)
    {
        if (shared_)
            sharedHolds() += change;
    }
    static int& sharedHolds();
    friend int sharedLocksHeldByThisThread();

    std::recursive_mutex mutex_;
    bool shared_;
};

inline int& CriticalSection::sharedHolds()
{
    thread_local int holds = 0;
    return holds;
}

inline int sharedLocksHeldByThisThread() { return CriticalSection::sharedHolds(); }

// Holds a critical section for the guard's scope.
class SCOPED_CAPABILITY CriticalSectionGuard {
public:
    explicit CriticalSectionGuard(CriticalSection& section) ACQUIRE(section)
        : section_(section)
    {
        section.enter();
    }
    ~CriticalSectionGuard() RELEASE() { section_.leave(); }
    CriticalSectionGuard(const CriticalSectionGuard&) = delete;
    CriticalSectionGuard& operator=(const CriticalSectionGuard&) = delete;

private:
    CriticalSection& section_;
};

} // namespace platform
