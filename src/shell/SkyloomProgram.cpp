#include "shell/SkyloomProgram.h"

#include "host/LiveCyclesStep.h"
#include "shell/MediaCommands.h"

const ScriptingProgram& skyloomProgram()
{
    static const ScriptingProgram program = [] {
        ScriptingProgram made;
        made.programSteps = {
            { "goto", 1, "goto YYYY-MM-DD" },
            { LiveCyclesStep::kName, LiveCyclesStep::kWordCount, LiveCyclesStep::kUsage },
            { "save-lesson", 1, "save-lesson PATH", true },
            { "open-lesson", 1, "open-lesson PATH", true },
        };
        const std::vector<ProgramStep> media = MediaCommands::programSteps();
        made.programSteps.insert(made.programSteps.end(), media.begin(), media.end());
        made.hasRecordOption = true;
        return made;
    }();
    return program;
}
