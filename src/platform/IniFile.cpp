#include "platform/IniFile.h"

#include <algorithm>
#include <fstream>

namespace platform {

namespace {

std::string trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::string withSlashes(std::string text)
{
    std::replace(text.begin(), text.end(), '\\', '/');
    return text;
}

char escapedCharacter(char letter)
{
    switch (letter) {
    case 'n':
        return '\n';
    case 't':
        return '\t';
    case 'r':
        return '\r';
    default:
        return letter;
    }
}

// A value as written: the text between double quotes with its escapes undone, or else
// the whole text. Anything after the closing quote is ignored.
std::string valueOf(const std::string& text)
{
    if (text.empty() || text.front() != '"')
        return text;
    std::string value;
    for (std::size_t i = 1; i < text.size() && text[i] != '"'; ++i) {
        if (text[i] == '\\' && i + 1 < text.size())
            value += escapedCharacter(text[++i]);
        else
            value += text[i];
    }
    return value;
}

} // namespace

std::optional<std::string> readIniValue(const std::string& path, const std::string& key)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    const std::string wanted = withSlashes(key);
    std::string section;
    std::optional<std::string> found;
    std::string line;
    for (bool first = true; std::getline(file, line); first = false) {
        if (first && line.rfind("\xEF\xBB\xBF", 0) == 0)
            line.erase(0, 3);
        line = trimmed(line);
        if (line.empty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            section = withSlashes(trimmed(line.substr(1, line.size() - 2)));
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        const std::string name = withSlashes(trimmed(line.substr(0, equals)));
        if ((section.empty() ? name : section + "/" + name) == wanted)
            found = valueOf(trimmed(line.substr(equals + 1)));
    }
    return found;
}

} // namespace platform
