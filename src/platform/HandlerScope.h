#pragma once
// Safe re-entry on the window thread.
//
// A command handler (a button, a menu command, a mouse click) or a nested event loop
// (a modal dialog, a message box, a file or colour dialog) opens a HandlerScope for as
// long as it runs. While any scope is open, nothing may destroy a layout, an image
// source or a window, since the handler below may still use them: such work is handed
// to whenIdle, which runs it from the event loop once the last scope has closed.
//
// Threading: window thread only (asserted in debug builds). See docs/threads.md.
#include <functional>

class QObject;

namespace platform {

class HandlerScope {
public:
    enum class Kind {
        Handler, // a command handler of a window or menu
        NestedLoop, // a modal dialog or message box: no lock shared with worker threads may be held
    };

    explicit HandlerScope(Kind kind = Kind::Handler);
    ~HandlerScope();
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;

    // True while a scope is open on the window thread.
    static bool active();
    // How many scopes are open (nested handlers and dialogs each count).
    static int depth();

    // Runs `work` on the window thread from the event loop after every open scope has
    // closed (posted at once when none is open), never inside the caller. Dropped when
    // `context` is destroyed before it runs. The work should check active() again: a new
    // handler may have started before it ran.
    static void whenIdle(QObject* context, std::function<void()> work);
};

} // namespace platform
