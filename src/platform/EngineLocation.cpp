#include "platform/EngineLocation.h"

#include <dlfcn.h>

#include <system_error>

namespace platform {

namespace {

    // Any function of the engine: dladdr names the file its code was loaded from.
    void engineAnchor() { }

} // namespace

std::filesystem::path engineFile()
{
    Dl_info info {};
    std::error_code error;
    std::filesystem::path file;
    if (::dladdr(reinterpret_cast<void*>(&engineAnchor), &info) != 0 && info.dli_fname != nullptr)
        file = info.dli_fname;
    // The main program may be named as it was started (a relative path): the kernel knows better.
    if (file.empty() || !file.is_absolute())
        file = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || file.empty())
        return {};
    const std::filesystem::path resolved = std::filesystem::weakly_canonical(file, error);
    return error ? file : resolved;
}

std::filesystem::path engineFolder() { return engineFile().parent_path(); }

std::filesystem::path installedLibraryFolder(const std::filesystem::path& folder)
{
    return (folder / ".." / "lib").lexically_normal();
}

std::filesystem::path installedDataFolder(const std::filesystem::path& folder)
{
    return (folder / ".." / "share" / "skyloom").lexically_normal();
}

} // namespace platform
