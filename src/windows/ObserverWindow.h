#pragma once
// A child window that shows one image source. It paints only on its own timers:
// the refresh timer (the layout's period; windows of one period share one timer, see
// RefreshTicker.h) paints when the source's generation has moved since the last paint,
// and the 1 ms single-shot redraw timer coalesces any number of redraw requests into
// one paint. A paint renders background and source into the record's back buffer,
// then one copy of the buffer reaches the screen.
// Mouse presses go to the image source. Used only on the window thread.
// See docs/threads.md.
#include <QTimer>

class QPainter;
#include <QWidget>

#include <cstdint>

class WindowRecord;

class ObserverWindow : public QWidget {
    Q_OBJECT
public:
    // `refreshMilliseconds` of 0 or less: no refresh timer.
    ObserverWindow(QWidget* parent, std::int32_t refreshMilliseconds);
    ~ObserverWindow() override;

    // Stops a pending redraw and starts the 1 ms single-shot again.
    void restartRedrawTimer();
    bool isRedrawPending() const { return redrawTimer_.isActive(); }
    // True from a render into the back buffer until the paint that copies it to the screen.
    bool hasUncopiedFrame() const { return renderedSinceLastCopy_; }
    // The record that describes this window, set by the record while both live.
    void attachRecord(WindowRecord* record);
    // Names the window after what it shows and describes where things are (see
    // ImageSource::AccessibleName); a timer does it once a second while a screen reader
    // listens, and the record's attachment once.
    void updateSpokenTexts();
    bool hasRefreshTimer() const;

protected:
    // Copies the back buffer to the screen. A paint request from the window system
    // (not one that follows a render of ours) also counts as a redraw request.
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void onRedrawTimer();
    // Renders when the source's generation differs from the one drawn last.
    void paintIfChanged();
    WindowRecord* record() const { return record_; }
    static void copyToScreen(QPainter& painter, const QImage& buffer, const QRegion& region);
    // Copies without a painter when the backing store allows it; false leaves it to copyToScreen.
    bool copyIntoBackingStore(QPainter& painter, const QImage& buffer, const QRegion& region);
    QImage* plainBackingStoreImage(const QPainter& painter) const;
    // Whether the painter draws into the window's backing store (not a grab's picture).
    bool paintsIntoBackingStore(const QPainter& painter) const;
    // Whether the painter draws figures rather than pixels (an SVG drawing, a PDF, a QPicture).
    static bool drawsFigures(const QPainter& painter);

    QTimer redrawTimer_;
    QTimer spokenTimer_;
    bool renderedSinceLastCopy_ = false;
    WindowRecord* record_ = nullptr;
};
