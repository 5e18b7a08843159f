#include "platform/SafeFileReplacement.h"

#include "support/TestFiles.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using testing_support::folderEntries;
using testing_support::readWholeFile;
using testing_support::TemporaryFolder;

mode_t permissionBits(const std::string& path)
{
    struct stat status { };
    EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
    return status.st_mode & 07777;
}

// Sets the process's umask for the scope of a test.
class UmaskScope {
public:
    explicit UmaskScope(mode_t mask)
        : previous_(::umask(mask))
    {
    }
    ~UmaskScope() { ::umask(previous_); }
    UmaskScope(const UmaskScope&) = delete;
    UmaskScope& operator=(const UmaskScope&) = delete;

private:
    mode_t previous_;
};

// Caps the size of the files this process may write, so that a write fails partway even
// for root, and ignores the signal that would otherwise end the process at the cap.
class FileSizeLimitScope {
public:
    explicit FileSizeLimitScope(rlim_t limit)
    {
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit capped = previous_;
        capped.rlim_cur = limit;
        ::setrlimit(RLIMIT_FSIZE, &capped);
    }
    ~FileSizeLimitScope()
    {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimitScope(const FileSizeLimitScope&) = delete;
    FileSizeLimitScope& operator=(const FileSizeLimitScope&) = delete;

private:
    rlimit previous_ {};
    void (*previousHandler_)(int) = SIG_DFL;
};

} // namespace

TEST(SafeFileReplacement, ReplacesWithTheExactBytesAndLeavesNothingElse)
{
    TemporaryFolder folder;
    const std::string path = folder.write("universe.xml", "old contents, longer than the new ones");
    // A reader that opened the old file keeps reading the old file: the new one arrives
    // whole under the same name instead of being written over it.
    std::ifstream reader(path, std::ios::binary);

    const std::string bytes("\0\x01\xff\r\n\x7fz\0", 8);
    std::error_code error;
    EXPECT_TRUE(platform::replaceFileContents(path, bytes, error));
    EXPECT_FALSE(error);
    EXPECT_EQ(readWholeFile(path), bytes);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(reader), {}), "old contents, longer than the new ones");

    EXPECT_TRUE(platform::replaceFileContents(path, ""));
    EXPECT_TRUE(fs::is_regular_file(path));
    EXPECT_EQ(fs::file_size(path), 0u);

    EXPECT_TRUE(platform::replaceFileContents(folder.file("trail.dat"), "first"));
    EXPECT_EQ(readWholeFile(folder.file("trail.dat")), "first");
    EXPECT_EQ(folderEntries(folder.path()), (std::vector<std::string> { "trail.dat", "universe.xml" }));
}

TEST(SafeFileReplacement, NewFileTakesItsModeFromTheUmask)
{
    TemporaryFolder folder;
    UmaskScope mask(027);
    ASSERT_TRUE(platform::replaceFileContents(folder.file("new.xml"), "<universe/>"));
    EXPECT_EQ(permissionBits(folder.file("new.xml")), 0640u);
}

TEST(SafeFileReplacement, ExistingFileKeepsItsMode)
{
    TemporaryFolder folder;
    UmaskScope mask(022);
    const std::string path = folder.write("private.xml", "old");
    fs::permissions(path, fs::perms(0604));
    ASSERT_TRUE(platform::replaceFileContents(path, "new"));
    EXPECT_EQ(permissionBits(path), 0604u);
}

// A read-only file is kept even though its folder may be written and the rename would
// succeed: writing over it in place would have failed, so replacing it must too (root
// included, as a read-only file is on Windows).
TEST(SafeFileReplacement, ReadOnlyFileIsKept)
{
    TemporaryFolder folder;
    const std::string path = folder.write("published.obs", "old");
    fs::permissions(path, fs::perms(0444));
    std::error_code error;
    EXPECT_FALSE(platform::replaceFileContents(path, "new", error));
    EXPECT_EQ(error, std::errc::permission_denied);
    EXPECT_EQ(readWholeFile(path), "old");
    EXPECT_EQ(permissionBits(path), 0444u);
    EXPECT_EQ(folderEntries(folder.path()), std::vector<std::string> { "published.obs" });
}

// A save killed between creating its temporary and renaming it leaves the temporary;
// the next save of the same file removes it once its process is gone, and keeps the
// temporaries of running processes, of other files and those touched just now.
TEST(SafeFileReplacement, NextSaveRemovesTheTemporaryOfAKilledSave)
{
    TemporaryFolder folder;
    const pid_t ended = ::fork();
    if (ended == 0)
        ::_exit(0);
    ASSERT_GT(ended, 0);
    ASSERT_EQ(::waitpid(ended, nullptr, 0), ended);
    const std::string gone = std::to_string(ended);
    const std::string living = std::to_string(::getppid());
    const auto stale = [&](const std::string& name) {
        const std::string path = folder.write(name, "half a file");
        fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::minutes(5));
    };
    stale(".universe.ptu.saving-" + gone + "-Ab12xZ");
    stale(".universe.ptu.saving-" + living + "-Cd34yW");
    stale(".other.ptu.saving-" + gone + "-Ef56zV");
    folder.write(".universe.ptu.saving-" + gone + "-Gh78wU", "just begun");

    ASSERT_TRUE(platform::replaceFileContents(folder.file("universe.ptu"), "whole"));
    EXPECT_EQ(readWholeFile(folder.file("universe.ptu")), "whole");
    std::vector<std::string> kept { ".other.ptu.saving-" + gone + "-Ef56zV", ".universe.ptu.saving-" + gone + "-Gh78wU",
        ".universe.ptu.saving-" + living + "-Cd34yW", "universe.ptu" };
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(folderEntries(folder.path()), kept);
}

TEST(SafeFileReplacement, WritesThroughALinkChainAndKeepsTheLinks)
{
    TemporaryFolder folder;
    const std::string real = folder.write("data/real.xml", "old");
    fs::create_directory(folder.path() / "links");
    // The relative link counts from its own folder, not from the current one.
    fs::create_symlink("../data/real.xml", folder.path() / "links" / "first");
    fs::create_symlink(folder.path() / "links" / "first", folder.path() / "second");

    ASSERT_TRUE(platform::replaceFileContents(folder.file("second"), "new"));
    EXPECT_EQ(readWholeFile(real), "new");
    EXPECT_TRUE(fs::is_symlink(folder.path() / "second"));
    EXPECT_TRUE(fs::is_symlink(folder.path() / "links" / "first"));
    EXPECT_EQ(fs::read_symlink(folder.path() / "links" / "first"), "../data/real.xml");
    EXPECT_EQ(folderEntries(folder.path() / "data"), std::vector<std::string> { "real.xml" });
    EXPECT_EQ(folderEntries(folder.path() / "links"), std::vector<std::string> { "first" });
}

TEST(SafeFileReplacement, DanglingLinkCreatesItsTarget)
{
    TemporaryFolder folder;
    fs::create_directories(folder.path() / "data");
    fs::create_directories(folder.path() / "links");
    fs::create_symlink("../data/pending.xml", folder.path() / "links" / "pending");

    ASSERT_TRUE(platform::replaceFileContents(folder.file("links/pending"), "created"));
    EXPECT_EQ(readWholeFile(folder.file("data/pending.xml")), "created");
    EXPECT_TRUE(fs::is_symlink(folder.path() / "links" / "pending"));
    EXPECT_EQ(folderEntries(folder.path() / "links"), std::vector<std::string> { "pending" });
}

TEST(SafeFileReplacement, RefusesWhatIsNotAFile)
{
    TemporaryFolder folder;
    folder.write("sub/inside.txt", "kept");
    fs::create_directory_symlink(folder.path() / "sub", folder.path() / "to-sub");
    const std::vector<std::string> before = folderEntries(folder.path());

    std::error_code error;
    EXPECT_FALSE(platform::replaceFileContents("", "x", error));
    EXPECT_TRUE(error);
    EXPECT_FALSE(platform::replaceFileContents(folder.file("sub"), "x", error));
    EXPECT_EQ(error, std::errc::is_a_directory);
    EXPECT_FALSE(platform::replaceFileContents(folder.file("to-sub"), "x"));
    EXPECT_FALSE(platform::replaceFileContents(folder.file("sub") + "/", "x"));
    EXPECT_FALSE(platform::replaceFileContents(folder.file("missing/file.txt"), "x", error));
    EXPECT_EQ(error, std::errc::no_such_file_or_directory);

    EXPECT_EQ(folderEntries(folder.path()), before);
    EXPECT_EQ(folderEntries(folder.path() / "sub"), std::vector<std::string> { "inside.txt" });
    EXPECT_TRUE(fs::is_symlink(folder.path() / "to-sub"));
}

TEST(SafeFileReplacement, FailedWriteKeepsTheOldFileAndRemovesTheTemporary)
{
    TemporaryFolder folder;
    const std::string path = folder.write("trail.dat", "old trail");
    const std::string contents(4096, 'n');
    std::error_code error;
    bool replaced = true;
    {
        // Nothing may be printed while the cap is on: test output may go to a file too.
        FileSizeLimitScope cap(100);
        replaced = platform::replaceFileContents(path, contents, error);
    }
    EXPECT_FALSE(replaced);
    EXPECT_EQ(error, std::errc::file_too_large);
    EXPECT_EQ(readWholeFile(path), "old trail");
    EXPECT_EQ(folderEntries(folder.path()), std::vector<std::string> { "trail.dat" });
}

TEST(SafeFileReplacement, ReadOnlyFolderKeepsTheOldFile)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    TemporaryFolder folder;
    const std::string path = folder.write("universe.xml", "old");
    fs::permissions(folder.path(), fs::perms(0555));
    std::error_code error;
    EXPECT_FALSE(platform::replaceFileContents(path, "new", error));
    EXPECT_EQ(error, std::errc::permission_denied);
    EXPECT_FALSE(platform::replaceFileContents(folder.file("other.xml"), "new"));
    fs::permissions(folder.path(), fs::perms(0755));
    EXPECT_EQ(readWholeFile(path), "old");
    EXPECT_EQ(folderEntries(folder.path()), std::vector<std::string> { "universe.xml" });
}
