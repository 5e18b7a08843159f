#pragma once
// A file that lives in memory only, named by a path: the fuzzers hand their input to
// readers that open a path, without writing to a disk or leaving files behind when a
// run stops at a crash.
#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

class MemoryFile {
public:
    // Aborts when the system cannot make one: a fuzzer cannot run without it.
    MemoryFile();
    ~MemoryFile();
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    // Replaces the whole contents by `size` bytes at `data`.
    void write(const std::uint8_t* data, std::size_t size);
    // A path that opens the file afresh, at its start, for every reader ("/proc/self/fd/N").
    const std::string& path() const { return path_; }

private:
    int descriptor_ = -1;
    std::string path_;
};

} // namespace fuzz
