#include "ptolemy/PtolemyUniverse.h"

#include "imagesource/SimulationClock.h"
#include "platform/Chooser.h"
#include "platform/Message.h"
#include "platform/Release.h"
#include "platform/ResourceLibrary.h"
#include "ptolemy/PtolemyBody.h"
#include "support/TestFiles.h"
#include "windows/ControlWindow.h"
#include "windows/WindowRegistry.h"

#include <QPushButton>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

using testing_support::TemporaryFolder;

class PtolemyUniverseCommand : public testing::Test {
protected:
    platform::MessageRecorder recorder;
    platform::ScriptedChooser chooser;
    platform::ScopedChooser chooserScope { chooser };
    // The window layer reaches the universe's control windows (relabelling) once its registry exists.
    WindowRegistry& windows = WindowRegistry::instance();
    TemporaryFolder folder;
    PtolemyUniverse universe;
    ControlWindow control { nullptr, &universe };

    HRESULT press(int command) { return universe.OnCommand(&control, static_cast<std::uintptr_t>(command), 0); }
    std::string label(int index) { return control.button(index)->text().toStdString(); }
    bool paused()
    {
        universe.LockClock();
        const bool result = universe.Clock().paused();
        universe.UnlockClock();
        return result;
    }
};

TEST_F(PtolemyUniverseCommand, ButtonsInTableOrder)
{
    const char* labels[] = { "Restart", "Pause", "Load", "Save", "Random", "Edit" };
    ASSERT_EQ(control.buttonCount(), 6);
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(label(k), labels[k]);
        EXPECT_EQ(universe.GetButtons()[k].style, 0u);
    }
    platform::setRelease(platform::Release::Earlier);
    EXPECT_EQ(universe.GetButtons()[0].label, "Init");
    platform::setRelease(platform::Release::Current);
}

TEST_F(PtolemyUniverseCommand, PauseTwiceRestoresTheLabelAndTimeGoesOn)
{
    EXPECT_EQ(control.button(1)->toolTip(), "Stop the model's time");
    EXPECT_EQ(press(1), S_OK);
    EXPECT_TRUE(paused());
    EXPECT_EQ(label(1), "Resume");
    // The tip follows the label, for the mouse and for a screen reader.
    EXPECT_EQ(control.button(1)->accessibleDescription(), "Let the model's time run on");
    // Restart while paused: time 0, still paused.
    EXPECT_EQ(press(0), S_OK);
    EXPECT_TRUE(paused());
    EXPECT_DOUBLE_EQ(universe.Time(), 0);
    EXPECT_EQ(press(1), S_OK);
    EXPECT_FALSE(paused());
    EXPECT_EQ(label(1), "Pause");
    // The high bits of wparam are not part of the command number.
    EXPECT_EQ(universe.OnCommand(&control, 0x10001, 0), S_OK);
    EXPECT_TRUE(paused());
}

TEST_F(PtolemyUniverseCommand, SaveThenLoadRestoresTheSystems)
{
    universe.Bodies().Get(0)->SetName("Saved system");
    const auto chain = universe.Bodies().Get(0)->CopyChain();
    const std::string path = folder.file("saved.ptu");
    chooser.answerFile(path);
    EXPECT_EQ(press(3), S_OK);
    EXPECT_EQ(universe.ShownFile(), path);
    ASSERT_EQ(chooser.fileRequests().size(), 1u);
    EXPECT_EQ(chooser.fileRequests()[0].kind, platform::FileDialogKind::SaveAs);
    EXPECT_EQ(chooser.fileRequests()[0].filterDescription, "PTU files (*.PTU)");
    EXPECT_EQ(chooser.fileRequests()[0].filterPattern, "*.ptu");
    EXPECT_EQ(chooser.fileRequests()[0].defaultExtension, ".ptu");

    press(4);
    EXPECT_EQ(universe.ShownFile(), "");
    chooser.answerFile(path);
    EXPECT_EQ(press(2), S_OK);
    EXPECT_EQ(universe.ShownFile(), path);
    ASSERT_EQ(universe.Bodies().Count(), 1);
    EXPECT_EQ(universe.Bodies().Get(0)->GetName(), "Saved system");
    // Numbers come back to six decimals.
    EXPECT_NEAR(universe.Bodies().Get(0)->Chain()->r, chain->r, 0.0000005);
    EXPECT_EQ(universe.Bodies().Get(0)->OrbCount(), chain->ChainLength());
}

// Saving over a read-only file fails, keeps the file and says so, naming the file and
// the system's reason; the universe keeps showing no file.
TEST_F(PtolemyUniverseCommand, SaveOverAReadOnlyFileKeepsItAndSaysWhy)
{
    const std::string path = folder.write("kept.ptu", "the teacher's copy");
    std::filesystem::permissions(path, std::filesystem::perms(0444));
    chooser.answerFile(path);
    EXPECT_TRUE(FAILED(press(3)));
    EXPECT_EQ(testing_support::readWholeFile(path), "the teacher's copy");
    EXPECT_EQ(universe.ShownFile(), "");
    ASSERT_EQ(recorder.count(), 1u);
    EXPECT_EQ(recorder.last().text, "Couldn't save " + path + ": Permission denied");
    EXPECT_EQ(recorder.last().caption, "Astreon Error");
}

TEST_F(PtolemyUniverseCommand, ALoadThatDoesNotReadKeepsTheSystems)
{
    universe.Bodies().Get(0)->SetName("Keep me");
    chooser.answerFile(folder.write("bad.ptu",
        "<?xml version='1.0'?>\n<PtolemyUniverse><PtolemyBody>"
        "<PtolemyOrbit><name>x</name></PtolemyOrbit></PtolemyBody>"
        "</PtolemyUniverse>\n"));
    EXPECT_TRUE(FAILED(press(2)));
    ASSERT_EQ(universe.Bodies().Count(), 1);
    EXPECT_EQ(universe.Bodies().Get(0)->GetName(), "Keep me");
    EXPECT_EQ(recorder.last().text, "Couldn't load " + folder.file("bad.ptu") + ": system 1: a cycle has no <om>");
    const std::string layout = folder.write("a.lay", "<?xml version='1.0'?>\n<Layout></Layout>\n");
    chooser.answerFile(layout);
    EXPECT_TRUE(FAILED(press(2)));
    EXPECT_EQ(
        recorder.last().text, "Couldn't load " + layout + ": it is not a universe file (systems of cycles, .ptu)");
    EXPECT_EQ(universe.Bodies().Count(), 1);
    const std::size_t shown = recorder.count();
    chooser.answerCancel();
    EXPECT_TRUE(FAILED(press(2)));
    EXPECT_EQ(universe.Bodies().Count(), 1);
    EXPECT_EQ(recorder.count(), shown) << "a cancelled Load says nothing";
}

// A Load loses nothing without a word: a number that is not finite refuses the file by
// name (the systems on show stay); systems past the 32 a universe holds are named.
TEST_F(PtolemyUniverseCommand, ALoadSaysWhatItRefusedAndWhatItLeftOut)
{
    const auto orb = [](const std::string& r) {
        return "<PtolemyBody><name>S</name><PtolemyOrbit><name>o</name><phi>0</phi><om>1</om><r>" + r
            + "</r><eccx>0</eccx><eccy>0</eccy><eqx>0</eqx><eqy>0</eqy></PtolemyOrbit></PtolemyBody>";
    };
    const auto universeFile = [&](const std::string& name, const std::string& bodies) {
        return folder.write(name, "<?xml version='1.0'?>\n<PtolemyUniverse>" + bodies + "</PtolemyUniverse>\n");
    };
    universe.Bodies().Get(0)->SetName("Keep me");
    const std::string infinite = universeFile("infinite.ptu", orb("2") + orb("1e309"));
    chooser.answerFile(infinite);
    EXPECT_TRUE(FAILED(press(2)));
    EXPECT_EQ(universe.Bodies().Get(0)->GetName(), "Keep me");
    EXPECT_EQ(recorder.last().text,
        "Couldn't load " + infinite + ": system 2: <r> holds \"1e309\", which is not a finite number");

    std::string many;
    for (int k = 0; k < 33; ++k)
        many += orb("2");
    const std::string crowded = universeFile("crowded.ptu", many);
    chooser.answerFile(crowded);
    EXPECT_EQ(press(2), S_OK);
    EXPECT_EQ(universe.Bodies().Count(), 32);
    EXPECT_EQ(recorder.last().text, crowded + " holds 33 systems; a universe holds 32: the first 32 were loaded.");

    // A trail that does not read leaves its system unmatched, and the Load says so.
    const std::string unmatched = universeFile(
        "unmatched.ptu", "<PtolemyBody><name>Mars</name><match>" + folder.file("none.obs") + "</match></PtolemyBody>");
    chooser.answerFile(unmatched);
    EXPECT_EQ(press(2), S_OK);
    EXPECT_EQ(recorder.last().text, "The observation trail of \"Mars\" could not be read; the system is not matched.");

    // A layout's "src" says why beneath the argument's own message.
    EXPECT_TRUE(FAILED(universe.SetArgument("src", folder.path().string(), 1)));
    EXPECT_EQ(recorder.last().text,
        "PtolemyUniverse: unrecognized argument: src = " + folder.path().string() + "\nCouldn't load "
            + folder.path().string() + ": it is a folder, not a file");
    EXPECT_EQ(universe.Bodies().Get(0)->GetName(), "Mars");
}

TEST_F(PtolemyUniverseCommand, EditWithoutTheDialogShowsTheRightMessage)
{
    universe.SetAutoChange(true);
    EXPECT_TRUE(FAILED(press(5)));
    ASSERT_EQ(recorder.count(), 1u);
    EXPECT_EQ(recorder.last().text, "PtolemyUniverse has no dialog resource instance.\nOperation unavailable");
    EXPECT_EQ(recorder.last().caption, "Astreon Error");
    EXPECT_TRUE(universe.AutoChange());
}

TEST_F(PtolemyUniverseCommand, EditWithTheLibraryRunsTheInstalledDialog)
{
    static const std::unique_ptr<platform::ResourceLibrary> library = platform::ResourceLibrary::load();
    if (!library)
        GTEST_SKIP() << "the resource library is not beside the test program";
    const platform::ResourceLibrary* previous = platform::ResourceLibrary::current();
    platform::ResourceLibrary::setCurrent(library.get());
    // Without an installed dialog the failure is shown with the platform's text.
    EXPECT_TRUE(FAILED(press(5)));
    ASSERT_EQ(recorder.count(), 1u);
    EXPECT_EQ(recorder.last().caption, "Error");
    EXPECT_FALSE(recorder.last().text.empty());

    universe.SetAutoChange(true);
    QWidget* parentSeen = nullptr;
    bool autoChangeDuringDialog = true;
    PtolemyUniverse::setSystemsDialogRunner([&](QWidget* parent) {
        parentSeen = parent;
        autoChangeDuringDialog = universe.AutoChange();
        return SystemsDialogOutcome { 2, "" };
    });
    EXPECT_EQ(press(5), S_OK);
    EXPECT_EQ(parentSeen, &control);
    EXPECT_FALSE(autoChangeDuringDialog);
    EXPECT_TRUE(universe.AutoChange());
    EXPECT_EQ(recorder.count(), 1u);
    PtolemyUniverse::setSystemsDialogRunner(nullptr);
    platform::ResourceLibrary::setCurrent(previous);
}

TEST_F(PtolemyUniverseCommand, UnknownCommandsAndNoDisplayManager)
{
    EXPECT_EQ(press(6), E_FAIL);
    EXPECT_EQ(recorder.last().text, "Couldn't send message.");
    EXPECT_EQ(recorder.last().caption, "Error");
    press(9);
    EXPECT_EQ(recorder.last().text, "Got a message I wasn't ready for.");
    EXPECT_EQ(recorder.last().caption, "Error");
}

} // namespace

namespace {

// A screen reader follows a retrograde loop by ear: the description says where the planet
// stands in the sky and which way it moves, and over a synodic period it turns back.
TEST(PtolemyUniverseSpoken, NamesTheSystemsAndFollowsTheirLongitude)
{
    PtolemyUniverse universe;
    ASSERT_EQ(universe.LoadFromPath(std::string(SKYLOOM_DATA_DIR) + "/AstreonFiles/Mars.ptu"), S_OK);
    EXPECT_EQ(universe.AccessibleName(0), "Ptolemaic universe: Mars (Almagest)");
    EXPECT_EQ(universe.AccessibleName(0x4000000), "Sky strip of ecliptic longitude");
    universe.LockClock();
    universe.Clock().setPaused(true);
    universe.UnlockClock();
    int backwards = 0;
    for (double t = 0; t < 2.2; t += 0.02) {
        universe.LockClock();
        universe.Clock().setTime(t);
        universe.UnlockClock();
        const std::string description = universe.AccessibleDescription(0);
        ASSERT_EQ(description.rfind("Mars (Almagest) at longitude ", 0), 0u) << description;
        backwards += description.find("moving backwards (retrograde)") != std::string::npos ? 1 : 0;
    }
    EXPECT_GT(backwards, 0);
    EXPECT_LT(backwards, 40);
}

} // namespace
