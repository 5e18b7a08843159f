#include "shell/SkyloomProgram.h"

const ScriptingProgram& skyloomProgram()
{
    static const ScriptingProgram program = [] {
        ScriptingProgram made;
        made.programSteps = {
            { "goto", 1, "goto YYYY-MM-DD" },
        };
        return made;
    }();
    return program;
}
