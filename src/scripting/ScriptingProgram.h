#pragma once
// A program that takes the scripting command line (skyloom, the control's container):
// its name, which starts every line it reports, and the options and steps that only
// some programs offer.
#include <string>
#include <vector>

// A step that one program adds to the common ones: its word, the number of words that
// follow it, and the line of the --help text that shows its use ("goto YYYY-MM-DD").
struct ProgramStep {
    std::string name;
    int argumentCount = 0;
    std::string usage;
    // Its one word is the rest of the line: a path, which may hold blanks.
    bool takesPath = false;
};

struct ScriptingProgram {
    std::string name = "skyloom";
    bool hasDemoMode = true; // the --demo option
    bool hasLoadPageStep = false; // the loadpage PATH step
    std::vector<ProgramStep> programSteps; // carried out by the ScriptTarget's runProgramStep
};
