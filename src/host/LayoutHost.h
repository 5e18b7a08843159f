#pragma once
// The widget that shows layouts: it owns a display manager, is its host window (the
// layout's windows are its children) and passes its size changes on. The skyloom
// program uses it as its main window's central widget; an embedding control uses it
// as its child display window.
//
// Ownership: owns the display manager; destroying the host first destroys the display
// manager and with it every window of the layout, while the host still exists.
// Threading: window thread only.
// See docs/threads.md.
#include "drawing/FractionalRect.h"

#include <QWidget>

#include <memory>

class DisplayManager;

class LayoutHost : public QWidget {
    Q_OBJECT
public:
    explicit LayoutHost(QWidget* parent = nullptr);
    ~LayoutHost() override;

    // Takes `manager` (null: none), attaches it to this widget with messages as
    // `reportErrors` says and gives it `area` of the client area. Returns the manager.
    DisplayManager* setDisplayManager(std::unique_ptr<DisplayManager> manager,
        const FractionalRect& area = FractionalRect { 0, 0, 1, 1 }, int reportErrors = 0);
    // Destroys the display manager and every window of its layout.
    void destroyDisplayManager();
    DisplayManager* displayManager() const { return displayManager_.get(); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::unique_ptr<DisplayManager> displayManager_;
};
