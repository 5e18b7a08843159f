#include "control/GazerixCtrl.h"

#include "control/ControlProcessState.h"
#include "control/GazerixPropPage.h"
#include "display/DisplayManager.h"
#include "host/EngineStartup.h"
#include "host/LayoutHost.h"
#include "platform/HandlerScope.h"
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
    const bool created = state_ == State::Created;
    if (displayWindow_ && platform::HandlerScope::active()) {
        outliveHandlers(displayWindow_.data(), created);
        return;
    }
    if (displayWindow_)
        displayWindow_->destroyDisplayManager();
    shutDownAfterTheLast(created);
    // The display window goes with this widget; it ends nobody's event loop.
}

// A host may delete its control at any moment, also from a timer that fires under one of
// the engine's own dialogs or message boxes, whose code goes on with the layout once the
// dialog returns. The display window, with the layout it shows, then leaves the control
// hidden and goes once every handler and dialog has returned.
void GazerixCtrl::outliveHandlers(LayoutHost* displayWindow, bool created)
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
void GazerixCtrl::shutDownAfterTheLast(bool created)
{
    if (created && controlsAlive == 0)
        WindowRegistry::instance().shutdown();
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
    platform::setRelease(platform::Release::Earlier);
    unattachedManager_ = std::make_unique<DisplayManager>();
    manager_ = unattachedManager_.get();
    ControlProcessState::makeCurrent(this, manager_);
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
    const std::string pending = ControlProcessState::pendingPath(this);
    if (!pending.empty())
        manager_->load(pending.c_str(), 0);
}

void GazerixCtrl::LoadPage(const QString& pathToLoad)
{
    LoadPage(pathToLoad.isNull() ? QByteArray() : pathToLoad.toUtf8());
}

void GazerixCtrl::LoadPage(const QByteArray& pathBytes)
{
    DisplayManager* manager = nullptr;
    const std::string path = pathBytes.toStdString();
    {
        platform::CriticalSectionGuard guard(lock_);
        manager = ControlProcessState::displayManager();
        if (!manager && !pathBytes.isNull())
            ControlProcessState::setPendingPath(this, path);
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
