#pragma once
// Records a window of the layout (or the whole layout) as an animated GIF while it runs,
// for Layout > Record Animation, the record step and --record. A timer takes a frame at
// the window's refresh period, no more often than 25 times a second, grabbing it as a
// screenshot does; each frame goes into the GIF at once (GifAnimationWriter), so the
// window thread is held for one frame's grab and compression at a time, never for the
// whole recording. A frame is shown for the time that passed until the next was taken,
// so the animation runs at the speed the window did. The finished file replaces the
// target in one step (the one safe file replacement); a cancelled or failed recording
// writes nothing.
// Threading: window thread only.
#include <QElapsedTimer>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <memory>
#include <string>

class GifAnimationWriter;
class QWidget;

class AnimationRecorder : public QObject {
    Q_OBJECT
public:
    static constexpr int kShortestFrameMilliseconds = 40; // 25 frames a second
    static constexpr int kStillFrameMilliseconds = 100; // for a window without a refresh period

    // Records `window` for `seconds` to `path` (its bytes as given), a frame every
    // `refreshMilliseconds` (0: the window has no refresh period), rounded up to whole
    // hundredths of a second, the unit of a GIF's delays.
    AnimationRecorder(
        QWidget& window, double seconds, int refreshMilliseconds, std::string path, QObject* parent = nullptr);
    ~AnimationRecorder() override;

    // Whether a file can be made at `path` (its folder exists); false with `problem` set.
    static bool canWriteTo(const std::string& path, QString& problem);

    void start();
    // Stops at once and writes nothing; finished(false, "") follows.
    void cancel();
    int frameCount() const { return frameCount_; }
    int framesTaken() const { return taken_; }
    bool isRunning() const { return timer_.isActive(); }

signals:
    void progressed(int framesTaken);
    // The recording ended: the file written, or not and why (nothing said when cancelled).
    void finished(bool written, const QString& problem);

private:
    void takeFrame();
    // Adds the frame taken last, shown until `until` (milliseconds since the start).
    bool addPendingFrame(qint64 until);
    void writeFile();
    void end(bool written, const QString& problem);
    QString notMade() const;

    QPointer<QWidget> window_;
    std::string path_;
    int interval_ = kShortestFrameMilliseconds;
    int frameCount_ = 1;
    int taken_ = 0;
    QTimer timer_;
    QElapsedTimer clock_;
    std::unique_ptr<GifAnimationWriter> writer_;
    QImage pending_; // the last frame taken: its time is known once the next is taken
    qint64 pendingAt_ = 0;
    bool ended_ = false;
};
