#pragma once
// Reading a whole small file (a script, the registry file) as it is stored.
#include <optional>
#include <string>

namespace platform {

// The bytes of the file at `path`, or nothing when it cannot be opened.
std::optional<std::string> readFileBytes(const std::string& path);

} // namespace platform
