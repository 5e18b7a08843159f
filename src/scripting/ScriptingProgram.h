#pragma once
// A program that takes the scripting command line (skyloom, the control's container):
// its name, which starts every line it reports, and the options and steps that only
// some programs offer.
#include <string>

struct ScriptingProgram {
    std::string name = "skyloom";
    bool hasDemoMode = true; // the --demo option
    bool hasLoadPageStep = false; // the loadpage PATH step
};
