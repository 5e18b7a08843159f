#pragma once
// The command line of the programs that show a layout (skyloom, the control's
// container): PROGRAM [options] [--] [layout path ...]. The words after the options,
// joined by single spaces, form the command-line tail.
#include "scripting/ScriptingProgram.h"

#include <optional>
#include <string>
#include <vector>

struct CommandLine {
    bool help = false;
    bool version = false;
    bool batch = false; // messages to standard error, dialogs answered by script or Cancel
    bool demo = false; // start the demonstration mode (programs that have one)
    std::string scriptPath; // empty: no script
    std::string screenshotPath; // empty: no screenshot
    std::string recordPath; // empty: no recording (programs with the --record option)
    double recordSeconds = 0.0; // with recordPath
    std::optional<int> quitAfterMilliseconds;
    std::string tail;
    std::string error; // a one-line usage error; empty when the line is sound

    // Parses the arguments after the program name; usage errors start with the program's name.
    static CommandLine parse(const std::vector<std::string>& arguments, const ScriptingProgram& program = {});

    bool isValid() const { return error.empty(); }
    // A script's answers and messages must not wait for a person: a script implies batch.
    bool usesBatchMode() const { return batch || !scriptPath.empty(); }
    // With a screenshot but no quit-after delay, the grab waits this long.
    static constexpr int kDefaultScreenshotDelayMilliseconds = 2000;
    // When to grab and quit, or nothing when neither was asked for.
    std::optional<int> finishAfterMilliseconds() const;
    // Whether the run ends by itself without a person: batch, timed or recording.
    bool isUnattended() const;
};

// The longest recording a command line or script asks for, in seconds.
constexpr double kLongestRecordingSeconds = 3600.0;
// The length of a recording as a command line or script gives it: a number of seconds
// above 0 and at most kLongestRecordingSeconds ("3", "2.5"); nothing for anything else.
std::optional<double> parseRecordingSeconds(const std::string& text);

// A layout path given on the command line: a file of that name under the folder the
// program was started in, made absolute; otherwise the path as it stands, which the
// display manager takes relative to the root directory.
std::string resolveLayoutArgument(const std::string& path);

// The "Options:" part of the --help text of `program`, whose screenshots grab `grabbed`
// ("the main window", "the window").
std::string optionsHelp(const ScriptingProgram& program, const std::string& grabbed);
