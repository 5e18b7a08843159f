#pragma once
// The simulator's main window "Skyloom Simulator": its central widget is the host
// window that the display manager fills with the windows of a layout. Every menu
// command goes through onCommand (so scripts and tests can send command ids); a
// one-second timer drives the demonstration mode, which loads a fixed list of
// layouts in turn. Used only on the window thread.
// See docs/threads.md.
#include "platform/Result.h"
#include "scripting/ScriptTarget.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class DisplayManager;
class LayoutHost;
class MediaCommands;
class LessonCommands;
class RecentLayouts;
class UniverseUndo;
class TimeControls;
class LiveCyclesPanel;
class UserGuideWindow;
class QAction;
class QDockWidget;
class QKeySequence;
class QLabel;
class QMenu;

// Menu command identifiers.
constexpr int kLoadCommand = 40001;
constexpr int kReloadCommand = 40002;
constexpr int kStartPoundingCommand = 40003;
constexpr int kStopPoundingCommand = 40004;
// The Help menu's commands.
constexpr int kUserGuideCommand = 40005;
constexpr int kAboutCommand = 40006;
constexpr int kLessonsCommand = 40007;
// The View menu's speeds, x1/4 to x8, commands 40010 to 40015 (x1 is 40012).
constexpr int kFirstSpeedCommand = 40010;
constexpr int kNormalSpeedCommand = 40012;
// The time controls of the View menu.
constexpr int kPauseAllCommand = 40021;
constexpr int kStepForwardsCommand = 40022;
constexpr int kGoToDateCommand = 40023;
constexpr int kStopAtEndCommand = 40024;
constexpr int kStepBackwardsCommand = 40026;
// View > Live Cycles: shows or hides the live cycles panel.
constexpr int kLiveCyclesCommand = 40020;
// Layout > Export Picture and Layout > Record Animation.
constexpr int kExportPictureCommand = 40050;
constexpr int kRecordAnimationCommand = 40051;
// Edit > Undo and Redo: the changes made to the universes' systems.
constexpr int kUndoCommand = 40030;
constexpr int kRedoCommand = 40031;
// Layout > Open Lesson... and Save Lesson...
constexpr int kOpenLessonCommand = 40032;
constexpr int kSaveLessonCommand = 40033;

class MainWindow : public QMainWindow, public ScriptTarget {
    Q_OBJECT
public:
    // Makes the display manager (null when it cannot be made).
    using DisplayManagerFactory = std::function<std::unique_ptr<DisplayManager>()>;

    static constexpr std::int32_t kDemoLayoutCount = 7;
    static constexpr int kDemoPeriodMilliseconds = 1000;

    // Creates the window with its menu, then the display manager, which is attached to
    // the host, given the whole client area and asked to load initialLayoutPath() with
    // messages off (results ignored), and starts the one-second timer.
    explicit MainWindow(const DisplayManagerFactory& makeDisplayManager = defaultDisplayManagerFactory());
    ~MainWindow() override;

    static DisplayManagerFactory defaultDisplayManagerFactory();
    // The demonstration layout at `index` (0 to 6), relative to the root directory; null outside.
    static const char* demoLayoutPath(std::int32_t index);

    // Load 40001, Reload 40002, Start Pounding 40003, Stop Pounding 40004, User Guide
    // 40005, About Skyloom 40006, Lessons 40007, the speeds 40010 to 40015, Live Cycles
    // 40020, the time controls 40021 to 40026, Undo 40030, Redo 40031, Open Lesson 40032,
    // Save Lesson 40033; others do nothing.
    void onCommand(int id);
    // The speed the View menu chose: the factor on every clock's step (1: as the layout's
    // sources set them).
    double timeRate() const { return timeRate_; }
    // Whether the View menu offers `rate` as a speed.
    static bool offersSpeed(double rate);
    // Chooses the View menu's speed `rate`; false when it offers no such speed.
    bool chooseSpeed(double rate);
    // The model time shown at the right of the menu bar ("t = 1.25 years"), with the
    // date when the time is dated; empty without an animated source.
    QString modelTimeText() const;
    // The one-second tick: while pounding, advances the demonstration index (modulo 7)
    // and loads that layout with messages off. A tick that comes while a handler or a
    // dialog is on the stack (its own event loop runs the timer) is skipped.
    void onDemoTimer();

    QWidget* host() const;
    DisplayManager* displayManager() const;
    bool isPounding() const { return pounding_; }
    std::int32_t demoIndex() const { return demoIndex_; }
    // The menu action that sends `id`, or null.
    QAction* commandAction(int id) const;
    TimeControls* timeControls() const { return timeControls_; }
    // The live cycles panel, beside the layout while it is shown.
    LiveCyclesPanel* liveCyclesPanel() const { return liveCycles_; }
    // Layout > Recent.
    RecentLayouts* recentLayouts() const { return recent_; }
    // The steps Edit > Undo and Redo work on.
    UniverseUndo* universeUndo() const { return undo_; }
    // Shows (with the keyboard focus in it) or hides the live cycles panel.
    void showLiveCycles(bool shown);
    // Pictures and animations of the layout: Export Picture, Record Animation and their steps.
    MediaCommands* media() const { return media_; }

    // What scripts work on: the menu commands, the host, the whole window; no loadpage.
    bool sendMenuCommand(int id) override;
    QWidget* layoutHost() const override { return host(); }
    QWidget* screenshotWindow() const override;
    bool loadPage(const std::string& path) override;
    void quit() override;
    // The steps of skyloomProgram(), each carried out by the handler added for its name.
    bool runProgramStep(const std::string& name, const std::vector<std::string>& words, std::string& problem) override;

protected:
    // Deletes the display manager (and with it every window of the layout) as the window
    // closes. While a handler or dialog is on the stack the close waits for it: the open
    // dialog is asked to close, and the window closes once the stack has unwound. While a
    // recording runs the close waits for it to be written.
    void closeEvent(QCloseEvent* event) override;

private:
    // Carries out a program step with the words after its name; false with the problem set.
    using ProgramStepHandler = std::function<bool(const std::vector<std::string>& words, std::string& problem)>;
    void addProgramStep(const std::string& name, ProgramStepHandler handler);
    void createMenus();
    // Layout > Recent, Open Lesson and Save Lesson, with the lessons' script steps.
    void createLessonCommands(QMenu* layout);
    // Edit > Undo and Redo; their steps once the host is there.
    void createEditMenu();
    void createUndo();
    // Carries out Undo, Redo, Open Lesson or Save Lesson; nothing for another command.
    void onUndoOrLessonCommand(int id);
    // Runs `load`; a layout it brought on screen becomes the first recent one (true).
    bool loadRecorded(const std::function<HRESULT(DisplayManager&)>& load);
    void placeWithinTheScreen();
    QAction* addCommand(QMenu* menu, const QString& label, int id, const QKeySequence& shortcut = {});
    // Shows the guide of that name in `window`, opening it first when it is not open.
    void showGuide(QPointer<UserGuideWindow>& window, const char* name);
    void showAbout();
    // View: the speeds, then the time controls of the whole screen.
    void createViewMenu();
    void createSpeedCommands(QMenu* view);
    void createTimeCommands(QMenu* view);
    // Carries out the time control `id`; false for another command.
    bool onTimeCommand(int id);
    void createLiveCyclesPanel();
    void addMediaMenuItems(QMenu* layout);
    void createMediaCommands();
    void setSpeed(int command);
    void showModelTime();
    void createDisplayManager(const DisplayManagerFactory& makeDisplayManager);

    LayoutHost* host_ = nullptr; // the central widget, owned by this window; owns the display manager
    std::map<int, QAction*> commands_; // owned by the menus
    std::map<std::string, ProgramStepHandler> programSteps_;
    QPointer<UserGuideWindow> userGuide_; // the guide's window, while it is open
    QPointer<UserGuideWindow> lessons_; // the lessons' window, while it is open
    QTimer demoTimer_;
    QTimer timeDisplayTimer_;
    QLabel* timeDisplay_ = nullptr; // owned by the menu bar
    TimeControls* timeControls_ = nullptr; // owned by this window
    QList<QAction*> timeBarCommands_; // the time commands the time bar shows as buttons
    QMenu* viewMenu_ = nullptr; // owned by the menu bar
    QDockWidget* liveCyclesDock_ = nullptr; // owned by this window
    LiveCyclesPanel* liveCycles_ = nullptr; // owned by its dock
    MediaCommands* media_ = nullptr; // owned by this window
    bool closeWhenRecorded_ = false; // a close waits for the recording
    RecentLayouts* recent_ = nullptr; // owned by this window
    UniverseUndo* undo_ = nullptr; // owned by this window
    std::unique_ptr<LessonCommands> lessonCommands_;
    double timeRate_ = 1.0;
    bool pounding_ = false;
    std::int32_t demoIndex_ = 0;
};
