#include "EmptyFolder.h"

#include "FuzzCheck.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fuzz {

EmptyFolder::EmptyFolder()
    : path_((std::filesystem::temp_directory_path() / "skyloom-fuzz-XXXXXX").string())
{
    check(::mkdtemp(path_.data()) != nullptr, "an empty folder can be made");
}

EmptyFolder::~EmptyFolder()
{
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
}

} // namespace fuzz
