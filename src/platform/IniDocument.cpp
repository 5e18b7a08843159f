#include "platform/IniDocument.h"

#include <algorithm>
#include <sstream>

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

    // The value as it must be written to read back unchanged.
    std::string written(const std::string& value)
    {
        const bool plain = value.empty()
            || (value.front() != '"' && value.find_first_of("\r\n") == std::string::npos && trimmed(value) == value);
        if (plain)
            return value;
        std::string quoted = "\"";
        for (char character : value) {
            switch (character) {
            case '"':
            case '\\':
                quoted += '\\';
                quoted += character;
                break;
            case '\n':
                quoted += "\\n";
                break;
            case '\r':
                quoted += "\\r";
                break;
            case '\t':
                quoted += "\\t";
                break;
            default:
                quoted += character;
            }
        }
        return quoted + '"';
    }

    bool isComment(const std::string& line) { return line.empty() || line.front() == ';' || line.front() == '#'; }

    // The name and value of a value line, or false for headers, comments and other lines.
    bool splitValueLine(const std::string& rawLine, std::string& name, std::string& value)
    {
        const std::string line = trimmed(rawLine);
        if (isComment(line) || line.front() == '[')
            return false;
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos)
            return false;
        name = withSlashes(trimmed(line.substr(0, equals)));
        value = valueOf(trimmed(line.substr(equals + 1)));
        return true;
    }

} // namespace

IniDocument::IniDocument(const std::string& text)
{
    std::istringstream input(text);
    std::string section;
    std::string raw;
    for (bool first = true; std::getline(input, raw); first = false) {
        if (first && raw.rfind("\xEF\xBB\xBF", 0) == 0)
            raw.erase(0, 3);
        if (!raw.empty() && raw.back() == '\r')
            raw.pop_back();
        const std::string line = trimmed(raw);
        const bool isHeader = !line.empty() && line.front() == '[' && line.back() == ']';
        if (isHeader)
            section = withSlashes(trimmed(line.substr(1, line.size() - 2)));
        lines_.push_back({ raw, section, isHeader });
    }
}

std::optional<std::string> IniDocument::value(const std::string& key) const
{
    const std::string wanted = withSlashes(key);
    std::optional<std::string> found;
    for (const Line& line : lines_) {
        std::string name;
        std::string value;
        if (!line.isHeader && splitValueLine(line.text, name, value)
            && (line.section.empty() ? name : line.section + "/" + name) == wanted)
            found = value;
    }
    return found;
}

bool IniDocument::isBelow(const std::string& section, const std::string& tree)
{
    return section == tree
        || (section.size() > tree.size() && section.compare(0, tree.size(), tree) == 0 && section[tree.size()] == '/');
}

void IniDocument::setValue(const std::string& section, const std::string& name, const std::string& value)
{
    const std::string wantedSection = withSlashes(section);
    const std::string newLine = name + "=" + written(value);
    auto lastOfSection = lines_.end();
    for (auto line = lines_.begin(); line != lines_.end(); ++line) {
        if (line->section != wantedSection)
            continue;
        lastOfSection = line;
        std::string lineName;
        std::string lineValue;
        if (!line->isHeader && splitValueLine(line->text, lineName, lineValue) && lineName == withSlashes(name)) {
            line->text = newLine;
            return;
        }
    }
    if (lastOfSection == lines_.end()) {
        if (!lines_.empty() && !trimmed(lines_.back().text).empty())
            lines_.push_back({ "", lines_.back().section, false });
        lines_.push_back({ "[" + wantedSection + "]", wantedSection, true });
        lines_.push_back({ newLine, wantedSection, false });
        return;
    }
    // After the section's last value, before the blank lines that end it.
    while (lastOfSection != lines_.begin() && !lastOfSection->isHeader && trimmed(lastOfSection->text).empty())
        --lastOfSection;
    lines_.insert(lastOfSection + 1, { newLine, wantedSection, false });
}

void IniDocument::removeTree(const std::string& section)
{
    const std::string tree = withSlashes(section);
    std::erase_if(lines_, [&](const Line& line) { return !line.section.empty() && isBelow(line.section, tree); });
}

std::string IniDocument::text() const
{
    std::string text;
    for (const Line& line : lines_)
        text += line.text + '\n';
    return text;
}

} // namespace platform
