#pragma once
// Layout > Export Picture and the export-png and export-svg steps: a picture of a window of
// the layout, or of the whole layout, written through the one safe file replacement.
// PNG holds the pixels as a screenshot grabs them. SVG (Qt's SVG generator) holds the
// observer windows' lines, circles, arcs, rectangles and text as figures, cut to each
// window (raster::DeviceContext hands them over); their bitmaps (backgrounds, sprites)
// and what Qt's style paints as pixmaps for the buttons are embedded as PNG pictures.
// Threading: window thread only.
#include <QCoreApplication>
#include <QString>

#include <optional>
#include <string>

class QWidget;

class PictureExport {
    Q_DECLARE_TR_FUNCTIONS(PictureExport)
public:
    enum class Format { Png, Svg };

    // The format that a path's extension names (.png or .svg, in any case); nothing for another.
    static std::optional<Format> formatOf(const QString& path);
    // Writes `window` to `path` (its bytes as given), the drawing titled `title`; false with
    // `problem` set when the picture cannot be made or the file cannot be written (an
    // existing file is then left as it was).
    static bool write(QWidget& window, Format format, const std::string& path, const QString& title, QString& problem);

private:
    static QByteArray svgOf(QWidget& window, const QString& title);
};
