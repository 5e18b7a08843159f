#include "platform/IniFile.h"

#include "platform/IniDocument.h"

#include <fstream>
#include <sstream>

namespace platform {

std::optional<std::string> readIniValue(const std::string& path, const std::string& key)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf();
    return IniDocument(text.str()).value(key);
}

} // namespace platform
