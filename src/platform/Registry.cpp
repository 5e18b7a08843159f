#include "platform/Registry.h"

#include "platform/EngineLocation.h"
#include "platform/IniFile.h"

#include <cstdlib>
#include <filesystem>

namespace platform {

namespace {

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

bool fileExists(const std::string& path)
{
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(path, error);
}

// An installed engine keeps its data in <prefix>/share/skyloom, found from the engine's
// own file; only an uninstalled build falls back on the folders it was built from.
std::string installedDataDir()
{
    const std::filesystem::path folder = engineFolder();
    if (folder.empty())
        return {};
    const std::filesystem::path data = installedDataFolder(folder);
    std::error_code error;
    if (!std::filesystem::is_regular_file(data / "registry.ini", error))
        return {};
    const std::filesystem::path canonical = std::filesystem::canonical(data, error);
    return (error ? data : canonical).string();
}

} // namespace

std::string programDataDir()
{
    const std::string installed = installedDataDir();
    return installed.empty() ? std::string(SKYLOOM_DATA_DIR) : installed;
}

std::string registryFilePath()
{
    std::string candidates[4];
    candidates[0] = environment("ASTREON_REGISTRY");
    const std::string xdg = environment("XDG_CONFIG_HOME");
    const std::string home = environment("HOME");
    if (!xdg.empty())
        candidates[1] = xdg + "/Astreon/registry.ini";
    else if (!home.empty())
        candidates[1] = home + "/.config/Astreon/registry.ini";
    candidates[2] = "/etc/xdg/Astreon/registry.ini";
    const std::string installed = installedDataDir();
    candidates[3] = installed.empty() ? std::string(SKYLOOM_REGISTRY_FILE) : installed + "/registry.ini";
    for (const std::string& candidate : candidates) {
        if (fileExists(candidate))
            return candidate;
    }
    return {};
}

std::optional<std::string> readRegistryValue(const std::string& key, const std::string& name)
{
    const std::string path = registryFilePath();
    if (path.empty())
        return std::nullopt;
    return readIniValue(path, key + "/" + name);
}

std::optional<std::string> readRootDir()
{
    return readRegistryValue("SOFTWARE\\Astreon\\ObserverWindow", "RootDir");
}

} // namespace platform
