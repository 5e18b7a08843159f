#pragma once
// The embeddable control: a widget that other programs (and Qt Designer forms) place in
// their windows, running the simulator's engine inside it as the earlier release, with
// one scriptable method, LoadPage.
//
// The control's window is created when the widget is first polished, just before it is
// first shown (the moment a container activates it): the control becomes the process's
// current control, makes its display manager, starts the engine (window registry,
// resource library, shared sprites) and creates its child display window "Observer
// Window Display" at a fifth of its size; the first size change after that makes the
// display window fill the control. Creation fails, with one message, when the resource
// library cannot be loaded.
//
// Ownership: the control owns its display manager (through the display window) and
// destroys it, with every window of its layout, when it goes; when it goes while a handler
// or dialog of the engine still runs, the display window outlives it, hidden, until they
// have returned.
// Threading: window thread only (the container's); the engine's clocks run their own
// threads. See docs/threads.md.
#include "platform/CriticalSection.h"

#include <QByteArray>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

class DisplayManager;
class LayoutHost;

class GazerixCtrl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool created READ isCreated)
public:
    static constexpr const char* kDisplayWindowTitle = "Observer Window Display";

    explicit GazerixCtrl(QWidget* parent = nullptr);
    ~GazerixCtrl() override;

    // Loads the layout file at `pathToLoad` into the process's display manager with
    // messages on; before any display manager exists, keeps it (its first 260 bytes) as
    // the pending path, which the display window loads with messages off when it is
    // created. A null string keeps nothing.
    Q_INVOKABLE void LoadPage(const QString& pathToLoad);
    // As above with the path's bytes, as the system names the file: a name that is not
    // valid UTF-8 (which a QString cannot carry) loads too. A null array keeps nothing.
    Q_INVOKABLE void LoadPage(const QByteArray& pathBytes);

    // Opens the control's property sheet with its one page, "General".
    Q_INVOKABLE void showPropertyPage();

    // True once the control's window has been created successfully.
    bool isCreated() const { return state_ == State::Created; }
    bool creationFailed() const { return state_ == State::Failed; }
    // The child display window hosting the layout, or null before creation.
    QWidget* displayWindow() const;

    // How many controls exist in the process.
    static int liveCount();

signals:
    // Sent once, after the control's window was created or its creation failed.
    void creationFinished(bool succeeded);

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    enum class State { NotCreated, Created, Failed };

    static void outliveHandlers(LayoutHost* displayWindow, bool created);
    static void shutDownAfterTheLast(bool created);
    bool createControlWindow();
    void createDisplayWindow();
    void attachDisplayWindow();

    platform::CriticalSection lock_; // the control lock: LoadPage against the display window's creation
    std::unique_ptr<DisplayManager> unattachedManager_; // made at creation, until the display window takes it
    DisplayManager* manager_ = nullptr; // this control's display manager, owned by the display window
    QPointer<LayoutHost> displayWindow_;
    State state_ = State::NotCreated;
};
