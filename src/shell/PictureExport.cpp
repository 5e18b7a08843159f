#include "shell/PictureExport.h"

#include "platform/SafeFileReplacement.h"
#include "scripting/WidgetGrab.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>
#include <QWidget>

#include <string_view>
#include <system_error>

std::optional<PictureExport::Format> PictureExport::formatOf(const QString& path)
{
    if (path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        return Format::Png;
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
        return Format::Svg;
    return std::nullopt;
}

bool PictureExport::write(
    QWidget& window, Format format, const std::string& path, const QString& title, QString& problem)
{
    const QByteArray bytes = format == Format::Png ? grabPng(window) : svgOf(window, title);
    const QString shownPath = QString::fromStdString(path);
    if (bytes.isEmpty()) {
        problem = tr("Could not draw the picture for %1.").arg(shownPath);
        return false;
    }
    std::error_code error;
    if (!platform::replaceFileContents(
            path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), error)) {
        problem = tr("Could not write the picture %1: %2").arg(shownPath, QString::fromStdString(error.message()));
        return false;
    }
    return true;
}

// The window and its children painted through the generator's painter: observer windows
// hand over their figures (ObserverWindow::paintEvent), the rest paints as on the screen.
QByteArray PictureExport::svgOf(QWidget& window, const QString& title)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return {};
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(window.size());
    generator.setViewBox(QRect(QPoint(0, 0), window.size()));
    generator.setResolution(window.logicalDpiX());
    generator.setTitle(title);
    generator.setDescription(tr("Drawn by the Skyloom Simulator"));
    QPainter painter;
    if (!painter.begin(&generator))
        return {};
    // One ground under everything: the window's background comes in pieces around its
    // children, whose shared edges an antialiasing viewer would show as seams.
    painter.fillRect(window.rect(), window.palette().window());
    window.render(&painter);
    painter.end();
    return bytes;
}
