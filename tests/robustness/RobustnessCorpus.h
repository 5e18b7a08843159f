#pragma once
// The inputs the robustness suites start from: the shipped files and synthetic
// extremes (very deep nesting, very long texts, wrong counts).
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace robustness {

// Every file of the shipped data folder `folder` (e.g. "AstreonLayouts") ending in
// `extension`, sorted by name so that the mutants come in a fixed order.
std::vector<std::filesystem::path> shippedFiles(const std::string& folder, const std::string& extension);

std::string readFile(const std::filesystem::path& path);

// `depth` nested elements named `name`, with `inner` in the innermost one.
std::string nested(const std::string& name, std::size_t depth, const std::string& inner = "");

// A trail file declaring `declared` observations and holding `written` of them.
std::string trailText(const std::string& declared, int written, const std::string& value = "0.5");

// A universe file with one system of one orb whose fields are all `value`.
std::string universeText(const std::string& value, const std::string& extraBodyContent = "");

} // namespace robustness
