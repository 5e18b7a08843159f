#pragma once
// What one run of the skyloom program left behind: its exit status and its output.
#include <string>
#include <vector>

struct ProgramResult {
    int exitCode = -1; // the program's exit status; 124 when the deadline ended it
    std::string output; // standard output, whole
    std::string errors; // standard error, whole

    // Standard error split into lines, without their line ends.
    std::vector<std::string> errorLines() const;
};
