// gazerix-register [--unregister] [PATH-TO-LIBRARY]: calls the control library's
// DllRegisterServer (or DllUnregisterServer), which write (or remove) its records in the
// registry file. Without a path, the library beside this program is taken, else the one
// in the install's library folder.
#include "platform/EngineLocation.h"
#include "platform/Registry.h"
#include "platform/Result.h"

#include <dlfcn.h>

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr const char* kProgram = "gazerix-register";
constexpr const char* kLibraryName = "libgazerix.so";
constexpr int kUsageErrorExitCode = 2;
constexpr int kFailureExitCode = 1;

void printUsage()
{
    std::cout << "Usage: gazerix-register [--unregister] [PATH-TO-LIBRARY]\n"
                 "Writes the records of the Gazerix control (GAZERIX.GazerixCtrl.1, its property\n"
                 "page and its type library) into the registry file, or with --unregister removes\n"
                 "them again (the component categories stay). Without a path, libgazerix.so beside\n"
                 "this program is registered, else the one in the install's library folder.\n";
}

std::filesystem::path defaultLibrary()
{
    const std::filesystem::path here = platform::engineFolder();
    std::error_code error;
    if (std::filesystem::is_regular_file(here / kLibraryName, error))
        return here / kLibraryName;
    return platform::installedLibraryFolder(here) / kLibraryName;
}

std::string hex(HRESULT result)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(result));
    return text;
}

int registerLibrary(const std::filesystem::path& library, bool unregister)
{
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(library, error);
    void* const handle = ::dlopen(absolute.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        std::cerr << kProgram << ": cannot load " << absolute.string() << ": " << ::dlerror() << '\n';
        return kFailureExitCode;
    }
    const char* const entry = unregister ? "DllUnregisterServer" : "DllRegisterServer";
    const auto function = reinterpret_cast<HRESULT (*)()>(::dlsym(handle, entry));
    const auto reason = reinterpret_cast<const char* (*)()>(::dlsym(handle, "DllRegistrationError"));
    const auto writtenFile = reinterpret_cast<const char* (*)()>(::dlsym(handle, "DllRegistryFile"));
    if (!function) {
        std::cerr << kProgram << ": " << absolute.string() << " has no " << entry << '\n';
        return kFailureExitCode;
    }
    const HRESULT result = function();
    if (FAILED(result)) {
        std::cerr << kProgram << ": " << entry << " failed with " << hex(result)
                  << (reason ? std::string(": ") + reason() : std::string()) << '\n';
        return kFailureExitCode;
    }
    std::cout << kProgram << ": " << (unregister ? "unregistered " : "registered ") << absolute.string()
              << (unregister ? " from " : " in ")
              << (writtenFile ? std::string(writtenFile()) : platform::registryFileForWriting()) << '\n';
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    bool unregister = false;
    std::vector<std::string> paths;
    for (int index = 1; index < argc; ++index) {
        const std::string word = argv[index];
        if (word == "--help") {
            printUsage();
            return 0;
        }
        if (word == "--unregister")
            unregister = true;
        else if (word.size() > 1 && word[0] == '-' && word != "--") {
            std::cerr << kProgram << ": unknown option '" << word << "' (try --help)\n";
            return kUsageErrorExitCode;
        } else if (word != "--")
            paths.push_back(word);
    }
    if (paths.size() > 1) {
        std::cerr << kProgram << ": give at most one library (try --help)\n";
        return kUsageErrorExitCode;
    }
    return registerLibrary(paths.empty() ? defaultLibrary() : std::filesystem::path(paths.front()), unregister);
}
