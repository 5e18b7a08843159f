#include "platform/DataPath.h"

#include <filesystem>
#include <mutex>

namespace platform {

namespace {

    std::mutex rootMutex;
    std::string rootFolder; // guarded by rootMutex

} // namespace

std::string rootDirectory()
{
    std::lock_guard lock(rootMutex);
    return rootFolder;
}

void setRootDirectory(const std::string& folder)
{
    std::lock_guard lock(rootMutex);
    rootFolder = folder;
}

std::string resolveDataPath(const std::string& path)
{
    const std::string root = rootDirectory();
    if (path.empty() || root.empty() || std::filesystem::path(path).is_absolute())
        return path;
    return (std::filesystem::path(root) / path).string();
}

std::string resolveStartPath(const std::string& path)
{
    if (path.empty() || std::filesystem::path(path).is_absolute())
        return path;
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

} // namespace platform
