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
    const std::string script = sandbox.writeScript("pause.txt",
        {"press 1 Pause", "press 1 Pause", "press 1 Resume", "press 1 Resume", "press 1 Pause", "quit"});

    const ProgramResult result = sandbox.run({"--batch", "--script", script, "--", ptolemyLayout()});

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
        {"press 1 Pause", "answer-file " + saved, "press 1 Save", "answer-file " + saved, "press 1 Load",
            "answer-file " + savedAgain, "press 1 Save", "quit"});

    const ProgramResult result = sandbox.run({"--batch", "--script", script, "--", ptolemyLayout()});

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
    const std::string script = sandbox.writeScript("missing.txt",
        {"answer-file " + sandbox.file("missing.ptu"), "press 1 Load", "quit"});

    const ProgramResult result = sandbox.run({"--batch", "--script", script, "--", ptolemyLayout()});

    const std::vector<std::string> expected = {"MessageBox[Error Loading XML Document]: Your XML file wasn't found."};
    EXPECT_EQ(result.errorLines(), expected) << result.errors;
    EXPECT_EQ(result.exitCode, 0);
}

} // namespace
