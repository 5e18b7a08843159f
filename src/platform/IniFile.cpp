#include "platform/IniFile.h"

#include "platform/FileBytes.h"
#include "platform/IniDocument.h"

namespace platform {

std::optional<std::string> readIniValue(const std::string& path, const std::string& key)
{
    const std::optional<std::string> text = readFileBytes(path);
    if (!text)
        return std::nullopt;
    return IniDocument(*text).value(key);
}

} // namespace platform
