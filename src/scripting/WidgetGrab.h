#pragma once
// Pictures of windows for screenshots.
#include <string>

class QWidget;

// Grabs `window` as it shows on screen into a PNG file at `path` (the path's bytes as
// given); false when the file cannot be written.
bool grabToPng(QWidget& window, const std::string& path);
