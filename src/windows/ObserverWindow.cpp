#include "windows/ObserverWindow.h"

#include "imagesource/ImageSource.h"
#include "platform/HandlerScope.h"
#include "windows/RefreshTicker.h"
#include "windows/WindowRecord.h"

#include <QAccessible>
#include <QBackingStore>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>

#include <cstring>

namespace {

// The redraw timer waits this long, so that requests made together give one paint.
constexpr int kRedrawDelayMilliseconds = 1;
// How often the texts a screen reader hears are brought up to date.
constexpr int kSpokenPeriodMilliseconds = 1000;

// Key-state bits passed with mouse messages, as the window system defines them.
constexpr std::uintptr_t kLeftButtonKey = 0x0001;
constexpr std::uintptr_t kRightButtonKey = 0x0002;
constexpr std::uintptr_t kShiftKey = 0x0004;
constexpr std::uintptr_t kControlKey = 0x0008;
constexpr std::uintptr_t kMiddleButtonKey = 0x0010;

std::uintptr_t keyState(const QMouseEvent& event)
{
    std::uintptr_t state = 0;
    if (event.buttons() & Qt::LeftButton)
        state |= kLeftButtonKey;
    if (event.buttons() & Qt::RightButton)
        state |= kRightButtonKey;
    if (event.buttons() & Qt::MiddleButton)
        state |= kMiddleButtonKey;
    if (event.modifiers() & Qt::ShiftModifier)
        state |= kShiftKey;
    if (event.modifiers() & Qt::ControlModifier)
        state |= kControlKey;
    return state;
}

} // namespace

ObserverWindow::ObserverWindow(QWidget* parent, std::int32_t refreshMilliseconds)
    : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Observer Window"));
    // Every pixel comes from the back buffer: no erasing before a paint.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    redrawTimer_.setSingleShot(true);
    redrawTimer_.setInterval(kRedrawDelayMilliseconds);
    connect(&redrawTimer_, &QTimer::timeout, this, &ObserverWindow::onRedrawTimer);
    if (refreshMilliseconds > 0)
        RefreshTicker::subscribe(this, refreshMilliseconds, [this] { paintIfChanged(); });
    spokenTimer_.setInterval(kSpokenPeriodMilliseconds);
    // Without a screen reader listening nothing asks for the texts: the tick does no work.
    connect(&spokenTimer_, &QTimer::timeout, this, [this] {
        if (QAccessible::isActive())
            updateSpokenTexts();
    });
    spokenTimer_.start();
}

void ObserverWindow::attachRecord(WindowRecord* record)
{
    record_ = record;
    updateSpokenTexts();
}

// A screen reader hears what the window shows, and where things are, at most once a second.
void ObserverWindow::updateSpokenTexts()
{
    if (!record_)
        return;
    const WindowRecord::SpokenTexts texts = record_->spokenTexts();
    const QString name = QString::fromStdString(texts.name);
    const QString description = QString::fromStdString(texts.description);
    if (name != accessibleName())
        setAccessibleName(name);
    if (description != accessibleDescription())
        setAccessibleDescription(description);
}

ObserverWindow::~ObserverWindow() { RefreshTicker::unsubscribe(this); }

bool ObserverWindow::hasRefreshTimer() const { return RefreshTicker::isSubscribed(this); }

void ObserverWindow::restartRedrawTimer()
{
    redrawTimer_.stop();
    redrawTimer_.start();
}

void ObserverWindow::onRedrawTimer()
{
    redrawTimer_.stop();
    paintIfChanged();
}

void ObserverWindow::paintIfChanged()
{
    WindowRecord* const own = record();
    if (!own || !own->imageSource)
        return;
    if (own->imageSource->GetGeneration() == own->lastDrawn)
        return;
    QRegion changed;
    if (own->renderBackBuffer(&changed)) {
        renderedSinceLastCopy_ = true;
        update(changed);
    }
}

// A paint into the backing store shows the back buffer. A paint elsewhere (the window
// grabbed into a picture) draws the frame afresh, so that a grab shows what the frame
// must be, not what the buffer holds; into a drawing of figures, as figures.
void ObserverWindow::paintEvent(QPaintEvent* event)
{
    WindowRecord* const own = record();
    if (!own)
        return;
    QPainter painter(this);
    if (drawsFigures(painter)) {
        if (!own->drawFigures(painter))
            painter.fillRect(rect(), Qt::white); // the class background, as on the screen
        return;
    }
    if (!paintsIntoBackingStore(painter)) {
        const QImage fresh = own->freshFrame();
        if (fresh.isNull())
            painter.fillRect(rect(), Qt::white); // the class background, as on the screen
        else
            copyToScreen(painter, fresh, event->region());
        return;
    }
    {
        platform::CriticalSectionGuard guard(own->recordLock());
        if (own->hasBuffer) {
            // Until the first render into a new buffer the window shows its class background
            // (white), as the window system's own paint would, never the unrendered buffer.
            if (!own->bufferDrawn)
                painter.fillRect(rect(), Qt::white);
            else if (!copyIntoBackingStore(painter, own->backBuffer, event->region()))
                copyToScreen(painter, own->backBuffer, event->region());
        }
    }
    if (!renderedSinceLastCopy_)
        own->requestRedraw();
    renderedSinceLastCopy_ = false;
}

// Rectangle by rectangle, each clipped to itself: a copy under one simple clip is a plain
// row copy, where the whole picture under the region's many rectangles would be blended
// span by span.
void ObserverWindow::copyToScreen(QPainter& painter, const QImage& buffer, const QRegion& region)
{
    const qreal ratio = buffer.devicePixelRatio();
    for (const QRect& area : region) {
        painter.setClipRect(area);
        const QRectF pixels(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio);
        painter.drawImage(QRectF(area), buffer, pixels);
    }
}

// The window's picture in the top-level window's backing store, where the painter would
// draw it: plain rows copied straight in when both are 32-bit pixels at their own size
// (an opaque 32-bit pixel is the same word premultiplied or not).
// The paint event's region is what the painter is clipped to (it leaves out what
// overlapping windows cover), so the copy touches nothing else. A painter drawing
// elsewhere (the window grabbed into a picture) is left to draw.
bool ObserverWindow::copyIntoBackingStore(QPainter& painter, const QImage& buffer, const QRegion& region)
{
    QImage* const image = plainBackingStoreImage(painter);
    if (!image || buffer.format() != QImage::Format_RGB32 || buffer.devicePixelRatio() != 1.0)
        return false;
    const QPoint offset = mapTo(window(), QPoint(0, 0));
    const QRect bufferArea = buffer.rect();
    const QRect imageArea = image->rect().translated(-offset);
    uchar* const imageBits = image->bits();
    for (const QRect& area : region) {
        const QRect copied = area & bufferArea & imageArea;
        if (copied.isEmpty())
            continue;
        const auto rowBytes = static_cast<std::size_t>(copied.width()) * 4;
        for (int y = copied.top(); y <= copied.bottom(); ++y)
            std::memcpy(imageBits + (y + offset.y()) * image->bytesPerLine() + (copied.left() + offset.x()) * 4,
                buffer.constScanLine(y) + copied.left() * 4, rowBytes);
    }
    return true;
}

// The backing store's pixels when the painter draws into them and they are 32-bit pixels
// at their own size; else null.
QImage* ObserverWindow::plainBackingStoreImage(const QPainter& painter) const
{
    if (!paintsIntoBackingStore(painter))
        return nullptr;
    auto* const image = dynamic_cast<QImage*>(backingStore()->paintDevice());
    const bool plain = image
        && (image->format() == QImage::Format_RGB32 || image->format() == QImage::Format_ARGB32_Premultiplied)
        && image->devicePixelRatio() == 1.0;
    return plain ? image : nullptr;
}

bool ObserverWindow::drawsFigures(const QPainter& painter)
{
    const QPaintEngine* const engine = painter.paintEngine();
    if (!engine)
        return false;
    const QPaintEngine::Type type = engine->type();
    return type == QPaintEngine::SVG || type == QPaintEngine::Pdf || type == QPaintEngine::Picture;
}

bool ObserverWindow::paintsIntoBackingStore(const QPainter& painter) const
{
    QBackingStore* const store = backingStore();
    return store && painter.paintEngine() && painter.paintEngine()->paintDevice() == store->paintDevice();
}

void ObserverWindow::mousePressEvent(QMouseEvent* event)
{
    std::uint32_t message = 0;
    if (event->button() == Qt::LeftButton)
        message = kLeftButtonDown;
    else if (event->button() == Qt::RightButton)
        message = kRightButtonDown;
    else
        return QWidget::mousePressEvent(event);
    WindowRecord* const own = record();
    if (!own || !own->imageSource)
        return;
    const QPoint position = event->position().toPoint();
    platform::HandlerScope handler; // the window and its source outlive the click's handling
    own->imageSource->OnMouse(
        this, message, packCursorPosition(position.x(), position.y()), keyState(*event), own->drawFlags);
}
