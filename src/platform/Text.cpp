#include "platform/Text.h"

#include <cstdarg>
#include <cstdio>
#include <locale.h>
#include <vector>

namespace platform {

namespace {

    // Switches the calling thread to the C locale for its lifetime; other threads keep theirs.
    class CLocaleScope {
    public:
        CLocaleScope()
        {
            static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
            if (cLocale != static_cast<locale_t>(nullptr))
                previous_ = uselocale(cLocale);
        }
        ~CLocaleScope()
        {
            if (previous_ != static_cast<locale_t>(nullptr))
                uselocale(previous_);
        }
        CLocaleScope(const CLocaleScope&) = delete;
        CLocaleScope& operator=(const CLocaleScope&) = delete;

    private:
        locale_t previous_ = static_cast<locale_t>(nullptr);
    };

    std::string formatArguments(const char* format, va_list args)
    {
        va_list measure;
        va_copy(measure, args);
        const int length = std::vsnprintf(nullptr, 0, format, measure);
        va_end(measure);
        std::string result;
        if (length > 0) {
            std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
            std::vsnprintf(buffer.data(), buffer.size(), format, args);
            result.assign(buffer.data(), static_cast<std::size_t>(length));
        }
        return result;
    }

} // namespace

std::string formatText(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::string result = formatArguments(format, args);
    va_end(args);
    return result;
}

std::string formatFileText(const char* format, ...)
{
    const CLocaleScope cLocale;
    va_list args;
    va_start(args, format);
    std::string result = formatArguments(format, args);
    va_end(args);
    return result;
}

std::string cutText(const std::string& text, std::size_t limit)
{
    if (text.size() <= limit)
        return text;
    const auto continues = [&text](std::size_t at) { return (static_cast<unsigned char>(text[at]) & 0xC0u) == 0x80u; };
    std::size_t characters = 0;
    for (std::size_t at = 0; at < text.size();) {
        if (characters == limit)
            return text.substr(0, at);
        // A lead byte with the continuation bytes that follow it (at most three).
        std::size_t end = at + 1;
        const bool lead = (static_cast<unsigned char>(text[at]) & 0xC0u) == 0xC0u;
        while (lead && end < text.size() && end - at < 4 && continues(end))
            ++end;
        at = end;
        ++characters;
    }
    return text;
}

} // namespace platform
