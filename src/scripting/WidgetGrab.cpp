#include "scripting/WidgetGrab.h"

#include "platform/SafeFileReplacement.h"

#include <QBuffer>
#include <QPixmap>
#include <QWidget>

QByteArray grabPng(QWidget& window)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !window.grab().save(&buffer, "PNG"))
        return {};
    return bytes;
}

// Through the one safe file replacement, as every save: a read-only file is never
// replaced, and a failed write leaves the old picture whole.
bool grabToPng(QWidget& window, const std::string& path)
{
    const QByteArray bytes = grabPng(window);
    if (bytes.isEmpty())
        return false;
    return platform::replaceFileContents(
        path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}
