// The command line seen from outside: help, version, usage errors, and the
// demonstration mode running through its list (several of whose layouts are not shipped).
#include "ProgramSandbox.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>

namespace {

TEST(ProgramOptionsTest, HelpPrintsUsageAndExitsWithZero)
{
    const ProgramSandbox sandbox;

    const ProgramResult result = sandbox.run({ "--help" });

    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.output.rfind("Usage: skyloom", 0), 0u) << result.output;
    EXPECT_NE(result.output.find("--script FILE"), std::string::npos);
    EXPECT_EQ(result.errors, "");
}

TEST(ProgramOptionsTest, VersionPrintsTheProjectVersionAndExitsWithZero)
{
    const ProgramSandbox sandbox;

    const ProgramResult result = sandbox.run({ "--version" });

    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.output, std::string("skyloom ") + SKYLOOM_EXPECTED_VERSION + "\n");
    EXPECT_EQ(result.errors, "");
}

// A script that is a folder (which read as nothing for ever) or a FIFO (which blocked) is
// refused before anything runs, as an unreadable one is.
TEST(ProgramOptionsTest, AScriptThatIsNoRegularFileExitsWithTwoAtOnce)
{
    const ProgramSandbox sandbox;
    const std::string fifo = sandbox.file("steps.fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);

    for (const std::string& script : { sandbox.folder().path().string(), fifo }) {
        const ProgramResult result = sandbox.run({ "--batch", "--script", script });

        EXPECT_EQ(result.exitCode, 2) << script;
        EXPECT_EQ(result.errors, "skyloom: cannot read the script '" + script + "'\n");
    }
}

// A screenshot is saved as every file is: a read-only file is never replaced (even by root).
TEST(ProgramOptionsTest, AScreenshotNeverReplacesAReadOnlyFile)
{
    const ProgramSandbox sandbox;
    const std::string shot = sandbox.folder().write("kept.png", "kept");
    std::filesystem::permissions(shot, std::filesystem::perms::owner_read);

    const ProgramResult result = sandbox.run({ "--batch", "--quit-after", "300", "--screenshot", shot });

    EXPECT_EQ(testing_support::readWholeFile(shot), "kept");
    EXPECT_EQ(result.errors, "skyloom: could not write the screenshot '" + shot + "'\n");
}

TEST(ProgramOptionsTest, UnknownOptionPrintsOneUsageLineAndExitsWithTwo)
{
    const ProgramSandbox sandbox;

    const ProgramResult result = sandbox.run({ "--frobnicate", "--batch" });

    EXPECT_EQ(result.exitCode, 2);
    ASSERT_EQ(result.errorLines().size(), 1u) << result.errors;
    EXPECT_NE(result.errors.find("--frobnicate"), std::string::npos) << result.errors;
    EXPECT_EQ(result.output, "");
}

TEST(ProgramOptionsTest, OptionMissingItsValueIsAUsageError)
{
    const ProgramSandbox sandbox;

    const ProgramResult result = sandbox.run({ "--batch", "--quit-after" });

    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.errorLines().size(), 1u) << result.errors;
}

// Without any display a batch run draws offscreen by itself, and Qt's notice about the
// missing runtime folder stays off standard error, which carries only the program's lines.
TEST(ProgramOptionsTest, BatchRunWithoutADisplayRunsOffscreenSilently)
{
    ProgramSandbox sandbox;
    sandbox.withoutDisplay();

    const ProgramResult result = sandbox.run({ "--batch", "--quit-after", "500" });

    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.errors, "");
}

TEST(ProgramOptionsTest, DemonstrationModeRunsThroughMissingLayoutsSilently)
{
    const ProgramSandbox sandbox;
    const std::string shot = sandbox.file("demo.png");

    // Ticks at 1, 2 and 3 s load Observatory.lay, the missing Bitmap Browser.lay and One Universe.lay.
    const ProgramResult result = sandbox.run({ "--batch", "--demo", "--quit-after", "3500", "--screenshot", shot });

    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.errors, "");
    EXPECT_TRUE(std::filesystem::exists(shot));
}

} // namespace
