#include "shell/InitialLayoutPath.h"

#include "platform/Registry.h"
#include "scripting/CommandLine.h"

#include <cstring>
#include <filesystem>

namespace {

// The 261st byte always stays zero.
char storedPath[kMaxInitialLayoutPath + 1] = {};

// A tail this short (a stray character) is not taken for a path.
constexpr std::size_t kShortestTail = 2;

} // namespace

HRESULT setInitialLayoutPath(const char* path)
{
    if (!path)
        return E_INVALIDARG;
    const std::size_t length = strnlen(path, kMaxInitialLayoutPath);
    std::memcpy(storedPath, path, length);
    storedPath[length] = '\0';
    return S_OK;
}

const char* initialLayoutPath() { return storedPath; }

std::string defaultInitialLayoutPath()
{
    const std::filesystem::path layout
        = std::filesystem::path(platform::programDataDir()) / "AstreonLayouts" / "PtolemyUniverse.lay";
    return std::filesystem::absolute(layout).lexically_normal().string();
}

std::string chooseInitialLayout(const std::string& commandLineTail)
{
    if (commandLineTail.size() < kShortestTail)
        return defaultInitialLayoutPath();
    return resolveLayoutArgument(commandLineTail);
}
