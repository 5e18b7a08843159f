#pragma once
// A focus ring that follows the keyboard focus through every window and dialog of the
// program: one focus frame, moved to the focused control whenever the focus moves, drawn
// by FocusRingStyle, which this installs as the application's style. A control that is a
// window of its own, or no control at all, shows no ring.
//
// Threading: window thread only.
#include <QFocusFrame>
#include <QObject>
#include <QPointer>

class QApplication;
class QWidget;

class FocusRing : public QObject {
    Q_OBJECT
public:
    // Installs the style and the ring for the life of `application`, which owns both.
    static FocusRing* install(QApplication& application);

    // The frame on the focused control, or null when there is none yet.
    QFocusFrame* frame() const { return frame_; }

private:
    explicit FocusRing(QApplication& application);
    void follow(QWidget* focused);

    QPointer<QFocusFrame> frame_; // a child of the window it shows in; goes with that window
};
