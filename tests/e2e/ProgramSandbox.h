#pragma once
// Runs the real skyloom program from the outside, as a user or an external checker would:
// offscreen, with its own registry file (root directory = the shipped data folder), its
// own temporary folder for scripts and files, and a deadline that ends a hung run.
// One sandbox per test; runs are synchronous.
#include "ProgramResult.h"
#include "support/TestFiles.h"

#include <string>
#include <vector>

class ProgramSandbox {
public:
    // Seconds after which a run is ended (exit status 124).
    static constexpr int kDeadlineSeconds = 30;

    ProgramSandbox();

    // Runs skyloom with `arguments` and waits for it to end (or for the deadline).
    ProgramResult run(const std::vector<std::string>& arguments) const;
    // Writes a script of `steps`, one a line, and returns its path.
    std::string writeScript(const std::string& name, const std::vector<std::string>& steps) const;
    // A path inside the sandbox's temporary folder (the file need not exist).
    std::string file(const std::string& name) const { return folder_.file(name); }

    // The root directory the program runs in (the shipped data folder, resolved).
    static std::string rootDirectory();
    static std::string programPath();

private:
    std::vector<std::string> environment() const;

    testing_support::TemporaryFolder folder_;
    std::string registryFile_;
    std::string runtimeFolder_;
};
