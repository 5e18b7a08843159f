#include "shell/MainWindow.h"

#include "display/DisplayManager.h"
#include "host/LayoutHost.h"
#include "host/LiveCyclesPanel.h"
#include "host/LiveCyclesStep.h"
#include "host/UniverseUndo.h"
#include "platform/DataPath.h"
#include "platform/HandlerScope.h"
#include "platform/Message.h"
#include "shell/AboutText.h"
#include "shell/InitialLayoutPath.h"
#include "shell/LessonCommands.h"
#include "shell/MediaCommands.h"
#include "shell/ModelDates.h"
#include "shell/ReadoutPanel.h"
#include "shell/RecentLayouts.h"
#include "shell/TimeControls.h"
#include "shell/UserGuideWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDockWidget>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>
#include <optional>
#include <utility>

namespace {

constexpr int kMainWindowWidth = 1000;
constexpr int kMainWindowHeight = 700;
// What a window manager's frame and title bar take around the window, at most.
constexpr int kFrameAllowance = 16;
constexpr int kTitleBarAllowance = 48;
constexpr int kTimeDisplayPeriodMilliseconds = 250;
constexpr int kTimeDisplayMargin = 8;

struct Speed {
    const char* label;
    double rate;
};
constexpr Speed kSpeeds[]
    = { { "x1/4", 0.25 }, { "x1/2", 0.5 }, { "x&1", 1.0 }, { "x2", 2.0 }, { "x4", 4.0 }, { "x8", 8.0 } };
constexpr int kSpeedCount = static_cast<int>(std::size(kSpeeds));

constexpr const char* kDemoLayouts[MainWindow::kDemoLayoutCount] = {
    "AstreonLayouts/4 Framed Candy Universes.lay",
    "AstreonLayouts/Observatory.lay",
    "AstreonLayouts/Bitmap Browser.lay",
    "AstreonLayouts/One Universe.lay",
    "AstreonLayouts/One Edit Two Candy.lay",
    "AstreonLayouts/4 Universes.lay",
    "AstreonLayouts/Brellin Logo.lay",
};

} // namespace

MainWindow::MainWindow(const DisplayManagerFactory& makeDisplayManager)
{
    setWindowTitle(tr("Skyloom Simulator"));
    placeWithinTheScreen();
    createMenus();
    // The time bar and the error readout above the layout's host, which keeps the window's
    // bottom edge.
    auto* const central = new QWidget(this);
    auto* const column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(timeControls_->createBar(central, timeBarCommands_));
    column->addWidget(timeControls_->createReadout(central));
    host_ = new LayoutHost(central);
    host_->setObjectName(QStringLiteral("host"));
    column->addWidget(host_, 1);
    setCentralWidget(central);
    createUndo();
    createDisplayManager(makeDisplayManager);
    createLiveCyclesPanel();
    createMediaCommands();
    connect(&demoTimer_, &QTimer::timeout, this, &MainWindow::onDemoTimer);
    demoTimer_.start(kDemoPeriodMilliseconds);
    // The model time at the menu bar's right: no room is taken from the layout.
    timeDisplay_ = new QLabel(menuBar());
    timeDisplay_->setContentsMargins(0, 0, kTimeDisplayMargin, 0);
    // The menu bar sizes its corner once: room for the longest time it shows.
    timeDisplay_->setMinimumWidth(
        timeDisplay_->fontMetrics().horizontalAdvance(QStringLiteral("t = 00000.00 years  (0000-00-00)"))
        + kTimeDisplayMargin);
    menuBar()->setCornerWidget(timeDisplay_, Qt::TopRightCorner);
    connect(&timeDisplayTimer_, &QTimer::timeout, this, &MainWindow::showModelTime);
    timeDisplayTimer_.start(kTimeDisplayPeriodMilliseconds);
}

MainWindow::~MainWindow()
{
    // The layout's windows are children of the host: remove them while the host still exists.
    host_->destroyDisplayManager();
}

QWidget* MainWindow::host() const { return host_; }

DisplayManager* MainWindow::displayManager() const { return host_->displayManager(); }

MainWindow::DisplayManagerFactory MainWindow::defaultDisplayManagerFactory()
{
    return [] { return std::make_unique<DisplayManager>(); };
}

const char* MainWindow::demoLayoutPath(std::int32_t index)
{
    if (index < 0 || index >= kDemoLayoutCount)
        return nullptr;
    return kDemoLayouts[index];
}

// Labels carry their mnemonics ('&' before the underlined letter).
void MainWindow::createMenus()
{
    QMenu* const layout = menuBar()->addMenu(tr("&Layout"));
    addCommand(layout, tr("&Load"), kLoadCommand, QKeySequence::Open);
    addCommand(layout, tr("&Reload"), kReloadCommand, QKeySequence(Qt::Key_F5));
    addMediaMenuItems(layout);
    createLessonCommands(layout);
    createEditMenu();
    QMenu* const test = menuBar()->addMenu(tr("&Test"));
    addCommand(test, tr("&Start Pounding"), kStartPoundingCommand);
    addCommand(test, tr("S&top Pounding"), kStopPoundingCommand);
    // The whole Test popup is greyed; its commands are reached through --demo and scripts.
    test->menuAction()->setEnabled(false);
    createViewMenu();
    QMenu* const help = menuBar()->addMenu(tr("&Help"));
    addCommand(help, tr("&User Guide"), kUserGuideCommand, QKeySequence::HelpContents);
    addCommand(help, tr("&Lessons"), kLessonsCommand);
    addCommand(help, tr("&About Skyloom"), kAboutCommand);
    // Quitting has a key but no menu item.
    auto* const quit = new QAction(this);
    quit->setShortcut(QKeySequence::Quit);
    connect(quit, &QAction::triggered, this, &QWidget::close);
    addAction(quit);
}

QAction* MainWindow::addCommand(QMenu* menu, const QString& label, int id, const QKeySequence& shortcut)
{
    QAction* const action = menu->addAction(label);
    action->setShortcut(shortcut);
    action->setData(id);
    connect(action, &QAction::triggered, this, [this, id] { onCommand(id); });
    commands_[id] = action;
    return action;
}

QAction* MainWindow::commandAction(int id) const
{
    const auto found = commands_.find(id);
    return found == commands_.end() ? nullptr : found->second;
}

void MainWindow::createDisplayManager(const DisplayManagerFactory& makeDisplayManager)
{
    host_->setDisplayManager(makeDisplayManager ? makeDisplayManager() : nullptr);
    // Messages off: a missing or broken initial layout leaves an empty window, silently.
    loadRecorded([](DisplayManager& manager) { return manager.load(initialLayoutPath(), 0); });
}

bool MainWindow::loadRecorded(const std::function<HRESULT(DisplayManager&)>& load)
{
    DisplayManager* const manager = displayManager();
    if (!manager || load(*manager) != S_OK)
        return false;
    recent_->add(QString::fromStdString(manager->pathOnScreen()));
    return true;
}

void MainWindow::createLessonCommands(QMenu* layout)
{
    recent_ = new RecentLayouts(
        layout->addMenu(tr("Recen&t")),
        [this](const QString& path) {
            return loadRecorded(
                [&path](DisplayManager& manager) { return manager.load(path.toStdString().c_str(), 1); });
        },
        this);
    layout->addSeparator();
    addCommand(layout, tr("&Open Lesson..."), kOpenLessonCommand);
    addCommand(layout, tr("Sa&ve Lesson..."), kSaveLessonCommand);
    lessonCommands_ = std::make_unique<LessonCommands>(*this);
    using LessonStep = bool (LessonCommands::*)(const std::string& path, std::string& problem);
    const std::pair<const char*, LessonStep> steps[]
        = { { "open-lesson", &LessonCommands::openLesson }, { "save-lesson", &LessonCommands::saveLesson } };
    for (const auto& [name, lessonStep] : steps)
        addProgramStep(name, [this, step = lessonStep](const std::vector<std::string>& words, std::string& problem) {
            return (lessonCommands_.get()->*step)(platform::resolveStartPath(words[0]), problem);
        });
}

void MainWindow::createEditMenu()
{
    QMenu* const edit = menuBar()->addMenu(tr("&Edit"));
    addCommand(edit, tr("&Undo"), kUndoCommand, QKeySequence(Qt::CTRL | Qt::Key_Z));
    addCommand(edit, tr("&Redo"), kRedoCommand, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
}

void MainWindow::createUndo()
{
    undo_ = new UniverseUndo(*host_, this);
    undo_->attachActions(commandAction(kUndoCommand), commandAction(kRedoCommand));
}

void MainWindow::onCommand(int id)
{
    switch (id) {
    case kLoadCommand:
        loadRecorded([](DisplayManager& manager) { return manager.loadWithDialog(); });
        break;
    case kReloadCommand:
        if (DisplayManager* const manager = displayManager())
            manager->reload(1);
        break;
    case kStartPoundingCommand:
        pounding_ = true;
        break;
    case kStopPoundingCommand:
        pounding_ = false;
        break;
    case kUserGuideCommand:
        showGuide(userGuide_, "user-guide.md");
        break;
    case kLessonsCommand:
        showGuide(lessons_, "lessons.md");
        break;
    case kAboutCommand:
        showAbout();
        break;
    case kLiveCyclesCommand:
        showLiveCycles(liveCyclesDock_->isHidden());
        break;
    case kExportPictureCommand:
        media_->choosePicture();
        break;
    case kRecordAnimationCommand:
        media_->chooseAnimation();
        break;
    case kFirstSpeedCommand:
    case kFirstSpeedCommand + 1:
    case kFirstSpeedCommand + 2:
    case kFirstSpeedCommand + 3:
    case kFirstSpeedCommand + 4:
    case kFirstSpeedCommand + 5:
        setSpeed(id);
        break;
    default:
        if (!onTimeCommand(id))
            onUndoOrLessonCommand(id);
        break;
    }
}

void MainWindow::onUndoOrLessonCommand(int id)
{
    if (id == kUndoCommand)
        undo_->undo();
    else if (id == kRedoCommand)
        undo_->redo();
    else if (id == kOpenLessonCommand)
        lessonCommands_->chooseAndOpen();
    else if (id == kSaveLessonCommand)
        lessonCommands_->chooseAndSave();
}

void MainWindow::createViewMenu()
{
    QMenu* const view = viewMenu_ = menuBar()->addMenu(tr("&View"));
    createSpeedCommands(view);
    view->addSeparator();
    createTimeCommands(view);
}

void MainWindow::createTimeCommands(QMenu* time)
{
    timeControls_ = new TimeControls(this, [this] { return displayManager(); });
    QAction* const pause = addCommand(time, tr("&Pause All"), kPauseAllCommand, QKeySequence(Qt::CTRL | Qt::Key_Space));
    QAction* const back
        = addCommand(time, tr("Step &Backwards"), kStepBackwardsCommand, QKeySequence(Qt::CTRL | Qt::Key_Left));
    QAction* const forwards
        = addCommand(time, tr("Step &Forwards"), kStepForwardsCommand, QKeySequence(Qt::CTRL | Qt::Key_Right));
    QAction* const goTo = addCommand(time, tr("&Go To Date..."), kGoToDateCommand, QKeySequence(Qt::CTRL | Qt::Key_G));
    time->addSeparator();
    QAction* const stop = addCommand(time, tr("&Stop at the end of the observations"), kStopAtEndCommand);
    stop->setCheckable(true);
    stop->setChecked(true);
    timeControls_->setPauseAction(pause);
    timeBarCommands_ = { pause, back, forwards, goTo };
    addProgramStep("goto", [this](const std::vector<std::string>& words, std::string& problem) {
        QString why;
        const QDate date = QDate::fromString(QString::fromStdString(words[0]), Qt::ISODate);
        if (timeControls_->goToDate(date, why)) {
            showModelTime();
            return true;
        }
        problem = why.toStdString();
        return false;
    });
}

bool MainWindow::onTimeCommand(int id)
{
    switch (id) {
    case kPauseAllCommand:
        timeControls_->togglePauseAll();
        return true;
    case kStepForwardsCommand:
    case kStepBackwardsCommand:
        timeControls_->step(id == kStepForwardsCommand ? 1 : -1);
        showModelTime();
        return true;
    case kGoToDateCommand:
        timeControls_->chooseDate();
        showModelTime();
        return true;
    case kStopAtEndCommand:
        timeControls_->setStopAtEnd(commandAction(kStopAtEndCommand)->isChecked());
        return true;
    default:
        return false;
    }
}

void MainWindow::createSpeedCommands(QMenu* view)
{
    auto* const speeds = new QActionGroup(view);
    for (int index = 0; index < kSpeedCount; ++index) {
        QAction* const action = addCommand(view, QString::fromLatin1(kSpeeds[index].label), kFirstSpeedCommand + index);
        action->setCheckable(true);
        action->setChecked(kFirstSpeedCommand + index == kNormalSpeedCommand);
        speeds->addAction(action);
    }
}

// The panel sits in a dock at the right, inside a scroll area so that it fits any screen;
// the layout keeps the rest of the window and scales to it.
void MainWindow::createLiveCyclesPanel()
{
    liveCyclesDock_ = new QDockWidget(tr("Live Cycles"), this);
    liveCyclesDock_->setObjectName(QStringLiteral("liveCyclesDock"));
    liveCyclesDock_->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    auto* const scroller = new QScrollArea(liveCyclesDock_);
    scroller->setWidgetResizable(true);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->setFocusPolicy(Qt::NoFocus);
    liveCycles_ = new LiveCyclesPanel(*host_, scroller);
    scroller->setWidget(liveCycles_);
    scroller->setMinimumWidth(
        liveCycles_->minimumSizeHint().width() + scroller->verticalScrollBar()->sizeHint().width());
    liveCyclesDock_->setWidget(scroller);
    addDockWidget(Qt::RightDockWidgetArea, liveCyclesDock_);
    liveCyclesDock_->hide();
    QAction* const command
        = addCommand(viewMenu_, tr("&Live Cycles"), kLiveCyclesCommand, QKeySequence(Qt::CTRL | Qt::Key_L));
    command->setCheckable(true);
    connect(liveCyclesDock_, &QDockWidget::visibilityChanged, command,
        [this, command] { command->setChecked(!liveCyclesDock_->isHidden()); });
    addProgramStep(LiveCyclesStep::kName, [this](const std::vector<std::string>& words, std::string& problem) {
        showLiveCycles(true);
        return LiveCyclesStep::run(*liveCycles_, words, problem);
    });
}

void MainWindow::addMediaMenuItems(QMenu* layout)
{
    layout->addSeparator();
    addCommand(layout, tr("&Export Picture..."), kExportPictureCommand, QKeySequence(Qt::CTRL | Qt::Key_E));
    addCommand(layout, tr("Record &Animation..."), kRecordAnimationCommand, QKeySequence(Qt::CTRL | Qt::Key_R));
}

// Made once the host exists; a close that waited for a recording comes when it has ended.
void MainWindow::createMediaCommands()
{
    media_ = new MediaCommands(*host_, this);
    for (const ProgramStep& step : MediaCommands::programSteps())
        addProgramStep(
            step.name, [this, name = step.name](const std::vector<std::string>& words, std::string& problem) {
                return media_->runStep(name, words, problem);
            });
    connect(media_, &MediaCommands::recordingEnded, this, [this] {
        if (closeWhenRecorded_)
            close();
    });
}

void MainWindow::showLiveCycles(bool shown)
{
    liveCyclesDock_->setVisible(shown);
    commandAction(kLiveCyclesCommand)->setChecked(shown);
    if (shown) {
        liveCyclesDock_->raise();
        liveCycles_->focusFirstControl();
    } else {
        host_->setFocus(Qt::ShortcutFocusReason);
    }
}

bool MainWindow::offersSpeed(double rate)
{
    return std::any_of(
        std::begin(kSpeeds), std::end(kSpeeds), [rate](const Speed& speed) { return speed.rate == rate; });
}

bool MainWindow::chooseSpeed(double rate)
{
    for (int index = 0; index < kSpeedCount; ++index)
        if (kSpeeds[index].rate == rate) {
            setSpeed(kFirstSpeedCommand + index);
            return true;
        }
    return false;
}

void MainWindow::setSpeed(int command)
{
    timeRate_ = kSpeeds[command - kFirstSpeedCommand].rate;
    commandAction(command)->setChecked(true);
    if (DisplayManager* const manager = displayManager())
        manager->setTimeRate(timeRate_);
}

QString MainWindow::modelTimeText() const
{
    DisplayManager* const manager = displayManager();
    const std::optional<DisplayManager::ModelTime> time = manager ? manager->modelTime() : std::nullopt;
    if (!time)
        return {};
    QString text = tr("t = %1 years").arg(time->time, 0, 'f', 2);
    if (time->startYear)
        text += QStringLiteral("  (%1)").arg(dateOfModelTime(*time->startYear, time->time).toString(Qt::ISODate));
    return text;
}

void MainWindow::showModelTime()
{
    timeDisplay_->setText(modelTimeText());
    timeControls_->refresh();
}

void MainWindow::showGuide(QPointer<UserGuideWindow>& window, const char* name)
{
    if (!window)
        window = UserGuideWindow::open(name);
    if (window) {
        window->show();
        window->raise();
        window->activateWindow();
    }
}

void MainWindow::showAbout()
{
    platform::showMessage(aboutText(), tr("About Skyloom").toStdString(), platform::MessageIcon::Information);
}

// The usual size, or less where the screen's free area is smaller (a netbook, a projector
// at a large scale), at the free area's corner.
void MainWindow::placeWithinTheScreen()
{
    // The offscreen platform's screen stands for no real one: unattended runs keep the usual size.
    const QScreen* const screen = QGuiApplication::primaryScreen();
    if (!screen || QGuiApplication::platformName() == QLatin1String("offscreen")) {
        setGeometry(0, 0, kMainWindowWidth, kMainWindowHeight);
        return;
    }
    const QRect area = screen->availableGeometry();
    setGeometry(area.left(), area.top(), std::min(kMainWindowWidth, area.width() - kFrameAllowance),
        std::min(kMainWindowHeight, area.height() - kTitleBarAllowance));
}

void MainWindow::onDemoTimer()
{
    if (!pounding_ || platform::HandlerScope::active())
        return;
    // Advanced before use, so the first layout after Start Pounding is index 1.
    demoIndex_ = (demoIndex_ + 1) % kDemoLayoutCount;
    if (DisplayManager* const manager = displayManager())
        manager->load(demoLayoutPath(demoIndex_), 0);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (media_ && media_->isRecording()) {
        event->ignore();
        closeWhenRecorded_ = true;
        return;
    }
    if (platform::HandlerScope::active()) {
        event->ignore();
        if (QWidget* const dialog = QApplication::activeModalWidget())
            dialog->close();
        platform::HandlerScope::whenIdle(this, [this] { close(); });
        return;
    }
    host_->destroyDisplayManager();
    demoTimer_.stop();
    QMainWindow::closeEvent(event);
}

bool MainWindow::sendMenuCommand(int id)
{
    onCommand(id);
    return true;
}

QWidget* MainWindow::screenshotWindow() const { return const_cast<MainWindow*>(this); }

bool MainWindow::loadPage(const std::string&) { return false; }

void MainWindow::quit() { close(); }

void MainWindow::addProgramStep(const std::string& name, ProgramStepHandler handler)
{
    programSteps_[name] = std::move(handler);
}

bool MainWindow::runProgramStep(const std::string& name, const std::vector<std::string>& words, std::string& problem)
{
    const auto found = programSteps_.find(name);
    if (found == programSteps_.end()) {
        problem = "skyloom has no " + name + " step";
        return false;
    }
    return found->second(words, problem);
}
