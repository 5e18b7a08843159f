#pragma once
// Test support: an Observatory whose clock the tests hold still at chosen times, and
// drawing helpers. Tests never wait for the clock; they pause it and set its time.
#include "observatory/Observatory.h"

#include <QImage>

#include <string>
#include <vector>

class HeldObservatory : public Observatory {
public:
    using Observatory::clock;

    // Pauses the clock and sets its time (years since the period's start).
    void holdAt(double t)
    {
        Lock();
        clock().Lock();
        clock().setPaused(true);
        clock().setTime(t);
        clock().Unlock();
        Unlock();
    }
    // Chooses a kind and holds its clock at t.
    void selectAndHold(ObservatoryKind kind, double t)
    {
        SelectKind(kind);
        holdAt(t);
    }
    // Sets the time and lets the clock run on from there.
    void runFrom(double t)
    {
        holdAt(t);
        clock().Lock();
        clock().setPaused(false);
        clock().Unlock();
    }
    double heldTime()
    {
        clock().Lock();
        const double t = clock().time();
        clock().Unlock();
        return t;
    }
    bool clockPaused()
    {
        clock().Lock();
        const bool paused = clock().paused();
        clock().Unlock();
        return paused;
    }
};

// The area drawn by the Observatory over a grey image.
QImage drawnImage(Observatory& observatory, int width, int height, std::int32_t drawRequest);
// A white image with `lines` written one a line from the top left, as the lists write them.
QImage listImage(const std::vector<std::string>& lines, int width, int height);
// Pixels that are not white.
int countNotWhite(const QImage& image);
// True when a black pixel lies within one pixel of (x, y).
bool blackNear(const QImage& image, int x, int y);
