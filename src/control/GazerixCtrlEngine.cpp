#include "control/GazerixCtrlEngine.h"

#include "control/ControlProcessState.h"
#include "display/DisplayManager.h"
#include "host/EngineStartup.h"
#include "host/LayoutHost.h"
#include "platform/HandlerScope.h"
#include "platform/Message.h"
#include "platform/Release.h"
#include "platform/ResourceLibrary.h"
#include "windows/WindowRegistry.h"

#include <gazerix/GazerixCtrl.h>

namespace {

int controlsAlive = 0;

// The display window starts at a fifth of the control's size, rounded toward zero.
constexpr int kInitialDisplayDivisor = 5;

} // namespace

GazerixCtrlEngine::GazerixCtrlEngine(GazerixCtrl& control)
    : control_(control)
{
    ++controlsAlive;
}

GazerixCtrlEngine::~GazerixCtrlEngine()
{
    --controlsAlive;
    ControlProcessState::forget(&control_, manager_);
    const bool created = state_ == State::Created;
    if (displayWindow_ && platform::HandlerScope::active()) {
        outliveHandlers(displayWindow_.data(), created);
        return;
    }
    if (displayWindow_)
        displayWindow_->destroyDisplayManager();
    shutDownAfterTheLast(created);
    // The display window goes with the control's widget; it ends nobody's event loop.
}

// A host may delete its control at any moment, also from a timer that fires under one of
// the engine's own dialogs or message boxes, whose code goes on with the layout once the
// dialog returns. The display window, with the layout it shows, then leaves the control
// hidden and goes once every handler and dialog has returned.
void GazerixCtrlEngine::outliveHandlers(LayoutHost* displayWindow, bool created)
{
    displayWindow->hide();
    displayWindow->setParent(nullptr);
    platform::HandlerScope::whenIdle(displayWindow, [displayWindow, created] {
        displayWindow->destroyDisplayManager();
        displayWindow->deleteLater();
        shutDownAfterTheLast(created);
    });
}

// The registry serves every control of the process: it shuts down with the last one.
void GazerixCtrlEngine::shutDownAfterTheLast(bool created)
{
    if (created && controlsAlive == 0)
        WindowRegistry::instance().shutdown();
}

GazerixCtrlEngine& GazerixCtrlEngine::of(const GazerixCtrl& control) { return *control.engine_; }

int GazerixCtrlEngine::liveCount() { return controlsAlive; }

QWidget* GazerixCtrlEngine::displayWindow() const { return displayWindow_.data(); }

bool GazerixCtrlEngine::create()
{
    if (state_ == State::NotCreated)
        state_ = startEngine() ? State::Created : State::Failed;
    return state_ == State::Created;
}

bool GazerixCtrlEngine::startEngine()
{
    platform::setRelease(platform::Release::Earlier);
    unattachedManager_ = std::make_unique<DisplayManager>();
    manager_ = unattachedManager_.get();
    ControlProcessState::makeCurrent(&control_, manager_);
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

void GazerixCtrlEngine::createDisplayWindow()
{
    auto* const window = new LayoutHost(&control_);
    window->setObjectName(QString::fromLatin1(kDisplayWindowTitle));
    window->setWindowTitle(QString::fromLatin1(kDisplayWindowTitle));
    window->setAutoFillBackground(true);
    window->setPalette(QPalette(Qt::white));
    window->setGeometry(0, 0, control_.width() / kInitialDisplayDivisor, control_.height() / kInitialDisplayDivisor);
    displayWindow_ = window;
    attachDisplayWindow();
    window->show();
}

void GazerixCtrlEngine::attachDisplayWindow()
{
    GazerixCtrl* const current = ControlProcessState::currentControl();
    platform::CriticalSectionGuard guard(current ? of(*current).lock_ : lock_);
    displayWindow_->setDisplayManager(std::move(unattachedManager_), FractionalRect { 0, 0, 1, 1 }, 0);
    const std::string pending = ControlProcessState::pendingPath(&control_);
    if (!pending.empty())
        manager_->load(pending.c_str(), 0);
}

void GazerixCtrlEngine::loadPage(const QByteArray& pathBytes)
{
    DisplayManager* manager = nullptr;
    const std::string path = pathBytes.toStdString();
    {
        platform::CriticalSectionGuard guard(lock_);
        manager = ControlProcessState::displayManager();
        if (!manager && !pathBytes.isNull())
            ControlProcessState::setPendingPath(&control_, path);
    }
    // Outside the lock: the load's messages run their own event loop.
    if (manager)
        manager->load(path.c_str(), 1);
}

void GazerixCtrlEngine::fill(QSize size)
{
    if (displayWindow_)
        displayWindow_->setGeometry(0, 0, size.width(), size.height());
}
