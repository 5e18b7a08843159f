// The live cycles panel worked by the live step while the shipped Mars layout runs: the
// epicycle's radius changes at once, and a save of the running universe shows it.
#include "ProgramSandbox.h"

#include <gtest/gtest.h>

namespace {

// Mars Against The Sky.lay creates its two observer windows (0, 1), then the control window (2).
std::string marsLayout() { return ProgramSandbox::rootDirectory() + "/AstreonLayouts/Mars Against The Sky.lay"; }

} // namespace

TEST(LiveCyclesFlowTest, TheLiveStepChangesTheRunningEpicycleThatASaveWrites)
{
    const ProgramSandbox sandbox;
    const std::string saved = sandbox.file("out.ptu");
    const std::string script = sandbox.writeScript("live.txt",
        { "wait 500", "live 0 1 r -1", "live 0 1 r 33.5", "wait 500", "answer-file " + saved, "press 2 Save",
            "wait 500", "quit" });

    const ProgramResult result = sandbox.run({ "--batch", "--script", script, "--", marsLayout() });

    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.errorLines(),
        std::vector<std::string> {
            "skyloom: script line 2: live: r -1 refused: Orbit radius must be a positive number" });
    const std::string text = testing_support::readWholeFile(saved);
    const std::size_t epicycle = text.find("<name>epicycle</name>");
    ASSERT_NE(epicycle, std::string::npos) << text;
    EXPECT_NE(text.find("<r>33.500000</r>", epicycle), std::string::npos) << text;
    EXPECT_NE(text.find("<r>60.000000</r>"), std::string::npos) << "the deferent stays";
}
