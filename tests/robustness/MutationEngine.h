#pragma once
// Deterministic damage to file contents: a fixed seed always gives the same list of
// mutated texts, so a failure found once is found again on every run.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace robustness {

struct Mutation {
    std::string description; // what was done, for failure messages
    std::string bytes;
};

class MutationEngine {
public:
    explicit MutationEngine(std::uint32_t seed);

    // `count` mutants of `original`, each with one to three random changes: bit flips,
    // byte changes, truncation, inserted garbage or markup, elements duplicated, removed
    // or renamed, number texts replaced by extreme ones, paths replaced by awkward ones.
    std::vector<Mutation> mutate(const std::string& original, int count);

    // `original` cut after every `step` bytes (the empty text first).
    static std::vector<Mutation> truncations(const std::string& original, std::size_t step);

    // Number texts that a reader must survive: overflow, underflow, NaN, infinity, signs.
    static const std::vector<std::string>& extremeNumbers();
    // Paths that name nothing readable, or something that is not a file.
    static const std::vector<std::string>& awkwardPaths();

private:
    std::size_t below(std::size_t bound); // 0 ... bound - 1; 0 when bound is 0
    std::string garbage(std::size_t length);
    std::string applyOne(const std::string& text, std::string& description);

    std::string flipBits(const std::string& text, std::string& description);
    std::string replaceByte(const std::string& text, std::string& description);
    std::string truncate(const std::string& text, std::string& description);
    std::string insertGarbage(const std::string& text, std::string& description);
    std::string insertMarkup(const std::string& text, std::string& description);
    std::string duplicateElement(const std::string& text, std::string& description);
    std::string removeElement(const std::string& text, std::string& description);
    std::string renameElement(const std::string& text, std::string& description);
    std::string replaceNumber(const std::string& text, std::string& description);
    std::string replaceText(const std::string& text, std::string& description);

    std::mt19937 random_;
};

} // namespace robustness
