#include "documents/ColourArgument.h"

#include "documents/ArgumentText.h"
#include "platform/Message.h"
#include "platform/Text.h"
#include "xml/XmlNode.h"

#include <cstdlib>
#include <optional>

namespace {

constexpr const char* kParserErrorCaption = "Parser Error";
constexpr long kLargestComponent = 255;

// The bit position of a component name, compared exactly.
std::optional<int> componentShift(const std::string& name)
{
    if (name == "red")
        return 0;
    if (name == "green")
        return 8;
    if (name == "blue")
        return 16;
    return std::nullopt;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Whether the text after an integer's digits goes on as a decimal number: a fraction or
// an exponent.
bool continuesAsNumber(const char* rest)
{
    if (rest[0] == '.')
        return true;
    if (rest[0] != 'e' && rest[0] != 'E')
        return false;
    const char* exponent = rest + 1;
    if (*exponent == '+' || *exponent == '-')
        ++exponent;
    return isDigit(*exponent);
}

// The value as the C library's atoi reads it (leading blanks, optional sign, leading
// digits), but kept in range: out-of-range numbers saturate instead of wrapping, so
// that 65536 or -65536 cannot pass as 0. A number with a fraction or an exponent ("1.5",
// "1e309") is refused rather than cut to its leading digits: it is not the component it claims.
std::optional<ColourRef> componentValue(const std::string& value)
{
    char* end = nullptr;
    const long number = std::strtol(value.c_str(), &end, 10);
    if (number < 0 || number > kLargestComponent || continuesAsNumber(end))
        return std::nullopt;
    return static_cast<ColourRef>(number);
}

} // namespace

HRESULT ParseColourArgument(const std::string& text, ColourRef& colour, std::int32_t report)
{
    std::string name;
    std::string value;
    const HRESULT split = splitArgument(text, name, value);
    if (FAILED(split)) {
        if (report == 1)
            platform::showMessage(
                platform::formatText("Unrecognized color argument: %s", argumentNamePart(text).c_str()),
                kParserErrorCaption);
        return split;
    }
    const std::optional<int> shift = componentShift(name);
    const std::optional<ColourRef> component = shift ? componentValue(value) : std::nullopt;
    if (!component) {
        if (report == 1)
            platform::showMessage(platform::formatText("Invalid color argument: %s = %s", name.c_str(), value.c_str()),
                kParserErrorCaption);
        return E_FAIL;
    }
    colour |= *component << *shift;
    return S_OK;
}

HRESULT ParseColour(XmlNode* node, ColourRef* colour, std::int32_t report)
{
    if (!node || !colour)
        return E_INVALIDARG;
    *colour = 0;
    HRESULT result = node->select("arg");
    if (FAILED(result))
        return result;
    for (; node->getSelected(); node->next()) {
        // An arg without text reads as empty text, which the argument parse rejects
        // with its own message.
        std::string text;
        node->readSelectedText(".", text);
        result = ParseColourArgument(platform::cutText(text, platform::kMaxTextLength), *colour, report);
        if (FAILED(result))
            return result;
    }
    return result;
}
