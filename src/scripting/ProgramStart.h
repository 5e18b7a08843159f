#pragma once
// The first steps of the main of a program that shows a layout: the command line read,
// --help and --version answered, a usage error or a script that cannot be read reported.
#include "scripting/CommandLine.h"
#include "scripting/ScriptingProgram.h"

#include <optional>
#include <string>

struct ProgramStart {
    // A usage error or an unreadable script.
    static constexpr int kUsageErrorExitCode = 2;

    CommandLine line;
    std::optional<std::string> scriptText; // the script file's text, when one was given
    std::optional<int> exitStatus; // when set, main returns it at once

    // Reads the arguments of `program`; prints `usage` for --help and "<name> <version>"
    // for --version on standard output, problems on standard error.
    static ProgramStart read(
        int argc, char** argv, const ScriptingProgram& program, const std::string& usage, const std::string& version);
};
