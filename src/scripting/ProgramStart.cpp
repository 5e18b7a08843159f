#include "scripting/ProgramStart.h"

#include "platform/FileBytes.h"

#include <iostream>
#include <vector>

ProgramStart ProgramStart::read(
    int argc, char** argv, const ScriptingProgram& program, const std::string& usage, const std::string& version)
{
    ProgramStart start;
    start.line = CommandLine::parse(std::vector<std::string>(argv + 1, argv + argc), program);
    if (!start.line.isValid()) {
        std::cerr << start.line.error << '\n';
        start.exitStatus = kUsageErrorExitCode;
    } else if (start.line.help) {
        std::cout << usage;
        start.exitStatus = 0;
    } else if (start.line.version) {
        std::cout << program.name << ' ' << version << '\n';
        start.exitStatus = 0;
    } else if (!start.line.scriptPath.empty()) {
        start.scriptText = platform::readFileBytes(start.line.scriptPath);
        if (!start.scriptText) {
            std::cerr << program.name << ": cannot read the script '" << start.line.scriptPath << "'\n";
            start.exitStatus = kUsageErrorExitCode;
        }
    }
    return start;
}
