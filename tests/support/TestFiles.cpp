#include "support/TestFiles.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <random>
#include <sstream>
#include <unistd.h>

namespace testing_support {

TemporaryFolder::TemporaryFolder()
{
    static std::atomic<int> counter { 0 };
    std::random_device seed;
    path_ = std::filesystem::temp_directory_path()
        / ("skyloom-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++) + "-"
            + std::to_string(seed() % 100000));
    std::filesystem::create_directories(path_);
}

TemporaryFolder::~TemporaryFolder()
{
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::string TemporaryFolder::write(const std::string& name, const std::string& content) const
{
    const std::filesystem::path file = path_ / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out << content;
    return file.string();
}

std::string readWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::vector<std::string> folderEntries(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const std::filesystem::directory_entry& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

CurrentDirectoryScope::CurrentDirectoryScope(const std::filesystem::path& folder)
    : previous_(std::filesystem::current_path())
{
    std::filesystem::current_path(folder);
}

CurrentDirectoryScope::~CurrentDirectoryScope()
{
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
}

} // namespace testing_support
