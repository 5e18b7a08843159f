#include "shell/MainWindow.h"

#include "display/DisplayManager.h"
#include "display/ImageSourceCollection.h"
#include "imagesource/ClockDrivenSource.h"
#include "platform/Chooser.h"
#include "platform/Message.h"
#include "scripting/Translations.h"
#include "shell/DemoRoot.h"
#include "shell/InitialLayoutPath.h"
#include "windows/EventWait.h"
#include "windows/WindowRecord.h"
#include "windows/WindowRegistry.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QTextBrowser>
#include <QTranslator>

#include <gtest/gtest.h>

using testing_support::DemoRoot;

namespace {

MainWindow::DisplayManagerFactory noDisplayManager()
{
    return [] { return std::unique_ptr<DisplayManager>(); };
}

// A menu label as the user reads it: the mnemonic marks are not shown.
QString shownText(const QAction* action) { return QString(action->text()).remove(QLatin1Char('&')); }

QAction* menuNamed(MainWindow& window, const QString& title)
{
    for (QAction* action : window.menuBar()->actions()) {
        if (shownText(action) == title)
            return action;
    }
    return nullptr;
}

std::vector<std::int32_t> tickAndRecordIndexes(MainWindow& window, int ticks)
{
    std::vector<std::int32_t> indexes;
    for (int tick = 0; tick < ticks; ++tick) {
        window.onDemoTimer();
        indexes.push_back(window.demoIndex());
    }
    return indexes;
}

} // namespace

TEST(MainWindowTest, HasTheTitleSizeAndMenuCommands)
{
    MainWindow window(noDisplayManager());

    EXPECT_EQ(window.windowTitle(), QStringLiteral("Skyloom Simulator"));
    EXPECT_EQ(window.size(), QSize(1000, 700));
    const std::pair<int, const char*> commands[] = { { kLoadCommand, "Load" }, { kReloadCommand, "Reload" },
        { kStartPoundingCommand, "Start Pounding" }, { kStopPoundingCommand, "Stop Pounding" } };
    for (const auto& [id, label] : commands) {
        QAction* const action = window.commandAction(id);
        ASSERT_NE(action, nullptr) << id;
        EXPECT_EQ(shownText(action), QString::fromLatin1(label));
        EXPECT_EQ(action->data().toInt(), id);
    }
    EXPECT_EQ(kLoadCommand, 40001);
    EXPECT_EQ(kStopPoundingCommand, 40004);
    ASSERT_NE(menuNamed(window, "Layout"), nullptr);
    ASSERT_NE(menuNamed(window, "Test"), nullptr);
    EXPECT_TRUE(menuNamed(window, "Layout")->isEnabled());
    EXPECT_FALSE(menuNamed(window, "Test")->isEnabled()) << "the whole Test popup is greyed";
    EXPECT_EQ(window.menuBar()->actions().size(), 5) << "Layout, Edit, Test, then View and Help";
    EXPECT_EQ(window.commandAction(kUndoCommand)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(window.commandAction(kRedoCommand)->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    EXPECT_EQ(window.commandAction(kLoadCommand)->shortcut(), QKeySequence(QKeySequence::Open));
    EXPECT_EQ(window.commandAction(kReloadCommand)->shortcut(), QKeySequence(Qt::Key_F5));
}

// The user's language chooses the menus' texts; Qt's own dialogs follow it too. The
// command numbers that scripts use do not change.
TEST(MainWindowTest, SpeaksTheUsersLanguage)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ASSERT_TRUE(installTranslations(*qApp));
    {
        MainWindow window(noDisplayManager());
        EXPECT_NE(menuNamed(window, "Hilfe"), nullptr);
        EXPECT_EQ(shownText(window.commandAction(kLoadCommand)), "Laden");
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
    }
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    QLocale::setDefault(QLocale::c());
    EXPECT_FALSE(installTranslations(*qApp)) << "English needs no translation";
    MainWindow window(noDisplayManager());
    EXPECT_NE(menuNamed(window, "Help"), nullptr);
}

TEST(MainWindowTest, HelpShowsTheGuideAndTellsAboutTheProgram)
{
    MainWindow window(noDisplayManager());
    platform::MessageRecorder recorder;
    ASSERT_NE(menuNamed(window, "Help"), nullptr);
    EXPECT_EQ(shownText(window.commandAction(kUserGuideCommand)), QStringLiteral("User Guide"));

    window.onCommand(kAboutCommand);
    ASSERT_EQ(recorder.count(), 1u);
    EXPECT_EQ(recorder.last().caption, "About Skyloom");
    EXPECT_NE(recorder.last().text.find(std::string("Skyloom Simulator ") + SKYLOOM_VERSION), std::string::npos);
    EXPECT_NE(recorder.last().text.find("Licence: MIT"), std::string::npos);

    window.onCommand(kUserGuideCommand);
    QWidget* guide = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->windowTitle() == QStringLiteral("Skyloom User Guide"))
            guide = widget;
    ASSERT_NE(guide, nullptr);
    const QString text = qobject_cast<QTextBrowser*>(guide)->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("Skyloom user guide")));
    // Words in angle brackets are no tags: the text after them is all there.
    EXPECT_TRUE(text.contains(QStringLiteral("Couldn't save <path>: <reason>")));
    EXPECT_TRUE(text.contains(QStringLiteral("A read-only file is")));
    EXPECT_EQ(recorder.count(), 1u);
    guide->close();

    window.onCommand(kLessonsCommand);
    QTextBrowser* lessons = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* browser = qobject_cast<QTextBrowser*>(widget); browser && browser->isVisible())
            lessons = browser;
    ASSERT_NE(lessons, nullptr);
    EXPECT_TRUE(lessons->toPlainText().contains(QStringLiteral("Lessons: Ptolemy's models and the real sky")));
    lessons->close();
}

TEST(MainWindowTest, MenuActionsSendTheirCommands)
{
    MainWindow window(noDisplayManager());

    window.commandAction(kStartPoundingCommand)->trigger();
    EXPECT_TRUE(window.isPounding());
    window.commandAction(kStopPoundingCommand)->trigger();
    EXPECT_FALSE(window.isPounding());
}

TEST(MainWindowTest, TheDemonstrationAdvancesBeforeUseAndContinuesAfterAPause)
{
    MainWindow window(noDisplayManager());
    EXPECT_EQ(tickAndRecordIndexes(window, 2), (std::vector<std::int32_t> { 0, 0 })) << "idle ticks do nothing";

    window.onCommand(kStartPoundingCommand);
    EXPECT_EQ(tickAndRecordIndexes(window, 3), (std::vector<std::int32_t> { 1, 2, 3 }));
    window.onCommand(kStopPoundingCommand);
    EXPECT_EQ(tickAndRecordIndexes(window, 2), (std::vector<std::int32_t> { 3, 3 }));
    window.onCommand(kStartPoundingCommand);
    EXPECT_EQ(tickAndRecordIndexes(window, 4), (std::vector<std::int32_t> { 4, 5, 6, 0 }));
    EXPECT_STREQ(MainWindow::demoLayoutPath(0), "AstreonLayouts/4 Framed Candy Universes.lay");
    EXPECT_STREQ(MainWindow::demoLayoutPath(1), "AstreonLayouts/Observatory.lay");
    EXPECT_STREQ(MainWindow::demoLayoutPath(6), "AstreonLayouts/Brellin Logo.lay");
    EXPECT_EQ(MainWindow::demoLayoutPath(7), nullptr);
}

TEST(MainWindowTest, UnknownCommandsDoNothing)
{
    DemoRoot root;
    setInitialLayoutPath(MainWindow::demoLayoutPath(3));
    MainWindow window;
    const std::int32_t loads = window.displayManager()->totalLoads();

    window.onCommand(12345);
    window.onCommand(40005);

    EXPECT_FALSE(window.isPounding());
    EXPECT_EQ(window.displayManager()->totalLoads(), loads);
}

TEST(MainWindowTest, TheInitialLayoutIsLoadedIntoTheWholeHostAtCreation)
{
    DemoRoot root;
    setInitialLayoutPath(MainWindow::demoLayoutPath(3));

    MainWindow window;

    ASSERT_NE(window.displayManager(), nullptr);
    EXPECT_EQ(window.displayManager()->hostWindow(), window.host());
    EXPECT_TRUE(window.displayManager()->isScreenRectSet());
    EXPECT_EQ(window.displayManager()->totalLoads(), 1);
    EXPECT_EQ(window.displayManager()->appliedColour(), DemoRoot::colourOf(3));
}

TEST(MainWindowTest, EachDemonstrationTickLoadsTheLayoutAtTheNewIndex)
{
    DemoRoot root;
    setInitialLayoutPath("");
    MainWindow window;
    window.onCommand(kStartPoundingCommand);

    for (const int expected : { 1, 2, 3, 4, 5, 6, 0, 1 }) {
        window.onDemoTimer();
        EXPECT_EQ(window.displayManager()->appliedColour(), DemoRoot::colourOf(expected)) << expected;
    }
}

TEST(MainWindowTest, AMissingInitialLayoutIsSilentButReloadReportsIt)
{
    DemoRoot root;
    platform::MessageRecorder messages;
    setInitialLayoutPath("AstreonLayouts/Missing.lay");

    MainWindow window;
    EXPECT_EQ(messages.count(), 0u);
    EXPECT_EQ(window.displayManager()->totalFailedLoads(), 1);

    window.onCommand(kReloadCommand);
    EXPECT_EQ(messages.count(), 1u);
    EXPECT_EQ(window.displayManager()->totalFailedLoads(), 2);
}

TEST(MainWindowTest, LoadAsksForALayoutFile)
{
    DemoRoot root;
    setInitialLayoutPath("");
    MainWindow window;
    platform::ScriptedChooser chooser;
    platform::ScopedChooser installed(chooser);

    chooser.answerFile(MainWindow::demoLayoutPath(5));
    window.onCommand(kLoadCommand);
    EXPECT_EQ(window.displayManager()->appliedColour(), DemoRoot::colourOf(5));

    chooser.answerCancel();
    window.onCommand(kLoadCommand);
    EXPECT_EQ(window.displayManager()->appliedColour(), DemoRoot::colourOf(5)) << "a cancelled load changes nothing";
    EXPECT_EQ(chooser.fileRequests().size(), 2u);
}

TEST(MainWindowTest, CommandsWithoutADisplayManagerOnlyMoveTheDemonstrationIndex)
{
    platform::ScriptedChooser chooser;
    platform::ScopedChooser installed(chooser);
    MainWindow window(noDisplayManager());

    window.onCommand(kLoadCommand);
    window.onCommand(kReloadCommand);
    window.onCommand(kStartPoundingCommand);
    window.onDemoTimer();

    EXPECT_TRUE(chooser.fileRequests().empty());
    EXPECT_EQ(window.demoIndex(), 1);
}

TEST(MainWindowTest, ClosingDeletesTheDisplayManagerAndTheLayoutsWindows)
{
    DemoRoot root;
    const std::string layout = root.folder().write("AstreonLayouts/Windows.lay",
        "<Layout><ImageSourceCollection><ImageSource><type>KeplerUniverse</type></ImageSource><Windows>"
        "<ObserverWindow><ScreenRect><left>0</left><top>0</top><right>1</right><bottom>1</bottom></ScreenRect>"
        "<Refresh>0</Refresh></ObserverWindow></Windows></ImageSourceCollection></Layout>");
    setInitialLayoutPath(layout.c_str());
    MainWindow window;
    window.show();
    ASSERT_EQ(WindowRegistry::instance().recordCount(), 1);
    QWidget* const observer = WindowRegistry::instance().records().front()->window();
    ASSERT_TRUE(testing_support::processEventsUntil([&] { return observer->size() == window.host()->size(); }))
        << "size changes of the host reach the layout's windows";

    window.close();

    EXPECT_EQ(window.displayManager(), nullptr);
    EXPECT_EQ(WindowRegistry::instance().recordCount(), 0);
}

TEST(MainWindowTest, TheChosenSpeedRunsEveryLayoutLoadedAfterwards)
{
    platform::MessageRecorder recorder;
    MainWindow window;
    EXPECT_EQ(window.timeRate(), 1.0);
    EXPECT_TRUE(window.commandAction(kNormalSpeedCommand)->isChecked());

    window.onCommand(kFirstSpeedCommand + 5);
    ASSERT_EQ(window.displayManager()->load("AstreonLayouts/One Universe.lay", 1), S_OK);

    EXPECT_EQ(window.timeRate(), 8.0);
    ImageSource* source = nullptr;
    ASSERT_EQ(window.displayManager()->committedCollection(0)->getSource(&source), S_OK);
    EXPECT_EQ(dynamic_cast<ClockDrivenSource&>(*source).timeRate(), 8.0) << "the universe's clock runs 8 times as fast";
    EXPECT_TRUE(window.commandAction(kFirstSpeedCommand + 5)->isChecked());
    EXPECT_FALSE(window.commandAction(kNormalSpeedCommand)->isChecked());
    EXPECT_TRUE(window.modelTimeText().startsWith(QStringLiteral("t = "))) << window.modelTimeText().toStdString();
    EXPECT_EQ(recorder.count(), 0u);
}
