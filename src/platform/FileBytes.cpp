#include "platform/FileBytes.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace platform {

std::optional<std::string> readFileBytes(const std::string& path)
{
    // Only a regular file (or a link to one): a folder reads as nothing without end, and a
    // FIFO or device would block or never end.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf();
    if (file.bad())
        return std::nullopt;
    return text.str();
}

} // namespace platform
