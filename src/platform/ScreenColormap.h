#pragma once
// Gives every window of the program the X screen's own colormap where it uses the screen's
// own visual. Qt makes a colormap of its own for each window; a screen capture that reads
// the whole screen (xwd, and the tools built like it) then takes the windows one colormap at
// a time and shows a dialog over the main window as a black box, although the X server holds
// the right pixels. With the screen's colormap every capture reads what the server shows.
// Elsewhere than on X it does nothing.
//
// Threading: window thread only.
#include <QObject>

class QGuiApplication;

namespace platform {

class ScreenColormap : public QObject {
    Q_OBJECT
public:
    // Watches every window that `application` makes from now on, for its life.
    static void install(QGuiApplication& application);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit ScreenColormap(QGuiApplication& application);
};

} // namespace platform
