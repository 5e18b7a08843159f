#pragma once
// The embeddable control: a widget that other programs (and Qt Designer forms) place in
// their windows, running the simulator's engine inside it as the earlier release, with
// one scriptable method, LoadPage. Link libgazerix.so (CMake: find_package(Gazerix) and
// Gazerix::gazerix; pkg-config: gazerix).
//
// The control's window is created when the widget is first polished, just before it is
// first shown (the moment a container activates it): the control becomes the process's
// current control and starts the engine (window registry, resource library, shared
// sprites) with a child display window, "Observer Window Display", that the first size
// change after that makes fill the control. Creation fails, with one message, when the
// resource library cannot be loaded. Only one control per process works with a layout at
// a time: LoadPage goes to the control created last.
//
// Ownership: the control owns the engine's windows of its layout and destroys them when it
// goes; when it goes while a handler or dialog of the engine still runs, they outlive it,
// hidden, until those have returned.
// Threading: window thread only (the container's); the engine's clocks run their own threads.
#include <gazerix/GazerixExport.h>

#include <QByteArray>
#include <QString>
#include <QWidget>

#include <memory>

class GazerixCtrlEngine;

class GAZERIX_EXPORT GazerixCtrl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool created READ isCreated)
public:
    explicit GazerixCtrl(QWidget* parent = nullptr);
    ~GazerixCtrl() override;

    // Loads the layout file at `pathToLoad` (relative paths name files under the root
    // directory of the registry file) with messages on; before the control's window
    // exists, keeps it (its first 260 bytes) and loads it with messages off when the
    // window is created. A null string keeps nothing.
    Q_INVOKABLE void LoadPage(const QString& pathToLoad);
    // As above with the path's bytes, as the system names the file: a name that is not
    // valid UTF-8 (which a QString cannot carry) loads too. A null array keeps nothing.
    Q_INVOKABLE void LoadPage(const QByteArray& pathBytes);

    // Opens the control's property sheet with its one page, "General".
    Q_INVOKABLE void showPropertyPage();

    // True once the control's window has been created successfully.
    bool isCreated() const;

signals:
    // Sent once, after the control's window was created or its creation failed.
    void creationFinished(bool succeeded);

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    friend class GazerixCtrlEngine;

    std::unique_ptr<GazerixCtrlEngine> engine_;
};
