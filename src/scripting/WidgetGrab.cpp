#include "scripting/WidgetGrab.h"

#include "platform/RawFile.h"

#include <QFile>
#include <QPixmap>
#include <QWidget>

bool grabToPng(QWidget& window, const std::string& path)
{
    QFile file;
    return platform::openRawFile(path, QIODevice::WriteOnly, file) && window.grab().save(&file, "PNG");
}
