#pragma once
// Temporary folders and files for tests.
#include <filesystem>
#include <string>
#include <vector>

namespace testing_support {

// A fresh folder under the system's temporary folder, removed with its contents on destruction.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Writes `content` to `name` inside the folder and returns the file's full path.
    std::string write(const std::string& name, const std::string& content) const;
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

std::string readWholeFile(const std::string& path);

// The names of everything in `folder`, sorted, so that a file left behind shows up.
std::vector<std::string> folderEntries(const std::filesystem::path& folder);

// Runs the scope with the current directory changed to `folder`, restoring it afterwards.
class CurrentDirectoryScope {
public:
    explicit CurrentDirectoryScope(const std::filesystem::path& folder);
    ~CurrentDirectoryScope();
    CurrentDirectoryScope(const CurrentDirectoryScope&) = delete;
    CurrentDirectoryScope& operator=(const CurrentDirectoryScope&) = delete;

private:
    std::filesystem::path previous_;
};

} // namespace testing_support
