// The shipped Ptolemy universe layout driven through its control window: Pause turns into
// Resume and back, Save writes a universe file, Load reads it back without complaint, and
// saving again after the load writes the same file.
#include "ProgramSandbox.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// PtolemyUniverse.lay creates the observer window (0), then the control window (1).
std::string ptolemyLayout() { return ProgramSandbox::rootDirectory() + "/AstreonLayouts/PtolemyUniverse.lay"; }

const std::string kUniverseHeader = "<?xml version='1.0'?>\n<!DOCTYPE PtolemyUniverse SYSTEM \"PtolemyData.dtd\">\n";

TEST(PtolemyFlowTest, PauseButtonReadsResumeWhilePaused)
{
    const ProgramSandbox sandbox;
    const std::string script = sandbox.writeScript(
        "pause.txt", { "press 1 Pause", "press 1 Pause", "press 1 Resume", "press 1 Resume", "press 1 Pause", "quit" });

    const ProgramResult result = sandbox.run({ "--batch", "--script", script, "--", ptolemyLayout() });

    // Only the presses of the label the button does not show fail.
    const std::vector<std::string> expected = {
        "skyloom: script line 2: window 1 has no button 'Pause'",
        "skyloom: script line 4: window 1 has no button 'Resume'",
    };
    EXPECT_EQ(result.errorLines(), expected) << result.errors;
    EXPECT_EQ(result.exitCode, 0);
}

TEST(PtolemyFlowTest, SavedUniverseLoadsBackAndSavesTheSame)
{
    const ProgramSandbox sandbox;
    const std::string saved = sandbox.file("u.ptu");
    const std::string savedAgain = sandbox.file("again.ptu");
    const std::string script = sandbox.writeScript("files.txt",
        { "press 1 Pause", "answer-file " + saved, "press 1 Save", "answer-file " + saved, "press 1 Load",
            "answer-file " + savedAgain, "press 1 Save", "quit" });

    const ProgramResult result = sandbox.run({ "--batch", "--script", script, "--", ptolemyLayout() });

    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.errors, "");
    ASSERT_TRUE(std::filesystem::exists(saved));
    const std::string text = testing_support::readWholeFile(saved);
    EXPECT_EQ(text.rfind(kUniverseHeader, 0), 0u) << text;
    EXPECT_NE(text.find("<PtolemyBody>"), std::string::npos) << text;
    EXPECT_NE(text.find("<PtolemyOrbit>"), std::string::npos) << text;
    ASSERT_TRUE(std::filesystem::exists(savedAgain));
    EXPECT_EQ(testing_support::readWholeFile(savedAgain), text);
}

TEST(PtolemyFlowTest, LoadingAMissingUniverseReportsIt)
{
    const ProgramSandbox sandbox;
    const std::string script
        = sandbox.writeScript("missing.txt", { "answer-file " + sandbox.file("missing.ptu"), "press 1 Load", "quit" });

    const ProgramResult result = sandbox.run({ "--batch", "--script", script, "--", ptolemyLayout() });

    const std::vector<std::string> expected = { "MessageBox[Error Loading XML Document]: Your XML file wasn't found." };
    EXPECT_EQ(result.errorLines(), expected) << result.errors;
    EXPECT_EQ(result.exitCode, 0);
}

} // namespace

// A student's whole edit, worked by script steps on the real dialogs: a new random
// system, its outer cycle's radius, its trace colour; a save shows all three. A radius
// that is not a positive number is refused and changes nothing.
TEST(PtolemyFlowTest, EditingDialogsChangeTheSystemsThatASaveWrites)
{
    ProgramSandbox sandbox;
    const std::string saved = sandbox.file("edited.ptu");
    const std::string script = sandbox.writeScript("edit.txt",
        { "wait 200", "press 1 Edit", "dialog 1017 click", "dialog 1042 click", "dialog 1014 dblclick",
            "dialog 1014 select 0", "dialog 1012 click", "dialog 1006 text -3", "dialog 1 click",
            "dialog 1006 text 42.5", "dialog 1 click", "dialog 1 click", "dialog 1043 click", "dialog 1014 dblclick",
            "answer-colour 12 34 56", "dialog 1010 click", "dialog 1 click", "dialog 1 click", "answer-file " + saved,
            "press 1 Save", "quit" });

    const ProgramResult result = sandbox.run({ "--batch", "--script", script, "--", ptolemyLayout() });

    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.errorLines(),
        std::vector<std::string> { "MessageBox[Bad Parameter]: Orbit radius must be a positive number" });
    const std::string text = testing_support::readWholeFile(saved);
    const std::size_t added = text.find("<name>Random #1</name>");
    ASSERT_NE(added, std::string::npos) << text;
    const std::string system = text.substr(added);
    EXPECT_NE(system.find("<arg>red=12</arg>"), std::string::npos) << "the trace colour";
    EXPECT_NE(system.find("<r>42.500000</r>"), std::string::npos) << "the outer cycle's radius";
    EXPECT_EQ(system.find("<r>-3"), std::string::npos);
}
