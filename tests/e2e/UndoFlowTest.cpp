// Edit > Undo and Redo (menu commands 40030 and 40031) on the shipped layouts, worked by
// scripts: whatever changed a universe's systems (Random, the editing dialogs, the live
// cycles panel), undoing it gives back a universe that saves the very bytes it saved
// before, and redoing it the bytes of the change.
#include "ProgramSandbox.h"

#include <gtest/gtest.h>

namespace {

// PtolemyUniverse.lay creates the observer window (0), then the control window (1).
std::string ptolemyLayout() { return ProgramSandbox::rootDirectory() + "/AstreonLayouts/PtolemyUniverse.lay"; }

// Saves the universe of the control window `window` to the sandbox's file `name`.
std::vector<std::string> saveSteps(const ProgramSandbox& sandbox, const std::string& name, int window = 1)
{
    return { "answer-file " + sandbox.file(name), "press " + std::to_string(window) + " Save" };
}

std::vector<std::string> joined(std::initializer_list<std::vector<std::string>> parts)
{
    std::vector<std::string> steps;
    for (const std::vector<std::string>& part : parts)
        steps.insert(steps.end(), part.begin(), part.end());
    return steps;
}

std::string saved(const ProgramSandbox& sandbox, const std::string& name)
{
    return testing_support::readWholeFile(sandbox.file(name));
}

} // namespace

TEST(UndoFlowTest, RandomUndoneSavesTheBytesOfBeforeAndRedoneThoseOfTheRandom)
{
    const ProgramSandbox sandbox;
    const std::string script = sandbox.writeScript("random.txt",
        joined({ { "wait 200", "press 1 Pause" }, saveSteps(sandbox, "before.ptu"), { "press 1 Random" },
            saveSteps(sandbox, "random.ptu"), { "menu 40030" }, saveSteps(sandbox, "undone.ptu"), { "menu 40031" },
            saveSteps(sandbox, "redone.ptu"), { "quit" } }));

    const ProgramResult result = sandbox.run({ "--batch", "--script", script, "--", ptolemyLayout() });

    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.errors, "");
    ASSERT_NE(saved(sandbox, "random.ptu"), saved(sandbox, "before.ptu"));
    EXPECT_EQ(saved(sandbox, "undone.ptu"), saved(sandbox, "before.ptu"));
    EXPECT_EQ(saved(sandbox, "redone.ptu"), saved(sandbox, "random.ptu"));
}

// Each dialog that closes is one step: a new system, a cycle's radius, a trace colour.
TEST(UndoFlowTest, TheEditingDialogsAreUndoneADialogAtATime)
{
    const ProgramSandbox sandbox;
    const std::vector<std::string> edit = { "press 1 Edit", "dialog 1017 click", "dialog 1042 click",
        "dialog 1014 dblclick", "dialog 1014 select 0", "dialog 1012 click", "dialog 1006 text 42.5", "dialog 1 click",
        "dialog 1 click", "dialog 1043 click", "dialog 1014 dblclick", "answer-colour 12 34 56", "dialog 1010 click",
        "dialog 1 click", "dialog 1 click" };
    const std::string script = sandbox.writeScript("edit.txt",
        joined(
            { { "wait 200", "press 1 Pause" }, saveSteps(sandbox, "before.ptu"), edit, saveSteps(sandbox, "edited.ptu"),
                { "menu 40030" }, saveSteps(sandbox, "colour-undone.ptu"), { "menu 40030", "menu 40030" },
                saveSteps(sandbox, "undone.ptu"), { "menu 40030" }, saveSteps(sandbox, "nothing-more.ptu"),
                { "menu 40031", "menu 40031", "menu 40031" }, saveSteps(sandbox, "redone.ptu"), { "quit" } }));

    const ProgramResult result = sandbox.run({ "--batch", "--script", script, "--", ptolemyLayout() });

    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.errors, "");
    const std::string colourUndone = saved(sandbox, "colour-undone.ptu");
    EXPECT_EQ(colourUndone.find("<arg>red=12</arg>"), std::string::npos) << "the display dialog's step";
    EXPECT_NE(colourUndone.find("<r>42.500000</r>"), std::string::npos) << "the cycle's step stays";
    EXPECT_EQ(saved(sandbox, "undone.ptu"), saved(sandbox, "before.ptu"));
    EXPECT_EQ(saved(sandbox, "nothing-more.ptu"), saved(sandbox, "before.ptu"));
    EXPECT_EQ(saved(sandbox, "redone.ptu"), saved(sandbox, "edited.ptu"));
}

TEST(UndoFlowTest, ALiveCycleChangeIsUndone)
{
    const ProgramSandbox sandbox;
    // Mars Against The Sky.lay creates its two observer windows (0, 1), then the control window (2).
    const std::string layout = ProgramSandbox::rootDirectory() + "/AstreonLayouts/Mars Against The Sky.lay";
    const std::string script = sandbox.writeScript("live.txt",
        joined({ { "wait 300" }, saveSteps(sandbox, "before.ptu", 2), { "live 0 1 r 33.5" },
            saveSteps(sandbox, "live.ptu", 2), { "menu 40030" }, saveSteps(sandbox, "undone.ptu", 2), { "quit" } }));

    const ProgramResult result = sandbox.run({ "--batch", "--script", script, "--", layout });

    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.errors, "");
    EXPECT_NE(saved(sandbox, "live.ptu").find("<r>33.500000</r>"), std::string::npos);
    EXPECT_EQ(saved(sandbox, "undone.ptu"), saved(sandbox, "before.ptu"));
}
