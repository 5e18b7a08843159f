#include "shell/SkyloomProgram.h"

#include "host/LiveCyclesStep.h"

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
        return made;
    }();
    return program;
}
