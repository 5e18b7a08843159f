#pragma once
// The engine's side of a GazerixCtrl: the control's window as the engine sees it. Made with
// the control; at its first polish it makes the control the process's current one, makes
// its display manager, starts the engine (window registry, resource library, shared
// sprites) and creates the child display window "Observer Window Display" at a fifth of the
// control's size, which each later size change makes fill the control.
//
// Ownership: owns the control's display manager (through the display window) and destroys
// it, with every window of its layout, when it goes; when it goes while a handler or dialog
// of the engine still runs, the display window outlives it, hidden, until they have returned.
// Threading: window thread only (the container's). See docs/threads.md.
#include "platform/CriticalSection.h"

#include <QByteArray>
#include <QPointer>
#include <QSize>

#include <memory>

class DisplayManager;
class GazerixCtrl;
class LayoutHost;
class QWidget;

class GazerixCtrlEngine {
public:
    static constexpr const char* kDisplayWindowTitle = "Observer Window Display";

    explicit GazerixCtrlEngine(GazerixCtrl& control);
    ~GazerixCtrlEngine();
    GazerixCtrlEngine(const GazerixCtrlEngine&) = delete;
    GazerixCtrlEngine& operator=(const GazerixCtrlEngine&) = delete;

    // The engine's side of `control`.
    static GazerixCtrlEngine& of(const GazerixCtrl& control);
    // How many controls exist in the process.
    static int liveCount();

    // Creates the window, once: true when it was created, false when creation failed.
    bool create();
    bool creationTried() const { return state_ != State::NotCreated; }
    bool isCreated() const { return state_ == State::Created; }
    // The child display window hosting the layout, or null before creation.
    QWidget* displayWindow() const;

    // The control's LoadPage (see gazerix/GazerixCtrl.h).
    void loadPage(const QByteArray& pathBytes);
    // Makes the display window fill a control of `size`.
    void fill(QSize size);

private:
    enum class State { NotCreated, Created, Failed };

    static void outliveHandlers(LayoutHost* displayWindow, bool created);
    static void shutDownAfterTheLast(bool created);
    bool startEngine();
    void createDisplayWindow();
    void attachDisplayWindow();

    GazerixCtrl& control_;
    platform::CriticalSection lock_; // the control lock: LoadPage against the display window's creation
    std::unique_ptr<DisplayManager> unattachedManager_; // made at creation, until the display window takes it
    DisplayManager* manager_ = nullptr; // this control's display manager, owned by the display window
    QPointer<LayoutHost> displayWindow_;
    State state_ = State::NotCreated;
};
