#pragma once
// Finds a registered control's library through the registry file, as a container does:
// programmatic identifier -> class identifier -> the library that serves the class.
#include <optional>
#include <string>

class ControlLocator {
public:
    // The library serving the class registered as `progId`; nothing, with `error` saying
    // what is missing, when the registry file does not lead to an existing file.
    static std::optional<std::string> libraryOf(const std::string& progId, std::string& error);
};
