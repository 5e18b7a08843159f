#pragma once
// Test support: the Observatory held at chosen times (see HeldClock) and drawing helpers.
// Tests never wait for the clock; they pause it and set its time.
#include "observatory/Observatory.h"
#include "support/HeldClock.h"

#include <QImage>

#include <string>
#include <vector>

// Chooses a kind and holds its clock at t.
void selectAndHold(Observatory& observatory, ObservatoryKind kind, double t);
// The area drawn by the Observatory over a grey image.
QImage drawnImage(Observatory& observatory, int width, int height, std::int32_t drawRequest);
// A white image with `lines` written one a line from the top left, as the lists write them.
QImage listImage(const std::vector<std::string>& lines, int width, int height);
// Pixels that are not white.
int countNotWhite(const QImage& image);
// True when a black pixel lies within one pixel of (x, y).
bool blackNear(const QImage& image, int x, int y);
