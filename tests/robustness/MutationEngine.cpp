#include "MutationEngine.h"

#include <algorithm>
#include <cctype>

namespace robustness {
namespace {

// Markup fragments that parsers and readers trip over: unterminated constructs, bad
// character references, stray declarations and roots, byte order marks, NUL.
const std::vector<std::string>& markupSnippets()
{
    static const std::vector<std::string> snippets = {
        "<!--", "<![CDATA[", "]]>", "&#0;", "&#x110000;", "&#xD800;", "&unknown;", "&", "<",
        "<?xml version='1.0'?>", "<!DOCTYPE x [<!ENTITY e 'eeee'>]>", "</Layout>", "<Layout>",
        "<PtolemyUniverse>", "</ObservationTrail>", "<a b='", "\xEF\xBB\xBF", "\xFF\xFE", std::string(1, '\0'),
        "<ObserverWindow/>", "<ControlWindow></ControlWindow>", "<Windows/>", "<ScreenRect/>",
        "<PtolemyBody/>", "<PtolemyOrbit/>", "<Observation/>", "<arg/>", "<arg>=</arg>", "<arg>src=</arg>",
        "<ImageSourceCollection/>", "<ImageSource><type></type></ImageSource>"};
    return snippets;
}

bool isNameChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_' || c == '-' || c == '.' || c == ':';
}

// The element starting at `start` ('<' then a name): its name and end (past its end tag),
// or false when it has no end tag after it.
bool elementAt(const std::string& text, std::size_t start, std::string& name, std::size_t& end)
{
    std::size_t cursor = start + 1;
    while (cursor < text.size() && isNameChar(text[cursor]))
        ++cursor;
    name = text.substr(start + 1, cursor - start - 1);
    if (name.empty())
        return false;
    const std::size_t tagEnd = text.find('>', cursor);
    if (tagEnd == std::string::npos)
        return false;
    if (text[tagEnd - 1] == '/') {
        end = tagEnd + 1;
        return true;
    }
    const std::string closing = "</" + name + ">";
    const std::size_t closeAt = text.find(closing, tagEnd);
    if (closeAt == std::string::npos)
        return false;
    end = closeAt + closing.size();
    return true;
}

// Every start of a text run (between '>' and '<') whose content is not blank.
std::vector<std::pair<std::size_t, std::size_t>> textRuns(const std::string& text)
{
    std::vector<std::pair<std::size_t, std::size_t>> runs;
    std::size_t position = text.find('>');
    while (position != std::string::npos) {
        const std::size_t begin = position + 1;
        const std::size_t end = text.find('<', begin);
        if (end == std::string::npos)
            break;
        bool blank = true;
        for (std::size_t k = begin; k < end; ++k)
            blank = blank && std::isspace(static_cast<unsigned char>(text[k])) != 0;
        if (!blank)
            runs.emplace_back(begin, end);
        position = text.find('>', end);
    }
    return runs;
}

} // namespace

MutationEngine::MutationEngine(std::uint32_t seed) : random_(seed) {}

const std::vector<std::string>& MutationEngine::extremeNumbers()
{
    static const std::vector<std::string> numbers = {"1e400", "-1e400", "1e-400", "nan", "NaN", "inf", "-inf",
        "infinity", "1e308", "-1e308", "2147483647", "2147483648", "-2147483648", "-2147483649",
        "4294967296", "99999999999999999999999999", "-1", "0", "-0", "", " ", "0x10", "1e", "+", "-", ".",
        "1.7976931348623157e309", "4.9e-324", "00000000000000000000000000000000001", "1,5", "12abc"};
    return numbers;
}

const std::vector<std::string>& MutationEngine::awkwardPaths()
{
    static const std::vector<std::string> paths = {"", ".", "/", "/dev/zero", "/dev/null", "AstreonFiles",
        "AstreonBitmaps/", "no such file.ptu", "AstreonLayouts/One Universe.lay", "AstreonFiles/ObsTrailData.dtd",
        std::string(300, 'p'), std::string(258, 'q') + ".bmp", "../../../../../../../../etc/passwd",
        "AstreonFiles/%s%n%x.ptu", "\\\\server\\share\\file.ptu"};
    return paths;
}

std::size_t MutationEngine::below(std::size_t bound)
{
    return bound == 0 ? 0 : static_cast<std::size_t>(random_()) % bound;
}

std::string MutationEngine::garbage(std::size_t length)
{
    std::string bytes(length, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random_() & 0xff);
    return bytes;
}

std::vector<Mutation> MutationEngine::mutate(const std::string& original, int count)
{
    std::vector<Mutation> mutants;
    for (int index = 0; index < count; ++index) {
        Mutation mutant{"", original};
        const std::size_t changes = 1 + below(3);
        for (std::size_t change = 0; change < changes; ++change) {
            std::string description;
            mutant.bytes = applyOne(mutant.bytes, description);
            mutant.description += (change ? "; " : "") + description;
        }
        mutants.push_back(std::move(mutant));
    }
    return mutants;
}

std::vector<Mutation> MutationEngine::truncations(const std::string& original, std::size_t step)
{
    std::vector<Mutation> mutants;
    for (std::size_t length = 0; length < original.size(); length += step)
        mutants.push_back({"cut after " + std::to_string(length) + " bytes", original.substr(0, length)});
    return mutants;
}

std::string MutationEngine::applyOne(const std::string& text, std::string& description)
{
    switch (below(10)) {
    case 0:
        return flipBits(text, description);
    case 1:
        return replaceByte(text, description);
    case 2:
        return truncate(text, description);
    case 3:
        return insertGarbage(text, description);
    case 4:
        return insertMarkup(text, description);
    case 5:
        return duplicateElement(text, description);
    case 6:
        return removeElement(text, description);
    case 7:
        return renameElement(text, description);
    case 8:
        return replaceNumber(text, description);
    default:
        return replaceText(text, description);
    }
}

std::string MutationEngine::flipBits(const std::string& text, std::string& description)
{
    std::string result = text;
    if (result.empty())
        return result;
    const std::size_t flips = 1 + below(4);
    description = "flipped bits at";
    for (std::size_t k = 0; k < flips; ++k) {
        const std::size_t at = below(result.size());
        result[at] = static_cast<char>(result[at] ^ (1 << below(8)));
        description += " " + std::to_string(at);
    }
    return result;
}

std::string MutationEngine::replaceByte(const std::string& text, std::string& description)
{
    std::string result = text;
    if (result.empty())
        return result;
    const std::size_t at = below(result.size());
    result[at] = static_cast<char>(random_() & 0xff);
    description = "replaced byte " + std::to_string(at);
    return result;
}

std::string MutationEngine::truncate(const std::string& text, std::string& description)
{
    const std::size_t length = below(text.size() + 1);
    description = "cut to " + std::to_string(length) + " bytes";
    return text.substr(0, length);
}

std::string MutationEngine::insertGarbage(const std::string& text, std::string& description)
{
    const std::size_t at = below(text.size() + 1);
    const std::size_t length = 1 + below(32);
    description = "inserted " + std::to_string(length) + " random bytes at " + std::to_string(at);
    return text.substr(0, at) + garbage(length) + text.substr(at);
}

std::string MutationEngine::insertMarkup(const std::string& text, std::string& description)
{
    const std::vector<std::string>& snippets = markupSnippets();
    const std::string& snippet = snippets[below(snippets.size())];
    const std::size_t at = below(text.size() + 1);
    description = "inserted markup '" + snippet + "' at " + std::to_string(at);
    return text.substr(0, at) + snippet + text.substr(at);
}

std::string MutationEngine::duplicateElement(const std::string& text, std::string& description)
{
    for (int attempt = 0; attempt < 20; ++attempt) {
        const std::size_t start = text.find('<', below(text.size() + 1));
        std::string name;
        std::size_t end = 0;
        if (start != std::string::npos && elementAt(text, start, name, end)) {
            description = "duplicated element " + name + " at " + std::to_string(start);
            return text.substr(0, end) + text.substr(start, end - start) + text.substr(end);
        }
    }
    return flipBits(text, description);
}

std::string MutationEngine::removeElement(const std::string& text, std::string& description)
{
    for (int attempt = 0; attempt < 20; ++attempt) {
        const std::size_t start = text.find('<', below(text.size() + 1));
        std::string name;
        std::size_t end = 0;
        if (start != std::string::npos && elementAt(text, start, name, end)) {
            description = "removed element " + name + " at " + std::to_string(start);
            return text.substr(0, start) + text.substr(end);
        }
    }
    return flipBits(text, description);
}

std::string MutationEngine::renameElement(const std::string& text, std::string& description)
{
    for (int attempt = 0; attempt < 20; ++attempt) {
        const std::size_t start = text.find('<', below(text.size() + 1));
        std::string name;
        std::size_t end = 0;
        if (start != std::string::npos && elementAt(text, start, name, end) && text[end - 2] != '/') {
            // Both tags get the same new name (the first letter's case swapped), so the
            // file stays well-formed and only the vocabulary is wrong.
            std::string renamed = name;
            const unsigned char first = static_cast<unsigned char>(renamed[0]);
            renamed[0] = static_cast<char>(std::isupper(first) ? std::tolower(first) : std::toupper(first));
            std::string element = text.substr(start, end - start);
            element.replace(1, name.size(), renamed);
            element.replace(element.size() - name.size() - 1, name.size(), renamed);
            description = "renamed element " + name + " to " + renamed;
            return text.substr(0, start) + element + text.substr(end);
        }
    }
    return flipBits(text, description);
}

std::string MutationEngine::replaceNumber(const std::string& text, std::string& description)
{
    const auto runs = textRuns(text);
    if (runs.empty())
        return flipBits(text, description);
    auto [begin, end] = runs[below(runs.size())];
    // In a name=value text only the value is replaced.
    const std::size_t equals = text.find('=', begin);
    if (equals != std::string::npos && equals < end)
        begin = equals + 1;
    const std::string& number = extremeNumbers()[below(extremeNumbers().size())];
    description = "number '" + text.substr(begin, end - begin) + "' became '" + number + "'";
    return text.substr(0, begin) + number + text.substr(end);
}

std::string MutationEngine::replaceText(const std::string& text, std::string& description)
{
    const auto runs = textRuns(text);
    if (runs.empty())
        return flipBits(text, description);
    auto [begin, end] = runs[below(runs.size())];
    std::string replacement;
    switch (below(4)) {
    case 0: {
        const std::size_t equals = text.find('=', begin);
        if (equals != std::string::npos && equals < end)
            begin = equals + 1;
        replacement = awkwardPaths()[below(awkwardPaths().size())];
        break;
    }
    case 1:
        replacement = std::string(1 + below(20000), 'x');
        break;
    case 2: {
        static const std::vector<std::string> arguments = {"=", "src=", "==", "a=b=c", "src==", "draw_stat=",
            "draw_stat=11", "xAlign=Left", "red=256", "red=-1", "green=65536", "blue=4294967297", "changeCycle=-1",
            "changeCycle=2147483648", "num_steps=1e400"};
        replacement = arguments[below(arguments.size())];
        break;
    }
    default:
        replacement = garbage(1 + below(64));
        break;
    }
    description = "text '" + text.substr(begin, std::min<std::size_t>(end - begin, 40)) + "' replaced ("
        + std::to_string(replacement.size()) + " bytes)";
    return text.substr(0, begin) + replacement + text.substr(end);
}

} // namespace robustness
