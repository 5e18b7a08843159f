#pragma once
// A re-entrant lock: the thread that holds it may take it again.
//
// A lock that worker threads also take (a simulation clock's) is made with
// LockSharing::WithWorkerThreads. Each thread counts how many of those it holds, so
// that the window thread can check that it never enters a nested event loop (a modal
// dialog, a message box) while a worker might be waiting for one (docs/threads.md).
#include <mutex>

namespace platform {

enum class LockSharing { WindowThreadOnly, WithWorkerThreads };

// How many locks shared with worker threads the calling thread holds (each re-entry counts).
int sharedLocksHeldByThisThread();

class CriticalSection {
public:
    explicit CriticalSection(LockSharing sharing = LockSharing::WindowThreadOnly)
        : shared_(sharing == LockSharing::WithWorkerThreads)
    {
    }

    void enter()
    {
        mutex_.lock();
        countHold(1);
    }
    void leave()
    {
        countHold(-1);
        mutex_.unlock();
    }
    bool tryEnter()
    {
        if (!mutex_.try_lock())
            return false;
        countHold(1);
        return true;
    }

    // Lockable names so that std::lock_guard / std::unique_lock work too.
    void lock() { enter(); }
    void unlock() { leave(); }
    bool try_lock() { return tryEnter(); }

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
class CriticalSectionGuard {
public:
    explicit CriticalSectionGuard(CriticalSection& section)
        : section_(section)
    {
        section_.enter();
    }
    ~CriticalSectionGuard() { section_.leave(); }
    CriticalSectionGuard(const CriticalSectionGuard&) = delete;
    CriticalSectionGuard& operator=(const CriticalSectionGuard&) = delete;

private:
    CriticalSection& section_;
};

} // namespace platform
