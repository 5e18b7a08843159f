// Every way a layout file can fail, seen from outside: the program starts on the file
// (loaded silently), Reload loads it again with messages, and standard error must hold
// exactly the message lines of that failure, in order. A press on window 0 before and
// after the Reload shows whether a layout is on screen: the files put a Kepler control
// window (button "Init") first, so a layout that loads answers the press silently.
#include "ProgramSandbox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kNoWindowBefore = "skyloom: script line 1: no window 0 in the layout on screen";
const std::string kNoWindowAfter = "skyloom: script line 3: no window 0 in the layout on screen";

std::string layoutFile(const std::string& name) { return std::string(SKYLOOM_E2E_DATA_DIR) + "/layouts/" + name; }

struct LayoutCase {
    std::string name; // test name
    std::string path; // the layout path given on the command line
    std::vector<std::string> messages; // the lines Reload prints, in order
    bool loads = false; // whether the file is shown
};

void PrintTo(const LayoutCase& layoutCase, std::ostream* out) { *out << layoutCase.name; }

std::string message(const std::string& caption, const std::string& text)
{
    return "MessageBox[" + caption + "]: " + text;
}

LayoutCase failing(const std::string& name, std::vector<std::string> messages)
{
    return { name, layoutFile(name + ".lay"), std::move(messages), false };
}

LayoutCase loading(const std::string& name) { return { name, layoutFile(name + ".lay"), {}, true }; }

std::vector<LayoutCase> layoutCases()
{
    const std::string layoutError = "Layout Error";
    const std::string parserError = "Parser Error";
    const std::string xmlError = "Error Loading XML Document";
    return {
        // Files that are not layouts at all.
        { "missing_file", layoutFile("no-such-layout.lay"), { message(xmlError, "Your XML file wasn't found.") },
            false },
        { "directory", layoutFile(""),
            { message(
                xmlError, "Your XML Document couldn't be loaded\\nCurrentDir= " + ProgramSandbox::rootDirectory()) },
            false },
        failing("malformed",
            { message(xmlError, "Error on line 4, position 3 in \"" + layoutFile("malformed.lay") + "\".\\n") }),
        failing("not-xml",
            { message(xmlError, "Error on line 1, position 1 in \"" + layoutFile("not-xml.lay") + "\".\\n") }),
        failing("no-layout-element",
            { message("Error Parsing Layout", "No layout present"), message(layoutError, "No Layout element found") }),
        // The background colour.
        failing("colour-without-equals", { message(parserError, "Unrecognized color argument: red 10") }),
        failing("colour-empty-value", { message(parserError, "Unrecognized color argument: red") }),
        failing("colour-unknown-name", { message(parserError, "Invalid color argument: Red = 10") }),
        failing("colour-out-of-range", { message(parserError, "Invalid color argument: blue = 256") }),
        failing("colour-negative", { message(parserError, "Invalid color argument: green = -1") }),
        // Collections and image sources.
        failing("collection-without-source", {}),
        failing("collection-without-windows", {}),
        failing("unknown-source-type", { message("Image Source Builder Error", "Unrecognized Image Source type") }),
        failing("source-argument-without-equals", { message(parserError, "Unrecognized argument: src") }),
        failing("source-argument-unknown",
            { message("Astreon Error", "PtolemyUniverse: unrecognized argument: nosuch = 1") }),
        loading("kepler-args-ignored"),
        // Windows and their rectangles.
        failing("lower-case-window", { message(layoutError, "Invalid Window Type (observerwindow)") }),
        failing("window-without-rect", { message(layoutError, "No ScreenRect in window") }),
        failing("unknown-window-without-rect", { message(layoutError, "No ScreenRect in window") }),
        failing("rect-inverted",
            { message(layoutError, "Invalid Screen Rectangle (l=0.500000, t=0.000000, r=0.400000, b=1.000000)") }),
        failing("rect-outside",
            { message(layoutError, "Invalid Screen Rectangle (l=0.000000, t=0.000000, r=0.500000, b=1.500000)") }),
        failing("rect-empty-right", {}),
        failing("rect-missing-bottom", {}),
        loading("rect-accepted-whole"),
        loading("control-window-ignores-extras"),
        // Observer window settings.
        failing("draw-stat-empty-value", { message(parserError, "Unrecognized argument: draw_stat") }),
        failing("draw-stat-bare", { message(parserError, "Unrecognized argument: draw_stat") }),
        failing("draw-stat-word", {}),
        failing("draw-argument-unknown", {}),
        failing("observer-without-refresh", {}),
        failing("background-empty-value", { message(parserError, "Background : unrecognized argument (src)") }),
        failing("background-without-equals", { message(parserError, "Background : unrecognized argument (stretch)") }),
        failing("background-unknown-placement",
            { message("Astreon Error", "Background: unrecognized argument: xAlign = Left") }),
        failing(
            "background-unknown-name", { message("Astreon Error", "Background: unrecognized argument: colour = red") }),
        // A collection without windows stops the showing of the layout, silently.
        failing("empty-windows-first", {}),
        loading("valid"),
    };
}

class LayoutFailureTest : public testing::TestWithParam<LayoutCase> { };

TEST_P(LayoutFailureTest, ReloadPrintsExactlyTheMessagesOfTheFailure)
{
    const LayoutCase& layoutCase = GetParam();
    const ProgramSandbox sandbox;
    const std::string script
        = sandbox.writeScript("reload.txt", { "press 0 Init", "menu 40002", "press 0 Init", "quit" });

    const ProgramResult result = sandbox.run({ "--batch", "--script", script, "--", layoutCase.path });

    std::vector<std::string> expected;
    if (!layoutCase.loads)
        expected.push_back(kNoWindowBefore);
    expected.insert(expected.end(), layoutCase.messages.begin(), layoutCase.messages.end());
    if (!layoutCase.loads)
        expected.push_back(kNoWindowAfter);
    EXPECT_EQ(result.errorLines(), expected) << result.errors;
    EXPECT_EQ(result.exitCode, 0);
}

INSTANTIATE_TEST_SUITE_P(EveryFault, LayoutFailureTest, testing::ValuesIn(layoutCases()),
    [](const testing::TestParamInfo<LayoutCase>& info) {
        std::string name = info.param.name;
        for (char& character : name) {
            if (character == '-')
                character = '_';
        }
        return name;
    });

} // namespace
