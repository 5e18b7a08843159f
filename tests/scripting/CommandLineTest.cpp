#include "scripting/CommandLine.h"

#include <gtest/gtest.h>

namespace {

CommandLine parse(std::vector<std::string> arguments) { return CommandLine::parse(arguments); }

} // namespace

TEST(CommandLineTest, NoArgumentsGiveNoOptionsAndAnEmptyTail)
{
    const CommandLine line = parse({});

    EXPECT_TRUE(line.isValid());
    EXPECT_FALSE(line.help || line.version || line.batch || line.demo);
    EXPECT_EQ(line.tail, "");
    EXPECT_FALSE(line.usesBatchMode());
    EXPECT_FALSE(line.finishAfterMilliseconds());
}

TEST(CommandLineTest, FlagsAndValuedOptionsAreRead)
{
    const CommandLine line = parse({ "--batch", "--demo", "--script", "steps.txt", "--screenshot", "shot.png",
        "--quit-after", "3000", "--help", "--version" });

    ASSERT_TRUE(line.isValid()) << line.error;
    EXPECT_TRUE(line.batch);
    EXPECT_TRUE(line.demo);
    EXPECT_TRUE(line.help);
    EXPECT_TRUE(line.version);
    EXPECT_EQ(line.scriptPath, "steps.txt");
    EXPECT_EQ(line.screenshotPath, "shot.png");
    EXPECT_EQ(line.quitAfterMilliseconds, 3000);
    EXPECT_EQ(line.finishAfterMilliseconds(), 3000);
}

TEST(CommandLineTest, TheWordsAfterTheOptionsFormTheTailJoinedBySingleSpaces)
{
    EXPECT_EQ(parse({ "--batch", "My", "Layouts/Sky", "Show.lay" }).tail, "My Layouts/Sky Show.lay");
    EXPECT_EQ(parse({ "\"quoted", "path.lay\"" }).tail, "\"quoted path.lay\"");
    EXPECT_EQ(parse({ "x" }).tail, "x");
    EXPECT_EQ(parse({ "a.lay", "--demo" }).tail, "a.lay --demo") << "options end at the first word";
    EXPECT_FALSE(parse({ "a.lay", "--demo" }).demo);
    EXPECT_EQ(parse({ "--", "--demo.lay" }).tail, "--demo.lay") << "-- ends the options";
    EXPECT_EQ(parse({ "-", "b" }).tail, "- b");
}

TEST(CommandLineTest, UnknownOptionsAndMissingOrBadValuesAreUsageErrors)
{
    const CommandLine unknown = parse({ "--fast", "a.lay" });
    EXPECT_FALSE(unknown.isValid());
    EXPECT_NE(unknown.error.find("--fast"), std::string::npos);
    EXPECT_EQ(unknown.error.find('\n'), std::string::npos) << "one line";

    EXPECT_FALSE(parse({ "-x" }).isValid());
    EXPECT_FALSE(parse({ "--script" }).isValid());
    EXPECT_FALSE(parse({ "--screenshot" }).isValid());
    EXPECT_FALSE(parse({ "--quit-after", "soon" }).isValid());
    EXPECT_FALSE(parse({ "--quit-after", "-5" }).isValid());
    EXPECT_FALSE(parse({ "--quit-after", "10ms" }).isValid());
}

TEST(CommandLineTest, AScriptImpliesBatchModeAndAScreenshotAloneStillFinishes)
{
    EXPECT_TRUE(parse({ "--script", "s.txt" }).usesBatchMode());
    EXPECT_TRUE(parse({ "--batch" }).usesBatchMode());

    const CommandLine screenshot = parse({ "--screenshot", "shot.png" });
    EXPECT_EQ(screenshot.finishAfterMilliseconds(), CommandLine::kDefaultScreenshotDelayMilliseconds);
}

TEST(CommandLineTest, AProgramWithoutADemonstrationModeRefusesDemoAndNamesItselfInErrors)
{
    const ScriptingProgram container { "gazerix-container", false, true, {} };
    const CommandLine line = CommandLine::parse({ "--demo", "a.lay" }, container);
    EXPECT_FALSE(line.isValid());
    EXPECT_EQ(line.error.rfind("gazerix-container: unknown option '--demo'", 0), 0u) << line.error;
    EXPECT_EQ(CommandLine::parse({ "--batch", "--", "a.lay" }, container).tail, "a.lay");
}

TEST(CommandLineTest, RecordTakesAFiniteNumberOfSecondsAndAPathInAProgramThatOffersIt)
{
    ScriptingProgram skyloom;
    skyloom.hasRecordOption = true;
    const CommandLine line = CommandLine::parse({ "--record", "2.5", "sky.gif", "--", "a.lay" }, skyloom);
    ASSERT_TRUE(line.isValid()) << line.error;
    EXPECT_EQ(line.recordSeconds, 2.5);
    EXPECT_EQ(line.recordPath, "sky.gif");
    EXPECT_EQ(line.tail, "a.lay");
    EXPECT_TRUE(line.isUnattended());
    EXPECT_FALSE(line.finishAfterMilliseconds()) << "the recording's end, not a time, ends the run";

    for (const char* seconds : { "0", "-1", "nan", "inf", "3601", "1e400", "2s", "" })
        EXPECT_FALSE(CommandLine::parse({ "--record", seconds, "sky.gif" }, skyloom).isValid()) << seconds;
    EXPECT_FALSE(CommandLine::parse({ "--record", "2" }, skyloom).isValid()) << "no path";
    EXPECT_FALSE(parse({ "--record", "2", "sky.gif" }).isValid()) << "a program without the option refuses it";
}
