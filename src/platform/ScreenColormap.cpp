#include "platform/ScreenColormap.h"

#include <QGuiApplication>
#include <QPlatformSurfaceEvent>
#include <QWindow>

#include <xcb/xcb.h>

#include <memory>

namespace platform {

namespace {

    xcb_screen_t* screenOf(xcb_connection_t* connection, xcb_window_t window)
    {
        const std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> geometry(
            xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr), &std::free);
        if (!geometry)
            return nullptr;
        for (xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection)); it.rem;
             xcb_screen_next(&it)) {
            if (it.data->root == geometry->root)
                return it.data;
        }
        return nullptr;
    }

    void useScreenColormap(xcb_connection_t* connection, xcb_window_t window)
    {
        const std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&std::free)> attributes(
            xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, window), nullptr),
            &std::free);
        const xcb_screen_t* const screen = attributes ? screenOf(connection, window) : nullptr;
        if (!screen || attributes->visual != screen->root_visual || attributes->colormap == screen->default_colormap)
            return;
        const std::uint32_t colormap = screen->default_colormap;
        xcb_change_window_attributes(connection, window, XCB_CW_COLORMAP, &colormap);
        xcb_flush(connection);
    }

} // namespace

void ScreenColormap::install(QGuiApplication& application)
{
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        application.installEventFilter(new ScreenColormap(application));
}

ScreenColormap::ScreenColormap(QGuiApplication& application)
    : QObject(&application)
{
}

bool ScreenColormap::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::PlatformSurface)
        return false;
    const auto* const surfaceEvent = static_cast<QPlatformSurfaceEvent*>(event);
    auto* const window = qobject_cast<QWindow*>(watched);
    if (!window || surfaceEvent->surfaceEventType() != QPlatformSurfaceEvent::SurfaceCreated)
        return false;
    const auto* const x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 && x11->connection())
        useScreenColormap(x11->connection(), static_cast<xcb_window_t>(window->winId()));
    return false;
}

} // namespace platform
