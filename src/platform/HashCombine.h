#pragma once
// Folds a value into a running 64-bit hash (for keys that name what a cached picture shows).
#include <bit>
#include <cstdint>

namespace platform {

constexpr std::uint64_t hashCombine(std::uint64_t seed, std::uint64_t value)
{
    // The mixing step of splitmix64 over the sum: every input bit reaches every output bit.
    std::uint64_t z = seed + 0x9e3779b97f4a7c15ull + value;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
}

inline std::uint64_t hashCombine(std::uint64_t seed, double value)
{
    return hashCombine(seed, std::bit_cast<std::uint64_t>(value));
}

} // namespace platform
