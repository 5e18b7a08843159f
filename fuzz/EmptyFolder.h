#pragma once
// A folder of its own under the system's temporary folder, made empty and removed with
// the object (left behind, empty, only when a run stops at a crash).
#include <string>

namespace fuzz {

class EmptyFolder {
public:
    // Aborts when the folder cannot be made: a fuzzer that needs it cannot run without it.
    EmptyFolder();
    ~EmptyFolder();
    EmptyFolder(const EmptyFolder&) = delete;
    EmptyFolder& operator=(const EmptyFolder&) = delete;

    const std::string& path() const { return path_; }

private:
    std::string path_;
};

} // namespace fuzz
