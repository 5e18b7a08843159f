#include "platform/Registry.h"

#include "platform/EngineLocation.h"
#include "platform/FileBytes.h"
#include "platform/IniDocument.h"
#include "platform/IniFile.h"
#include "platform/SafeFileReplacement.h"

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

    std::string userRegistryFile()
    {
        const std::string xdg = environment("XDG_CONFIG_HOME");
        const std::string home = environment("HOME");
        if (!xdg.empty())
            return xdg + "/Astreon/registry.ini";
        if (!home.empty())
            return home + "/.config/Astreon/registry.ini";
        return {};
    }

    // The whole file, an empty text for a file that does not exist yet, or nothing when it
    // exists but cannot be read.
    std::optional<std::string> readWholeFile(const std::string& path)
    {
        std::error_code error;
        if (!std::filesystem::exists(path, error))
            return std::string();
        return readFileBytes(path);
    }

} // namespace

namespace {
    constexpr const char* kObserverWindowKey = "SOFTWARE\\Astreon\\ObserverWindow";
    constexpr const char* kRootDirName = "RootDir";
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
    candidates[1] = userRegistryFile();
    candidates[2] = "/etc/xdg/Astreon/registry.ini";
    const std::string installed = installedDataDir();
    candidates[3] = installed.empty() ? std::string(SKYLOOM_REGISTRY_FILE) : installed + "/registry.ini";
    for (const std::string& candidate : candidates) {
        if (fileExists(candidate))
            return candidate;
    }
    return {};
}

std::string registryFileForWriting()
{
    // A registry file named by the variable is the one written, existing or not.
    const std::string named = environment("ASTREON_REGISTRY");
    if (!named.empty())
        return named;
    const std::string inUse = registryFilePath();
    return inUse.empty() ? userRegistryFile() : inUse;
}

bool editRegistry(const std::function<void(IniDocument&)>& change, std::string& error)
{
    const std::string path = registryFileForWriting();
    if (path.empty()) {
        error = "no registry file: neither ASTREON_REGISTRY nor HOME is set";
        return false;
    }
    const std::optional<std::string> text = readWholeFile(path);
    if (!text) {
        error = path + ": cannot be read";
        return false;
    }
    IniDocument document(*text);
    // A new registry file names the data folder of this program's own tree, so that what
    // it registers finds its content.
    if (!fileExists(path))
        document.setValue(kObserverWindowKey, kRootDirName, programDataDir());
    change(document);
    std::error_code failure;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), failure);
    if (!replaceFileContents(path, document.text(), failure)) {
        error = path + ": " + failure.message();
        return false;
    }
    return true;
}

std::optional<std::string> readRegistryValue(const std::string& key, const std::string& name)
{
    const std::string path = registryFilePath();
    if (path.empty())
        return std::nullopt;
    return readIniValue(path, key + "/" + name);
}

std::optional<std::string> readRootDir() { return readRegistryValue(kObserverWindowKey, kRootDirName); }

} // namespace platform
