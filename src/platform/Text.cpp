#include "platform/Text.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace platform {

std::string formatText(const char* format, ...)
{
    va_list args;
    va_start(args, format);
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
    va_end(args);
    return result;
}

std::string cutText(const std::string& text, std::size_t limit)
{
    return text.size() <= limit ? text : text.substr(0, limit);
}

} // namespace platform
