#include "host/LayoutHost.h"

#include "display/DisplayManager.h"

#include <QResizeEvent>

LayoutHost::LayoutHost(QWidget* parent)
    : QWidget(parent)
{
}

LayoutHost::~LayoutHost() { destroyDisplayManager(); }

DisplayManager* LayoutHost::setDisplayManager(
    std::unique_ptr<DisplayManager> manager, const FractionalRect& area, int reportErrors)
{
    destroyDisplayManager();
    displayManager_ = std::move(manager);
    if (displayManager_) {
        displayManager_->attachWindow(this, reportErrors);
        displayManager_->setScreenRect(area.left, area.top, area.right, area.bottom);
    }
    return displayManager_.get();
}

void LayoutHost::destroyDisplayManager() { displayManager_.reset(); }

void LayoutHost::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (displayManager_)
        displayManager_->onSize();
}
