#pragma once
// An animated GIF made frame by frame in memory with giflib, for presentation programs
// and browsers: it loops for ever, and each frame is compressed as it comes, so that no
// frame is kept but the last. A frame is written as the rectangle where it differs from
// the one before (the rest stays on show), with a colour table of its own (FramePalette):
// the first frame's table is the file's global one.
#include <QImage>
#include <QSize>

#include <optional>
#include <string>

struct GifFileType;

class GifAnimationWriter {
public:
    // Frames of `size` pixels.
    explicit GifAnimationWriter(const QSize& size);
    ~GifAnimationWriter();
    GifAnimationWriter(const GifAnimationWriter&) = delete;
    GifAnimationWriter& operator=(const GifAnimationWriter&) = delete;

    // Adds `frame` (a frame of another size is scaled to the animation's), shown for
    // `centiseconds` hundredths of a second. False when giflib failed: the animation is lost.
    bool addFrame(const QImage& frame, int centiseconds);
    int frameCount() const { return frames_; }
    // Ends the animation and gives the file's bytes; nothing when a frame failed or there
    // are none. No frame may be added afterwards.
    std::optional<std::string> finish();

private:
    bool start();
    bool writeFrame(const QImage& frame, const QRect& part, int centiseconds, bool firstFrame);
    bool writeDelay(int centiseconds);
    bool writeLoop();
    // The smallest rectangle that holds every pixel where `frame` differs from previous_;
    // a single pixel when none does (a frame that changes nothing still takes its time).
    QRect changedPart(const QImage& frame) const;
    bool close();
    static int appendBytes(GifFileType* file, const unsigned char* bytes, int length);

    QSize size_;
    GifFileType* file_ = nullptr;
    std::string bytes_;
    QImage previous_;
    int frames_ = 0;
    bool failed_ = false;
};
