#pragma once
// The fixed inputs the robustness suites load: extremes a reader must survive (very deep
// nesting, very long texts, wrong counts, extreme numbers, paths that name no file). Random
// damage to files is libFuzzer's work (fuzz/); these cases pin behaviours on purpose.
#include <cstddef>
#include <string>
#include <vector>

namespace robustness {

// One input: what it is, for failure messages, and its bytes.
struct Extreme {
    std::string description;
    std::string bytes;
};

// Number texts that a reader must survive: overflow, underflow, NaN, infinity, signs.
const std::vector<std::string>& extremeNumbers();

// Paths that name nothing readable, or something that is not a file.
const std::vector<std::string>& awkwardPaths();

// `depth` nested elements named `name`, with `inner` in the innermost one.
std::string nested(const std::string& name, std::size_t depth, const std::string& inner = "");

// A trail file declaring `declared` observations and holding `written` of them.
std::string trailText(const std::string& declared, int written, const std::string& value = "0.5");

// A universe file with one system of one orb whose fields are all `value`.
std::string universeText(const std::string& value, const std::string& extraBodyContent = "");

} // namespace robustness
