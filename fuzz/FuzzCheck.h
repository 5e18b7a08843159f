#pragma once
// The fuzzers' own checks of what a reader promises: a broken promise stops the run
// like a crash, so libFuzzer keeps the input that broke it.
#include <cstddef>
#include <string>

namespace fuzz {

// Prints `promise` and aborts when `holds` is false.
void check(bool holds, const char* promise);

// Checks that `text` holds at most `limit` characters as the engine counts them
// (platform::cutText: UTF-8, a character of up to four bytes), not bytes.
void checkCut(const std::string& text, std::size_t limit, const char* promise);

} // namespace fuzz
