#include "windows/ObserverWindow.h"

#include "platform/HandlerScope.h"
#include "imagesource/ImageSource.h"
#include "windows/WindowRecord.h"
#include "windows/WindowRegistry.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

// The redraw timer waits this long, so that requests made together give one paint.
constexpr int kRedrawDelayMilliseconds = 1;

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
    connect(&refreshTimer_, &QTimer::timeout, this, &ObserverWindow::paintIfChanged);
    if (refreshMilliseconds > 0)
        refreshTimer_.start(refreshMilliseconds);
}

void ObserverWindow::restartRedrawTimer()
{
    redrawTimer_.stop();
    redrawTimer_.start();
}

WindowRecord* ObserverWindow::record() const { return WindowRegistry::instance().findRecord(this); }

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

void ObserverWindow::paintEvent(QPaintEvent* event)
{
    WindowRecord* const own = record();
    if (!own)
        return;
    {
        platform::CriticalSectionGuard guard(own->recordLock());
        if (own->hasBuffer) {
            QPainter painter(this);
            // Until the first render into a new buffer the window shows its class background
            // (white), as the window system's own paint would, never the unrendered buffer.
            if (own->bufferDrawn)
                copyToScreen(painter, own->backBuffer, event->region());
            else
                painter.fillRect(rect(), Qt::white);
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
