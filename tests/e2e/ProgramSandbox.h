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

    // Later runs start `program` instead of the built skyloom (an installed copy, say).
    void useProgram(const std::string& program) { program_ = program; }
    // Later runs start in `folder` rather than in the test's working directory.
    void startIn(const std::string& folder) { startFolder_ = folder; }
    // Later runs get no registry file of the sandbox's: the program finds its own
    // (user and system registry files are kept out through HOME and XDG_CONFIG_HOME).
    void withoutRegistry() { ownRegistry_ = false; }
    // Later runs get no display at all: no DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM
    // (the program must choose for itself) and no XDG_RUNTIME_DIR.
    void withoutDisplay() { display_ = false; }
    // Writes a script of `steps`, one a line, and returns its path.
    // The registry file the sandbox gives its runs.
    const std::string& registryFile() const { return registryFile_; }
    std::string writeScript(const std::string& name, const std::vector<std::string>& steps) const;
    // A path inside the sandbox's temporary folder (the file need not exist).
    std::string file(const std::string& name) const { return folder_.file(name); }
    const testing_support::TemporaryFolder& folder() const { return folder_; }

    // The root directory the program runs in (the shipped data folder, resolved).
    static std::string rootDirectory();
    static std::string programPath();

private:
    std::vector<std::string> environment() const;

    testing_support::TemporaryFolder folder_;
    std::string program_;
    std::string startFolder_;
    bool ownRegistry_ = true;
    bool display_ = true;
    std::string registryFile_;
    std::string runtimeFolder_;
};
