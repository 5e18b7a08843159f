// The live cycles panel worked as a person works it, on universes the display manager
// loads: refused values change nothing and say why in the panel, accepted ones reach the
// running model at once, and the panel follows the model's own changes and a new layout.
#include "host/LiveCyclesPanel.h"
#include "display/DisplayManager.h"
#include "host/LiveCycleField.h"
#include "ptolemy/PtolemyUniverse.h"
#include "ptolemydialogs/UniverseSnapshot.h"
#include "shell/DemoRoot.h"
#include "shell/InitialLayoutPath.h"
#include "shell/MainWindow.h"
#include "windows/WindowRecord.h"
#include "windows/WindowRegistry.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSlider>

#include <gtest/gtest.h>

#include <algorithm>

using Field = LiveCyclesPanel::Field;
using Point = LiveCyclesPanel::Point;
using ptolemy_dialogs::UniverseSnapshot;

namespace {

std::string cycleElement(const char* name, double r, double eccx)
{
    return "<PtolemyOrbit><name>" + std::string(name) + "</name><phi>1</phi><om>0.5</om><r>" + std::to_string(r)
        + "</r><eccx>" + std::to_string(eccx) + "</eccx><eccy>0</eccy><eqx>0</eqx><eqy>0</eqy></PtolemyOrbit>";
}

std::string universeFile(const char* system, const std::string& cycles)
{
    return "<?xml version='1.0'?><PtolemyUniverse><PtolemyBody><name>" + std::string(system) + "</name>" + cycles
        + "</PtolemyBody></PtolemyUniverse>";
}

std::string universeCollection(const std::string& file, double left, double right)
{
    const std::string rect = "<ScreenRect><left>" + std::to_string(left) + "</left><top>0</top><right>"
        + std::to_string(right) + "</right><bottom>1</bottom></ScreenRect>";
    return "<ImageSourceCollection><ImageSource><type>PtolemyUniverse</type><args><arg>src=" + file
        + "</arg></args></ImageSource><Windows><ObserverWindow>" + rect
        + "<Refresh>15</Refresh></ObserverWindow></Windows></ImageSourceCollection>";
}

class LiveCyclesPanelTest : public testing::Test {
protected:
    void SetUp() override
    {
        root.folder().write("AstreonFiles/Mars.ptu",
            universeFile("Mars", cycleElement("deferent", 60, -5) + cycleElement("epicycle", 39.5, 0)));
        root.folder().write("AstreonFiles/Venus.ptu", universeFile("Venus", cycleElement("deferent", 12.25, 0)));
        root.folder().write("AstreonLayouts/Two.lay",
            "<Layout>" + universeCollection("AstreonFiles/Mars.ptu", 0, 0.5)
                + universeCollection("AstreonFiles/Venus.ptu", 0.5, 1) + "</Layout>");
        setInitialLayoutPath("AstreonLayouts/Two.lay");
        window = std::make_unique<MainWindow>();
        window->onCommand(kLiveCyclesCommand);
        panel = window->liveCyclesPanel();
    }

    PtolemyUniverse* universe() const { return panel->universe(); }

    bool hasLabelNamed(const QString& name) const
    {
        const QList<QLabel*> labels = panel->findChildren<QLabel*>();
        return std::any_of(
            labels.begin(), labels.end(), [&name](const QLabel* label) { return label->accessibleName() == name; });
    }

    UniverseSnapshot::Cycle modelCycle(int system, int cycle) const
    {
        return *UniverseSnapshot::of(*universe()).cycle(system, cycle);
    }

    testing_support::DemoRoot root;
    std::unique_ptr<MainWindow> window;
    LiveCyclesPanel* panel = nullptr;
};

} // namespace

TEST_F(LiveCyclesPanelTest, RefusedValuesChangeNothingAndSayWhyInThePanel)
{
    ASSERT_EQ(panel->universeCount(), 2);
    ASSERT_TRUE(panel->chooseSystem(0));
    ASSERT_TRUE(panel->chooseCycle(0));
    const UniverseSnapshot::Cycle deferent = modelCycle(0, 0);
    EXPECT_EQ(deferent.name, "deferent") << "cycles are listed in file order";

    const std::pair<Field, const char*> refused[] = {
        { Field::Radius, "abc" },
        { Field::Radius, "4" },
        { Field::Omega, "1e308" },
    };
    const char* const reasons[]
        = { "Orbit radius must be a positive number", "Eccentric outside orb radius", "Omega must lie between" };
    for (std::size_t index = 0; index < std::size(refused); ++index) {
        EXPECT_FALSE(panel->enterNumber(refused[index].first, refused[index].second)) << refused[index].second;
        EXPECT_EQ(panel->message().toStdString().rfind(reasons[index], 0), 0u) << panel->message().toStdString();
        EXPECT_TRUE(hasLabelNamed(panel->message())) << "screen readers read the refusal";
        EXPECT_TRUE(modelCycle(0, 0) == deferent) << "a refused value changes nothing";
    }

    EXPECT_TRUE(panel->enterNumber(Field::Radius, "33,5")) << panel->message().toStdString();
    EXPECT_EQ(modelCycle(0, 0).numbers[Field::Radius], 33.5);
    EXPECT_EQ(panel->message(), QString());
    EXPECT_EQ(panel->numberText(Field::Radius), "33.5");
}

TEST_F(LiveCyclesPanelTest, APointIsSetOnceItsBoxIsTickedAndClearedWhenUnticked)
{
    ASSERT_TRUE(panel->chooseSystem(0));
    ASSERT_TRUE(panel->chooseCycle(1));
    EXPECT_FALSE(panel->isPointShown(Point::Equant));
    EXPECT_FALSE(panel->enterNumber(Field::EquantX, "3")) << "the coordinates wait for the box";

    panel->setPointShown(Point::Equant, true);
    EXPECT_TRUE(panel->enterNumber(Field::EquantX, "3"));
    EXPECT_TRUE(modelCycle(0, 1).hasEquant);
    EXPECT_EQ(modelCycle(0, 1).numbers[Field::EquantX], 3);
    EXPECT_FALSE(panel->enterNumber(Field::EquantY, "40"));
    EXPECT_EQ(panel->message(), "Equant outside orb radius");

    panel->setPointShown(Point::Equant, false);
    EXPECT_FALSE(modelCycle(0, 1).hasEquant);
    EXPECT_EQ(modelCycle(0, 1).numbers[Field::EquantX], 0);
}

TEST_F(LiveCyclesPanelTest, ArrowKeysMoveASliderAndTheModelWithIt)
{
    ASSERT_TRUE(panel->chooseCycle(1));
    QSlider* const slider = panel->field(Field::Radius).slider();
    EXPECT_FALSE(slider->accessibleName().isEmpty());
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(slider, &right);
    EXPECT_DOUBLE_EQ(modelCycle(0, 1).numbers[Field::Radius], 39.6);
    EXPECT_EQ(panel->numberText(Field::Radius), "39.6");
}

// Edit > Undo takes a whole drag back at once, and names it; Redo brings it again, but
// not into the universe of a layout loaded since.
TEST_F(LiveCyclesPanelTest, ADragOfASliderIsOneStepToUndo)
{
    ASSERT_TRUE(panel->chooseCycle(1));
    QAction* const undo = window->commandAction(kUndoCommand);
    QAction* const redo = window->commandAction(kRedoCommand);
    EXPECT_FALSE(undo->isEnabled()) << "nothing to undo yet";
    EXPECT_EQ(undo->text(), "&Undo");
    QSlider* const slider = panel->field(Field::Radius).slider();
    slider->setSliderDown(true);
    for (int step = 1; step <= 3; ++step)
        slider->setValue(395 + 10 * step);
    slider->setSliderDown(false);
    ASSERT_DOUBLE_EQ(modelCycle(0, 1).numbers[Field::Radius], 42.5);
    EXPECT_EQ(undo->text(), "&Undo Cycle Change");

    window->onCommand(kUndoCommand);
    EXPECT_DOUBLE_EQ(modelCycle(0, 1).numbers[Field::Radius], 39.5);
    EXPECT_FALSE(undo->isEnabled()) << "the drag was one step";
    EXPECT_EQ(redo->text(), "&Redo Cycle Change");
    window->onCommand(kRedoCommand);
    EXPECT_DOUBLE_EQ(modelCycle(0, 1).numbers[Field::Radius], 42.5);
    EXPECT_FALSE(redo->isEnabled());

    window->onCommand(kUndoCommand);
    window->displayManager()->load("AstreonLayouts/Two.lay", 0);
    window->onCommand(kRedoCommand);
    EXPECT_DOUBLE_EQ(modelCycle(0, 1).numbers[Field::Radius], 39.5) << "a new layout has nothing to redo";
    EXPECT_FALSE(redo->isEnabled());
}

TEST_F(LiveCyclesPanelTest, FollowsTheUniverseUsedRandomAndANewLayout)
{
    WindowRecord* venusWindow = nullptr;
    for (WindowRecord* record : WindowRegistry::instance().records())
        if (record->imageSource != universe())
            venusWindow = record;
    ASSERT_NE(venusWindow, nullptr);
    QMouseEvent press(
        QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(venusWindow->window(), &press);
    EXPECT_EQ(universe(), venusWindow->imageSource) << "the universe last used";
    EXPECT_EQ(panel->numberText(Field::Radius), "12.25");

    universe()->RandomizeAll();
    panel->refresh();
    const UniverseSnapshot::Cycle random = modelCycle(0, 0);
    EXPECT_EQ(panel->cycleCount(), static_cast<int>(UniverseSnapshot::of(*universe()).system(0)->cycles.size()));
    EXPECT_EQ(panel->numberText(Field::Radius), LiveCycleField::shown(random.numbers[Field::Radius]));

    root.folder().write(
        "AstreonLayouts/One.lay", "<Layout>" + universeCollection("AstreonFiles/Venus.ptu", 0, 1) + "</Layout>");
    ASSERT_EQ(window->displayManager()->load("AstreonLayouts/One.lay", 0), S_OK);
    panel->refresh();
    EXPECT_EQ(panel->universeCount(), 1);
    EXPECT_EQ(panel->numberText(Field::Radius), "12.25") << "the new layout's universe";
    EXPECT_TRUE(panel->enterNumber(Field::Radius, "7"));
    EXPECT_EQ(modelCycle(0, 0).numbers[Field::Radius], 7);

    ASSERT_EQ(window->displayManager()->load("AstreonLayouts/Observatory.lay", 0), S_OK);
    panel->refresh();
    EXPECT_EQ(panel->universe(), nullptr);
    EXPECT_FALSE(panel->enterNumber(Field::Radius, "7"));
    EXPECT_EQ(panel->message(), "The layout on screen shows no Ptolemy universe.");
}

TEST_F(LiveCyclesPanelTest, TheLiveStepNamesWhatIsWrong)
{
    const std::pair<std::vector<std::string>, std::string> steps[] = {
        { { "2", "0", "r", "1" }, "live: there is no system 2 (the universe has 1)" },
        { { "0", "2", "r", "1" }, "live: system 0 has no cycle 2 (it has 2)" },
        { { "0", "x", "r", "1" }, "live: SYSTEM and CYCLE are whole numbers from 0, not 'x'" },
        { { "0", "1", "size", "1" }, "live: FIELD is one of r, om, phi, eccx, eccy, eqx, eqy, not 'size'" },
        { { "0", "1", "r", "-3" }, "live: r -3 refused: Orbit radius must be a positive number" },
    };
    for (const auto& [words, expected] : steps) {
        std::string problem;
        EXPECT_FALSE(window->runProgramStep("live", words, problem));
        EXPECT_EQ(problem, expected);
    }
    std::string problem;
    EXPECT_TRUE(window->runProgramStep("live", { "0", "1", "eccy", "2.5" }, problem)) << problem;
    EXPECT_EQ(modelCycle(0, 1).numbers[Field::EccentricY], 2.5);
    EXPECT_TRUE(modelCycle(0, 1).hasEccentric);
}
