#pragma once
// The input of a run as a file, for the readers that open a path.
#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

// Puts the `size` bytes at `data` into the process's one memory file (see MemoryFile) and
// returns its path; the next call replaces them.
const std::string& inputFile(const std::uint8_t* data, std::size_t size);

} // namespace fuzz
