#include "ProgramSandbox.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>

extern char** environ;

namespace {

// Variables the sandbox sets itself; inherited values of these are dropped.
const char* const kOwnVariables[]
    = { "QT_QPA_PLATFORM=", "ASTREON_REGISTRY=", "XDG_RUNTIME_DIR=", "XDG_CONFIG_HOME=", "LSAN_OPTIONS=" };
// Variables that name a display; dropped for a run without one.
const char* const kDisplayVariables[] = { "DISPLAY=", "WAYLAND_DISPLAY=" };

template <std::size_t N> bool startsWithAny(const char* entry, const char* const (&prefixes)[N])
{
    for (const char* prefix : prefixes) {
        if (std::strncmp(entry, prefix, std::strlen(prefix)) == 0)
            return true;
    }
    return false;
}

std::vector<char*> pointersTo(std::vector<std::string>& texts)
{
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

int exitStatusOf(int waitStatus)
{
    if (WIFEXITED(waitStatus))
        return WEXITSTATUS(waitStatus);
    return 128 + WTERMSIG(waitStatus);
}

} // namespace

ProgramSandbox::ProgramSandbox()
    : program_(SKYLOOM_PROGRAM)
    , registryFile_(folder_.file("registry.ini"))
    , runtimeFolder_(folder_.file("runtime"))
{
    folder_.write("registry.ini", "[SOFTWARE/Astreon/ObserverWindow]\nRootDir=" + rootDirectory() + "\n");
    std::filesystem::create_directory(runtimeFolder_);
    std::filesystem::permissions(runtimeFolder_, std::filesystem::perms::owner_all);
}

std::string ProgramSandbox::rootDirectory() { return std::filesystem::canonical(SKYLOOM_SHIPPED_DATA_DIR).string(); }

std::string ProgramSandbox::programPath() { return SKYLOOM_PROGRAM; }

std::vector<std::string> ProgramSandbox::environment() const
{
    std::vector<std::string> variables;
    for (char** entry = environ; *entry; ++entry) {
        if (!startsWithAny(*entry, kOwnVariables) && (display_ || !startsWithAny(*entry, kDisplayVariables)))
            variables.emplace_back(*entry);
    }
    if (display_) {
        variables.push_back("QT_QPA_PLATFORM=offscreen");
        variables.push_back("XDG_RUNTIME_DIR=" + runtimeFolder_);
    }
    if (ownRegistry_)
        variables.push_back("ASTREON_REGISTRY=" + registryFile_);
    variables.push_back("XDG_CONFIG_HOME=" + folder_.file("config"));
    // A sanitized program reads its leak suppressions from here (the e2e program's own
    // environment list cannot carry them; see tests/support/SanitizerOptions.cpp).
    variables.push_back(std::string("LSAN_OPTIONS=suppressions=") + SKYLOOM_LSAN_SUPPRESSIONS);
    return variables;
}

ProgramResult ProgramSandbox::run(const std::vector<std::string>& arguments) const
{
    const std::string outputFile = folder_.file("run-output.txt");
    const std::string errorFile = folder_.file("run-errors.txt");
    std::vector<std::string> words = { "timeout", "-k", "5", std::to_string(kDeadlineSeconds), program_ };
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<std::string> variables = environment();

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (!startFolder_.empty())
        posix_spawn_file_actions_addchdir_np(&actions, startFolder_.c_str());
    pid_t child = 0;
    const int spawned
        = posix_spawnp(&child, "timeout", &actions, nullptr, pointersTo(words).data(), pointersTo(variables).data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        throw std::runtime_error(std::string("cannot start skyloom: ") + std::strerror(spawned));

    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            throw std::runtime_error(std::string("cannot wait for skyloom: ") + std::strerror(errno));
    }
    ProgramResult result;
    result.exitCode = exitStatusOf(status);
    result.output = testing_support::readWholeFile(outputFile);
    result.errors = testing_support::readWholeFile(errorFile);
    return result;
}

std::string ProgramSandbox::writeScript(const std::string& name, const std::vector<std::string>& steps) const
{
    std::string text;
    for (const std::string& step : steps)
        text += step + "\n";
    return folder_.write(name, text);
}
