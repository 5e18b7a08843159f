#pragma once
// The fuzzers' own checks of what a reader promises: a broken promise stops the run
// like a crash, so libFuzzer keeps the input that broke it.

namespace fuzz {

// Prints `promise` and aborts when `holds` is false.
void check(bool holds, const char* promise);

} // namespace fuzz
