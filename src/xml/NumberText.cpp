#include "xml/NumberText.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <locale.h>
#include <strings.h>

namespace xmltext {
namespace {

    bool isBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

    bool isDigit(char c) { return c >= '0' && c <= '9'; }

    std::size_t skipBlanks(const std::string& text)
    {
        std::size_t index = 0;
        while (index < text.size() && isBlank(text[index]))
            ++index;
        return index;
    }

    std::size_t skipDigits(const std::string& text, std::size_t index)
    {
        while (index < text.size() && isDigit(text[index]))
            ++index;
        return index;
    }

    // The length of the decimal number that starts at `begin`, 0 when there is none.
    std::size_t decimalNumberLength(const std::string& text, std::size_t begin)
    {
        std::size_t index = begin;
        if (index < text.size() && (text[index] == '+' || text[index] == '-'))
            ++index;
        const std::size_t integerEnd = skipDigits(text, index);
        bool hasDigits = integerEnd > index;
        index = integerEnd;
        if (index < text.size() && text[index] == '.') {
            const std::size_t fractionEnd = skipDigits(text, index + 1);
            hasDigits = hasDigits || fractionEnd > index + 1;
            index = fractionEnd;
        }
        if (!hasDigits)
            return 0;
        if (index < text.size() && (text[index] == 'e' || text[index] == 'E')) {
            std::size_t exponent = index + 1;
            if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
                ++exponent;
            const std::size_t exponentEnd = skipDigits(text, exponent);
            if (exponentEnd > exponent)
                index = exponentEnd;
        }
        return index - begin;
    }

    // The "C" locale, made once; strtod_l reads '.' as the decimal point in it.
    locale_t classicLocale()
    {
        static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
        return locale;
    }

} // namespace

std::int32_t toLong(const std::string& text)
{
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

double toDouble(const std::string& text)
{
    const std::size_t begin = skipBlanks(text);
    const std::size_t length = decimalNumberLength(text, begin);
    if (length == 0)
        return 0.0;
    const std::string number = text.substr(begin, length);
    return strtod_l(number.c_str(), nullptr, classicLocale());
}

std::optional<double> toDoubleWhole(const std::string& text)
{
    const std::size_t begin = skipBlanks(text);
    const std::size_t length = decimalNumberLength(text, begin);
    if (length == 0)
        return std::nullopt;
    for (std::size_t index = begin + length; index < text.size(); ++index)
        if (!isBlank(text[index]))
            return std::nullopt;
    return toDouble(text);
}

double toDoubleOrNonFinite(const std::string& text)
{
    std::size_t index = skipBlanks(text);
    const bool negative = index < text.size() && text[index] == '-';
    if (index < text.size() && (text[index] == '+' || text[index] == '-'))
        ++index;
    const auto startsWith
        = [&](const char* word) { return strncasecmp(text.c_str() + index, word, std::strlen(word)) == 0; };
    if (startsWith("nan"))
        return std::numeric_limits<double>::quiet_NaN();
    if (startsWith("inf"))
        return negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    return toDouble(text);
}

} // namespace xmltext
