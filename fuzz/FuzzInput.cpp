#include "FuzzInput.h"

#include "MemoryFile.h"

namespace fuzz {

const std::string& inputFile(const std::uint8_t* data, std::size_t size)
{
    static MemoryFile file;
    file.write(data, size);
    return file.path();
}

} // namespace fuzz
