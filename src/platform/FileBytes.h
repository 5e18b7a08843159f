#pragma once
// Reading a whole small file (a script, the registry file) as it is stored.
#include <optional>
#include <string>

namespace platform {

// The bytes of the regular file at `path`, or nothing when it is no regular file (a folder, a
// FIFO, a device) or cannot be read.
std::optional<std::string> readFileBytes(const std::string& path);

} // namespace platform
