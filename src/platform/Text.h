#pragma once
// Single-byte text helpers shared by the whole engine.
#include <cstddef>
#include <string>

namespace platform {

// printf-style formatting into a std::string.
std::string formatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

// As formatText, for text written to a file: numbers always take '.' as the decimal
// point, whatever the process locale. Only the calling thread's locale is switched,
// and only for the call. Every writer formats its numbers through here.
std::string formatFileText(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The first `limit` characters of `text` (UTF-8): a character is never cut in two. A byte
// that begins no character of its own (a stray continuation byte) counts as one.
std::string cutText(const std::string& text, std::size_t limit);

// Texts read from XML are cut to this many characters.
constexpr std::size_t kMaxTextLength = 256;
// Paths hold at most this many characters.
constexpr std::size_t kMaxPathLength = 259;

} // namespace platform
