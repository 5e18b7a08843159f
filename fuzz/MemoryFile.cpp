#include "MemoryFile.h"

#include "FuzzCheck.h"

#include <sys/mman.h>
#include <unistd.h>

namespace fuzz {

MemoryFile::MemoryFile()
    : descriptor_(::memfd_create("skyloom-fuzz-input", MFD_CLOEXEC))
{
    check(descriptor_ >= 0, "a memory file can be made");
    path_ = "/proc/self/fd/" + std::to_string(descriptor_);
}

MemoryFile::~MemoryFile() { ::close(descriptor_); }

void MemoryFile::write(const std::uint8_t* data, std::size_t size)
{
    check(::ftruncate(descriptor_, 0) == 0, "the memory file can be emptied");
    std::size_t written = 0;
    while (written < size) {
        const ssize_t part = ::pwrite(descriptor_, data + written, size - written, static_cast<off_t>(written));
        check(part > 0, "the memory file takes the input");
        written += static_cast<std::size_t>(part);
    }
}

} // namespace fuzz
