#include "scripting/ScriptStep.h"

#include <gtest/gtest.h>

namespace {

// The one step of a one-line script; fails the test when the line is not a step.
ScriptStep stepOf(const std::string& line)
{
    const ParsedScript script = parseScript(line);
    EXPECT_TRUE(script.errors.empty()) << (script.errors.empty() ? "" : script.errors.front());
    EXPECT_EQ(script.steps.size(), 1u);
    return script.steps.empty() ? ScriptStep {} : script.steps.front();
}

bool isRejected(const std::string& line)
{
    const ParsedScript script = parseScript(line);
    return script.steps.empty() && script.errors.size() == 1;
}

} // namespace

TEST(ScriptStepTest, EveryKindOfStepIsRead)
{
    EXPECT_EQ(stepOf("wait 250").kind, ScriptStep::Kind::Wait);
    EXPECT_EQ(stepOf("wait 250").number, 250);
    EXPECT_EQ(stepOf("menu 40003").kind, ScriptStep::Kind::Menu);
    EXPECT_EQ(stepOf("menu 40003").number, 40003);
    EXPECT_EQ(stepOf("answer-cancel").kind, ScriptStep::Kind::AnswerCancel);
    EXPECT_EQ(stepOf("quit").kind, ScriptStep::Kind::Quit);

    const ScriptStep press = stepOf("press 2 Start Pounding Now");
    EXPECT_EQ(press.kind, ScriptStep::Kind::Press);
    EXPECT_EQ(press.number, 2);
    EXPECT_EQ(press.text, "Start Pounding Now");

    const ScriptStep answer = stepOf("answer-file AstreonFiles/My Universe.ptu");
    EXPECT_EQ(answer.kind, ScriptStep::Kind::AnswerFile);
    EXPECT_EQ(answer.text, "AstreonFiles/My Universe.ptu");

    const ScriptStep screenshot = stepOf("screenshot /tmp/shot one.png");
    EXPECT_EQ(screenshot.kind, ScriptStep::Kind::Screenshot);
    EXPECT_EQ(screenshot.text, "/tmp/shot one.png");

    const ScriptStep colour = stepOf("answer-colour 255 128 1");
    EXPECT_EQ(colour.kind, ScriptStep::Kind::AnswerColour);
    EXPECT_EQ(colour.number, 255 | (128 << 8) | (1 << 16));
    EXPECT_EQ(stepOf("answer-colour-cancel").kind, ScriptStep::Kind::AnswerColourCancel);
    EXPECT_EQ(stepOf("dialog close").kind, ScriptStep::Kind::DialogClose);
    const ScriptStep typed = stepOf("dialog 1006 text  a name with spaces");
    EXPECT_EQ(typed.kind, ScriptStep::Kind::Dialog);
    EXPECT_EQ(typed.number, 1006);
    EXPECT_EQ(typed.text, "text");
    EXPECT_EQ(typed.value, "a name with spaces");
    EXPECT_EQ(stepOf("dialog 1002 select 3").value, "3");
    EXPECT_EQ(stepOf("dialog-shot d.png").kind, ScriptStep::Kind::DialogShot);
}

TEST(ScriptStepTest, LineEndsBlankLinesAndCommentsAreHandled)
{
    const ParsedScript script = parseScript("# a comment\n\n   \nwait 5\r\npress 0 Load\r\n  quit\n");

    EXPECT_TRUE(script.errors.empty());
    ASSERT_EQ(script.steps.size(), 3u);
    EXPECT_EQ(script.steps[0].lineNumber, 4);
    EXPECT_EQ(script.steps[1].text, "Load") << "the carriage return is not part of the label";
    EXPECT_EQ(script.steps[2].kind, ScriptStep::Kind::Quit);
    EXPECT_EQ(script.steps[2].lineNumber, 6);
}

TEST(ScriptStepTest, LinesThatAreNotStepsAreRejected)
{
    EXPECT_TRUE(isRejected("jump 5"));
    EXPECT_TRUE(isRejected("Wait 5")) << "keywords are lower case";
    EXPECT_TRUE(isRejected("wait"));
    EXPECT_TRUE(isRejected("wait -1"));
    EXPECT_TRUE(isRejected("wait soon"));
    EXPECT_TRUE(isRejected("wait 5 6"));
    EXPECT_TRUE(isRejected("menu"));
    EXPECT_TRUE(isRejected("menu 4x"));
    EXPECT_TRUE(isRejected("press"));
    EXPECT_TRUE(isRejected("press 1"));
    EXPECT_TRUE(isRejected("press one Load"));
    EXPECT_TRUE(isRejected("press -1 Load"));
    EXPECT_TRUE(isRejected("answer-file"));
    EXPECT_TRUE(isRejected("screenshot"));
    EXPECT_TRUE(isRejected("answer-cancel now"));
    EXPECT_TRUE(isRejected("quit now"));
    EXPECT_TRUE(isRejected("answer-colour 1 2"));
    EXPECT_TRUE(isRejected("answer-colour 1 2 256"));
    EXPECT_TRUE(isRejected("dialog"));
    EXPECT_TRUE(isRejected("dialog close now"));
    EXPECT_TRUE(isRejected("dialog ok click"));
    EXPECT_TRUE(isRejected("dialog 1 press"));
    EXPECT_TRUE(isRejected("dialog 1 select"));
    EXPECT_TRUE(isRejected("dialog 1 select -2"));
    EXPECT_TRUE(isRejected("dialog 1 click twice"));
}

TEST(ScriptStepTest, ABadLineIsReportedWithItsNumberAndTheOthersStay)
{
    const ParsedScript script = parseScript("menu 40003\nfly away\nquit\n");

    ASSERT_EQ(script.errors.size(), 1u);
    EXPECT_NE(script.errors[0].find("line 2"), std::string::npos);
    EXPECT_NE(script.errors[0].find("fly"), std::string::npos);
    ASSERT_EQ(script.steps.size(), 2u);
    EXPECT_EQ(script.steps[1].kind, ScriptStep::Kind::Quit);
}

TEST(ScriptStepTest, AnyBytesGiveStepsOrErrorsButNeverACrash)
{
    std::string noise;
    for (int byte = 0; byte < 256; ++byte)
        noise += static_cast<char>(byte);
    const ParsedScript script = parseScript(noise + "\nwait 99999999999999999999\npress 99999999999 x\n");

    EXPECT_TRUE(script.steps.empty());
    EXPECT_EQ(script.errors.size(), 4u);
}

TEST(ScriptStepTest, OnlyAProgramWithTheLoadPageStepReadsIt)
{
    const ScriptingProgram container { "gazerix-container", false, true, {} };
    const ParsedScript script = parseScript("loadpage AstreonLayouts/One Universe.lay\n", container);
    ASSERT_EQ(script.steps.size(), 1u);
    EXPECT_EQ(script.steps[0].kind, ScriptStep::Kind::LoadPage);
    EXPECT_EQ(script.steps[0].text, "AstreonLayouts/One Universe.lay");

    EXPECT_TRUE(isRejected("loadpage a.lay")) << "skyloom has no loadpage step";
    const ParsedScript empty = parseScript("loadpage\n", container);
    ASSERT_EQ(empty.errors.size(), 1u);
    EXPECT_EQ(empty.errors[0], "gazerix-container: script line 1: loadpage needs a path");
}

TEST(ScriptStepTest, AProgramsOwnStepTakesExactlyItsWords)
{
    ScriptingProgram program;
    program.programSteps = { { "live", 4, "live SYSTEM CYCLE FIELD VALUE" } };
    const ParsedScript script = parseScript("live 0 1 r 33.5\nlive 0 1 r\n", program);

    ASSERT_EQ(script.steps.size(), 1u);
    EXPECT_EQ(script.steps[0].kind, ScriptStep::Kind::Program);
    EXPECT_EQ(script.steps[0].text, "live");
    EXPECT_EQ(script.steps[0].words, (std::vector<std::string> { "0", "1", "r", "33.5" }));
    ASSERT_EQ(script.errors.size(), 1u);
    EXPECT_EQ(script.errors[0], "skyloom: script line 2: use: live SYSTEM CYCLE FIELD VALUE");
    EXPECT_TRUE(isRejected("live 0 1 r 33.5")) << "a program without the step does not read it";
    EXPECT_NE(scriptStepsHelp(program).find("live SYSTEM CYCLE FIELD VALUE"), std::string::npos);
}

TEST(ScriptStepTest, AStepWhoseLastWordTakesTheRestOfTheLineKeepsBlanksInAPath)
{
    ScriptingProgram program;
    program.programSteps = { { "record", 3, "record WINDOW SECONDS PATH", true } };
    const ParsedScript script = parseScript("record -1 2.5 My Pictures/sky  show.gif\nrecord 0 3\n", program);

    ASSERT_EQ(script.steps.size(), 1u);
    EXPECT_EQ(script.steps[0].words, (std::vector<std::string> { "-1", "2.5", "My Pictures/sky  show.gif" }));
    ASSERT_EQ(script.errors.size(), 1u);
    EXPECT_EQ(script.errors[0], "skyloom: script line 2: use: record WINDOW SECONDS PATH");
}
