#include "control/ControlLocator.h"

#include "platform/Registry.h"

#include <filesystem>

std::optional<std::string> ControlLocator::libraryOf(const std::string& progId, std::string& error)
{
    const std::string registry = platform::registryFilePath();
    const std::string where = registry.empty() ? std::string("no registry file") : registry;
    const std::optional<std::string> classId
        = platform::readRegistryValue("SOFTWARE/Classes/" + progId + "/CLSID", "Default");
    if (!classId || classId->empty()) {
        error = progId + " is not registered in " + where + " (run gazerix-register)";
        return std::nullopt;
    }
    const std::optional<std::string> library
        = platform::readRegistryValue("SOFTWARE/Classes/CLSID/" + *classId + "/InprocServer32", "Default");
    if (!library || library->empty()) {
        error = "class " + *classId + " of " + progId + " names no library in " + where;
        return std::nullopt;
    }
    std::error_code failure;
    if (!std::filesystem::is_regular_file(*library, failure)) {
        error = "the library " + *library + " registered for " + progId + " does not exist";
        return std::nullopt;
    }
    return library;
}
