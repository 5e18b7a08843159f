#pragma once
// The run-time state of one observer or control window, made from its WindowSpec.
//
// Ownership: the window registry owns the record; the record owns its window
// (destroying the record destroys the window at once, with its timers and buttons,
// so that nothing can reach the image source afterwards). The image source is not owned.
//
// Threading: used only on the window thread. The record's lock guards the back
// buffer and the pixel rectangle; it is taken after the registry's lock and before
// the image source's lock (paint holds it while the source draws).
// See docs/threads.md.
#include "drawing/BackgroundSpec.h"
#include "drawing/Bitmap.h"
#include "drawing/FractionalRect.h"
#include "imagesource/WindowDrawSettings.h"
#include "imagesource/WindowSpec.h"
#include "platform/Result.h"
#include "windows/LayeredFrame.h"

#include <QFont>
#include <QImage>
#include <QPointer>
#include <QRegion>

#include <cstdint>
#include <memory>

class ImageSource;
class QPainter;
class QWidget;

// Last drawn value that asks for a paint at the next chance.
constexpr std::int32_t kPaintWanted = -1001;

class WindowRecord : public WindowDrawSettings {
public:
    // Copies the WindowSpec's fields and loads the background bitmap (messages off). `window`
    // is the new window, a child of `parent`; the record takes it over.
    WindowRecord(std::unique_ptr<QWidget> window, QWidget* parent, const WindowSpec& spec);
    ~WindowRecord() override;
    WindowRecord(const WindowRecord&) = delete;
    WindowRecord& operator=(const WindowRecord&) = delete;

    // The window, or null once it is gone (destroyed with its parent).
    QWidget* window() const;
    QWidget* parent() const;

    // Recomputes the pixel rectangle from the parent's client area, moves the window
    // there and, for an observer window, renews the back buffer and asks for a paint.
    void layoutPass();
    // Observer windows: last drawn becomes kPaintWanted and the 1 ms redraw timer is
    // restarted, so that any number of requests give one paint. Control windows: nothing.
    void requestRedraw();
    // What the window shows, for screen readers: the source's name and description of it
    // at the window's draw request. Empty without a source.
    struct SpokenTexts {
        std::string name;
        std::string description;
    };
    SpokenTexts spokenTexts();
    // Observer windows: renders background and image source into the back buffer (under
    // the record's lock) and sets last drawn to the absolute generation. False without a buffer.
    // `changed`, when given, receives the part of the window that the frame changed.
    bool renderBackBuffer(QRegion* changed = nullptr);

    // Observer windows: the frame drawn whole, afresh, from the background and the source
    // (what the back buffer must equal); the back buffer itself where frames keep what lies
    // outside a background that does not cover the window; null before the first render.
    QImage freshFrame();
    // Observer windows: the frame drawn afresh as figures, through `painter` (a vector
    // device's; see raster::DeviceContext), cut to the window; where frames keep what lies
    // outside a background that does not cover the window, the back buffer lies under them
    // as a picture. False (nothing drawn) before the first render.
    bool drawFigures(QPainter& painter);

    bool isObserver() const { return kind == kObserverWindowKind; }

    std::int32_t lastDrawn = kPaintWanted;
    // Copied from the WindowSpec at creation.
    std::int32_t kind = kObserverWindowKind;
    // drawFlags (the window's draw request) and the record's lock come from WindowDrawSettings.
    std::int32_t refresh = 0; // refresh period in ms; 0 or less: none
    FractionalRect screenRect; // fractions of the parent's client area
    ImageSource* imageSource = nullptr;
    BackgroundSpec background;
    Bitmap backgroundBitmap; // loaded from background.src at creation; invalid when none
    std::int32_t backgroundXAlign = XAlignLeft;
    std::int32_t backgroundYAlign = YAlignTop;

    // Guarded by the record's lock.
    PixelRect pixelRect; // in the parent's client coordinates
    QImage backBuffer; // Format_RGB32, at least as large as the window (at least 1 x 1)
    bool hasBuffer = false;
    bool bufferDrawn = false; // the buffer holds a rendered picture (false from each layout pass to the next render)

private:
    void paintBackground(raster::DeviceContext& context, std::int32_t width, std::int32_t height) const;
    // Frames keep their still picture when the background covers the whole window at the
    // buffer's own scale; else every frame is drawn whole.
    bool keepsStillPicture() const;
    // No background bitmap, or one stretched or tiled both ways.
    bool backgroundCoversWindow() const;
    QRegion renderWholeFrame(std::int32_t width, std::int32_t height);
    // Background and source's whole drawing into `target`; the caller holds the record's lock.
    void drawWholeFrame(QImage& target, std::int32_t width, std::int32_t height);

    LayeredFrame frame_; // guarded by the record's lock
    QFont font_; // the font every frame writes with

    std::unique_ptr<QWidget> window_;
    QPointer<QWidget> windowGuard_; // becomes null when the window is destroyed by its parent
    QPointer<QWidget> parent_;
};
