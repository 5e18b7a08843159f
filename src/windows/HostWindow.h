#pragma once
// What the display manager needs of its host window, kept free of QtWidgets for its callers.
#include "drawing/FractionalRect.h"
#include "platform/Colour.h"

class QWidget;

// The host's client rectangle (0, 0, width, height).
PixelRect hostClientRect(const QWidget* host);
// Paints the host's background (and so the control windows' background) in `colour`
// and repaints it. False when the host is null.
bool setHostBackgroundColour(QWidget* host, ColourRef colour);
