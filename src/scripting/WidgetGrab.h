#pragma once
// Pictures of windows for screenshots.
#include <QByteArray>

#include <string>

class QWidget;

// Grabs `window` as it shows on screen: the bytes of a PNG file, empty when it cannot be made.
QByteArray grabPng(QWidget& window);

// Grabs `window` as it shows on screen into a PNG file at `path` (the path's bytes as
// given); false when the file cannot be written.
bool grabToPng(QWidget& window, const std::string& path);
