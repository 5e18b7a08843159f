#include "scripting/FocusRing.h"

#include "scripting/FocusRingStyle.h"

#include <QApplication>
#include <QFocusFrame>

FocusRing* FocusRing::install(QApplication& application)
{
    QApplication::setStyle(new FocusRingStyle);
    return new FocusRing(application);
}

FocusRing::FocusRing(QApplication& application)
    : QObject(&application)
{
    connect(&application, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
    follow(QApplication::focusWidget());
}

void FocusRing::follow(QWidget* focused)
{
    if (!focused) {
        if (frame_)
            frame_->setWidget(nullptr);
        return;
    }
    // Each window has a frame of its own: one frame moved from window to window would be
    // taken out of one and put into another while that shows, and a window taken unawares so
    // may never show what it paints. The frame goes with its window.
    if (frame_ && frame_->window() != focused->window()) {
        frame_->setWidget(nullptr);
        frame_->deleteLater();
        frame_ = nullptr;
    }
    if (!frame_)
        frame_ = new QFocusFrame(focused->window());
    frame_->setWidget(focused);
}
