#pragma once
// The window thread: the thread that runs the Qt event loop, on which every window,
// dialog, layout and file operation of the engine runs (docs/threads.md). Objects that
// are used on the window thread only check it in debug builds.
#include <cassert>

namespace platform {

// True on the window thread, and before the application object exists (start-up).
bool isWindowThread();

// Stops a debug build when a window-thread-only object is used from another thread.
inline void assertWindowThread() { assert(isWindowThread()); }

} // namespace platform
