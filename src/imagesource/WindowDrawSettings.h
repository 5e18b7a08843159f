#pragma once
// The part of a window's record that the image source it shows may change: its draw
// request (ApplyDefaults). The window layer's record derives from it and keeps the
// rest of the window's state.
//
// Threading: window thread only; drawFlags is read and written under recordLock(),
// taken after the window registry's lock and before the image source's lock.
// See docs/threads.md.
#include "platform/CriticalSection.h"

#include <cstdint>

class WindowDrawSettings {
public:
    WindowDrawSettings() = default;
    virtual ~WindowDrawSettings() = default;
    WindowDrawSettings(const WindowDrawSettings&) = delete;
    WindowDrawSettings& operator=(const WindowDrawSettings&) = delete;

    void Lock() ACQUIRE(lock_) { lock_.enter(); }
    void Unlock() RELEASE(lock_) { lock_.leave(); }
    // For scoped guards (platform::CriticalSectionGuard).
    platform::CriticalSection& recordLock() { return lock_; }

    std::int32_t drawFlags = 0; // the window's draw request; a source's ApplyDefaults may change it

private:
    platform::CriticalSection lock_;
};
