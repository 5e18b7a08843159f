#include "platform/FileBytes.h"

#include <fstream>
#include <sstream>

namespace platform {

std::optional<std::string> readFileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace platform
