#include "windows/WindowRecord.h"

#include "imagesource/ImageSource.h"
#include "raster/DeviceContext.h"
#include "raster/FrameImage.h"
#include "windows/HostWindow.h"
#include "windows/ObserverWindow.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

constexpr ColourRef kWhite = makeColour(255, 255, 255);
constexpr ColourRef kBlack = makeColour(0, 0, 0);

// The absolute value as the 32-bit machine gives it: the lowest value stays itself
// instead of overflowing.
std::int32_t absoluteGeneration(std::int32_t generation)
{
    if (generation >= 0)
        return generation;
    return static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(generation));
}

} // namespace

WindowRecord::WindowRecord(std::unique_ptr<QWidget> window, QWidget* parent, const WindowSpec& spec)
    : kind(spec.kind)
    , refresh(spec.refresh)
    , screenRect(spec.screenRect)
    , imageSource(spec.imageSource)
    , background(spec.background)
    , backgroundXAlign(spec.background.xAlign)
    , backgroundYAlign(spec.background.yAlign)
    , window_(std::move(window))
    , windowGuard_(window_.get())
    , parent_(parent)
{
    drawFlags = spec.drawFlags;
    if (auto* const observer = dynamic_cast<ObserverWindow*>(window_.get()))
        observer->attachRecord(this);
    font_ = raster::DeviceContext::defaultFont(raster::Rendering::Smooth);
    if (!background.src.empty())
        backgroundBitmap.loadFromFile(background.src.c_str(), 0);
}

WindowRecord::~WindowRecord()
{
    {
        platform::CriticalSectionGuard guard(recordLock());
        backBuffer = QImage();
        hasBuffer = false;
    }
    if (auto* const observer = dynamic_cast<ObserverWindow*>(windowGuard_.data()))
        observer->attachRecord(nullptr);
    // A window destroyed with its parent is gone already; the record must not delete it again.
    if (!windowGuard_)
        static_cast<void>(window_.release());
    window_.reset();
}

QWidget* WindowRecord::window() const { return windowGuard_.data(); }

QWidget* WindowRecord::parent() const { return parent_.data(); }

void WindowRecord::layoutPass()
{
    QWidget* const own = window();
    if (!own)
        return;
    platform::CriticalSectionGuard guard(recordLock());
    backBuffer = QImage();
    hasBuffer = false;
    frame_.reset();
    pixelRect = fractionToPixels(screenRect, hostClientRect(parent()));
    own->setGeometry(pixelRect.left, pixelRect.top, std::max(pixelRect.width(), 0), std::max(pixelRect.height(), 0));
    if (!isObserver())
        return;
    // A zero-sized window still gets a 1 x 1 buffer so that a context can be opened on it;
    // the source is told the real (zero) size and draws nothing.
    // On a scaled screen the buffer has the screen's pixels, so drawing stays sharp; the
    // source still draws in the window's (logical) pixels.
    const qreal ratio = own->devicePixelRatioF();
    backBuffer = raster::makeFrameImage(static_cast<int>(std::ceil(std::max(pixelRect.width(), 1) * ratio)),
        static_cast<int>(std::ceil(std::max(pixelRect.height(), 1) * ratio)));
    backBuffer.setDevicePixelRatio(ratio);
    // A new buffer starts black, as a freshly made compatible bitmap does; parts that a
    // placed background does not cover keep what the buffer held before.
    backBuffer.fill(raster::toQColor(kBlack));
    hasBuffer = true;
    bufferDrawn = false;
    requestRedraw();
}

void WindowRecord::requestRedraw()
{
    if (!isObserver())
        return;
    lastDrawn = kPaintWanted;
    if (auto* observer = qobject_cast<ObserverWindow*>(window()))
        observer->restartRedrawTimer();
}

WindowRecord::SpokenTexts WindowRecord::spokenTexts()
{
    platform::CriticalSectionGuard guard(recordLock());
    if (!imageSource)
        return {};
    return { imageSource->AccessibleName(drawFlags), imageSource->AccessibleDescription(drawFlags) };
}

bool WindowRecord::renderBackBuffer(QRegion* changed)
{
    platform::CriticalSectionGuard guard(recordLock());
    if (!hasBuffer || !imageSource)
        return false;
    const std::int32_t width = std::max(pixelRect.width(), 0);
    const std::int32_t height = std::max(pixelRect.height(), 0);
    // Read before drawing: a tick that lands while the source draws (it holds its clock's
    // lock only to read the time) differs from it, so the next refresh shows that tick.
    const std::int32_t generation = imageSource->GetGeneration();
    QRegion region;
    if (keepsStillPicture()) {
        const auto background
            = [this](raster::DeviceContext& context, int w, int h) { paintBackground(context, w, h); };
        region = frame_.render(backBuffer, width, height, *imageSource, drawFlags, background, font_);
    } else {
        region = renderWholeFrame(width, height);
    }
    if (changed)
        *changed = region;
    lastDrawn = absoluteGeneration(generation);
    bufferDrawn = true;
    return true;
}

bool WindowRecord::keepsStillPicture() const
{
    return backBuffer.devicePixelRatio() == 1.0 && backgroundCoversWindow();
}

bool WindowRecord::backgroundCoversWindow() const
{
    if (backgroundBitmap.isValid() != S_OK)
        return true;
    const bool coversAcross = backgroundXAlign == XAlignStretch || backgroundXAlign == XAlignTile;
    const bool coversDown = backgroundYAlign == YAlignStretch || backgroundYAlign == YAlignTile;
    return coversAcross && coversDown;
}

QRegion WindowRecord::renderWholeFrame(std::int32_t width, std::int32_t height)
{
    frame_.reset();
    drawWholeFrame(backBuffer, width, height);
    return QRegion(0, 0, width, height);
}

void WindowRecord::drawWholeFrame(QImage& target, std::int32_t width, std::int32_t height)
{
    raster::DeviceContext context(target, raster::Rendering::Smooth, &font_);
    paintBackground(context, width, height);
    imageSource->Draw(context, width, height, drawFlags);
}

QImage WindowRecord::freshFrame()
{
    platform::CriticalSectionGuard guard(recordLock());
    if (!hasBuffer || !bufferDrawn)
        return QImage();
    if (!imageSource || !keepsStillPicture())
        return backBuffer;
    QImage fresh(backBuffer.size(), QImage::Format_RGB32);
    fresh.setDevicePixelRatio(backBuffer.devicePixelRatio());
    fresh.fill(raster::toQColor(kBlack));
    drawWholeFrame(fresh, std::max(pixelRect.width(), 0), std::max(pixelRect.height(), 0));
    return fresh;
}

bool WindowRecord::drawFigures(QPainter& painter)
{
    platform::CriticalSectionGuard guard(recordLock());
    if (!hasBuffer || !bufferDrawn)
        return false;
    const std::int32_t width = std::max(pixelRect.width(), 0);
    const std::int32_t height = std::max(pixelRect.height(), 0);
    if (!imageSource || !backgroundCoversWindow())
        painter.drawImage(QRectF(0, 0, width, height), backBuffer);
    if (!imageSource)
        return true;
    raster::DeviceContext context(painter, width, height, &font_);
    paintBackground(context, width, height);
    imageSource->Draw(context, width, height, drawFlags);
    return true;
}

void WindowRecord::paintBackground(raster::DeviceContext& context, std::int32_t width, std::int32_t height) const
{
    if (backgroundBitmap.isValid() == S_OK)
        backgroundBitmap.drawAligned(context, width, height, 0, 0, backgroundXAlign, backgroundYAlign);
    else if (width > 0 && height > 0)
        context.fillRect(0, 0, width, height, kWhite);
}
