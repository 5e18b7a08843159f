#include "control/GazerixCtrl.h"

#include "control/ControlProcessState.h"
#include "control/GazerixPropPage.h"
#include "display/DisplayManager.h"
#include "host/EngineStartup.h"
#include "host/LayoutHost.h"
#include "platform/Message.h"
#include "platform/Release.h"
#include "platform/ResourceLibrary.h"
#include "windows/WindowRegistry.h"

#include <QContextMenuEvent>
#include <QEvent>
#include <QMenu>
#include <QResizeEvent>

namespace {

int controlsAlive = 0;

// The display window starts at a fifth of the control's size, rounded toward zero.
constexpr int kInitialDisplayDivisor = 5;

} // namespace

GazerixCtrl::GazerixCtrl(QWidget* parent)
    : QWidget(parent)
{
    ++controlsAlive;
}

GazerixCtrl::~GazerixCtrl()
{
    --controlsAlive;
    ControlProcessState::forget(this, manager_);
    if (displayWindow_)
        displayWindow_->destroyDisplayManager();
    // The registry serves every control of the process: it shuts down with the last one.
    if (state_ == State::Created && controlsAlive == 0)
        WindowRegistry::instance().shutdown();
    // The display window goes with this widget; it ends nobody's event loop.
}

int GazerixCtrl::liveCount() { return controlsAlive; }

QWidget* GazerixCtrl::displayWindow() const { return displayWindow_.data(); }

bool GazerixCtrl::event(QEvent* event)
{
    // Polishing comes once, before the first show and before the size the container gave
    // the control is delivered: the moment a native control's window is created.
    if (event->type() == QEvent::Polish && state_ == State::NotCreated) {
        state_ = createControlWindow() ? State::Created : State::Failed;
        emit creationFinished(state_ == State::Created);
    }
    return QWidget::event(event);
}

bool GazerixCtrl::createControlWindow()
{
    ControlProcessState::setCurrentControl(this);
    platform::setRelease(platform::Release::Earlier);
    unattachedManager_ = std::make_unique<DisplayManager>();
    manager_ = unattachedManager_.get();
    ControlProcessState::setDisplayManager(manager_);
    if (!EngineStartup::start()) {
        platform::showMessage("Couldn't load " + platform::ResourceLibrary::fileName()
                + ".  Did you install Astreon?\r\n" + platform::ResourceLibrary::lastLoadError(),
            kDisplayWindowTitle, platform::MessageIcon::Error);
        ControlProcessState::forget(nullptr, manager_);
        manager_ = nullptr;
        unattachedManager_.reset();
        return false;
    }
    createDisplayWindow();
    return true;
}

void GazerixCtrl::createDisplayWindow()
{
    auto* const window = new LayoutHost(this);
    window->setObjectName(QString::fromLatin1(kDisplayWindowTitle));
    window->setWindowTitle(QString::fromLatin1(kDisplayWindowTitle));
    window->setAutoFillBackground(true);
    window->setPalette(QPalette(Qt::white));
    window->setGeometry(0, 0, width() / kInitialDisplayDivisor, height() / kInitialDisplayDivisor);
    displayWindow_ = window;
    attachDisplayWindow();
    window->show();
}

void GazerixCtrl::attachDisplayWindow()
{
    GazerixCtrl* const current = ControlProcessState::currentControl();
    platform::CriticalSectionGuard guard(current ? current->lock_ : lock_);
    displayWindow_->setDisplayManager(std::move(unattachedManager_), FractionalRect { 0, 0, 1, 1 }, 0);
    const std::string pending = ControlProcessState::pendingPath();
    if (!pending.empty())
        manager_->load(pending.c_str(), 0);
}

void GazerixCtrl::LoadPage(const QString& pathToLoad)
{
    DisplayManager* manager = nullptr;
    const std::string path = pathToLoad.toStdString();
    {
        platform::CriticalSectionGuard guard(lock_);
        manager = ControlProcessState::displayManager();
        if (!manager && !pathToLoad.isNull())
            ControlProcessState::setPendingPath(path);
    }
    // Outside the lock: the load's messages run their own event loop.
    if (manager)
        manager->load(path.c_str(), 1);
}

void GazerixCtrl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (displayWindow_)
        displayWindow_->setGeometry(0, 0, event->size().width(), event->size().height());
}

void GazerixCtrl::contextMenuEvent(QContextMenuEvent* event)
{
    // The layout's windows take their own right clicks; the menu belongs to the space
    // between them.
    QWidget* const clicked = childAt(event->pos());
    if (clicked && clicked != displayWindow_)
        return;
    QMenu menu(this);
    menu.addAction(tr("&Properties..."), this, &GazerixCtrl::showPropertyPage);
    menu.exec(event->globalPos());
}

void GazerixCtrl::showPropertyPage() { GazerixPropPage::showPropertySheet(this); }
