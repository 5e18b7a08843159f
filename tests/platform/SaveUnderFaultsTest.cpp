// Saves that meet a fault from outside: the saving process killed at any moment, and a
// file system that runs out of room. Whatever happens, the saved file is one whole
// version of itself, and what a failed or killed save left behind goes away.
#include "platform/SafeFileReplacement.h"

#include "support/Deadline.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include <signal.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using testing_support::folderEntries;
using testing_support::readWholeFile;
using testing_support::TemporaryFolder;

// Large enough that writing and flushing it takes most of a save's time, so that a kill at
// a random moment usually lands between the temporary's creation and the rename.
constexpr std::size_t kVersionSize = 1 << 20;
// Rounds of start, kill and check: at least the first number, and more (up to the second)
// until one kill has left a temporary behind.
constexpr int kMinimumKills = 6;
constexpr int kMaximumKills = 40;
// The kill comes this long, at most, after the child's first save has landed.
constexpr int kLongestKillDelayMicroseconds = 20000;

// Version `number` of a file of `size` bytes: a header naming the version, then bytes that
// depend on both the version and their place, so that a file cut short, or made of the
// parts of two versions, is no version at all.
std::string version(std::uint32_t number, std::size_t size = kVersionSize)
{
    std::string text = "version " + std::to_string(number) + "\n";
    const std::size_t header = text.size();
    text.resize(size);
    for (std::size_t i = header; i < size; ++i)
        text[i] = static_cast<char>('a' + (i * 7 + number) % 26);
    return text;
}

testing::AssertionResult isWholeVersion(const std::string& contents)
{
    unsigned number = 0;
    if (std::sscanf(contents.c_str(), "version %u\n", &number) != 1)
        return testing::AssertionFailure() << "no version header in a file of " << contents.size() << " bytes";
    if (contents.size() != kVersionSize || contents != version(number))
        return testing::AssertionFailure() << "version " << number << " is not whole: " << contents.size() << " bytes";
    return testing::AssertionSuccess();
}

// A child process that saves versions 1, 2, 3 ... of one file in a loop until it is killed.
// The destructor kills and reaps it whatever the test did, and the child gives up by itself
// after the wait limit, so a failing test never leaves it running.
class SavingChild {
public:
    explicit SavingChild(const std::string& path)
        : pid_(::fork())
    {
        if (pid_ == 0)
            saveUntilKilled(path);
    }
    ~SavingChild() { kill(); }
    SavingChild(const SavingChild&) = delete;
    SavingChild& operator=(const SavingChild&) = delete;

    bool started() const { return pid_ > 0; }
    pid_t pid() const { return pid_; }
    // SIGKILL, then waits until the process has ended.
    void kill()
    {
        if (pid_ <= 0 || reaped_)
            return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        reaped_ = true;
    }

private:
    // _exit: the child must not run the exit handlers of the test program it was forked from.
    [[noreturn]] static void saveUntilKilled(const std::string& path)
    {
        const auto giveUp = std::chrono::steady_clock::now() + testing_support::kWaitLimit;
        for (std::uint32_t number = 1; std::chrono::steady_clock::now() < giveUp; ++number)
            platform::replaceFileContents(path, version(number));
        ::_exit(0);
    }

    pid_t pid_;
    bool reaped_ = false;
};

// A tmpfs of `bytes` mounted over a folder for the life of the object.
class SmallFileSystem {
public:
    SmallFileSystem(const fs::path& folder, std::size_t bytes)
        : folder_(folder)
    {
        const std::string options = "size=" + std::to_string(bytes);
        if (::mount("tmpfs", folder.c_str(), "tmpfs", MS_NOSUID | MS_NODEV | MS_NOEXEC, options.c_str()) != 0)
            failure_ = std::strerror(errno);
    }
    ~SmallFileSystem()
    {
        if (mounted())
            ::umount2(folder_.c_str(), MNT_DETACH);
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool mounted() const { return failure_.empty(); }
    const std::string& failure() const { return failure_; }

private:
    fs::path folder_;
    std::string failure_;
};

// What a killed save of `name` by `pid` may leave: its temporary, and nothing else.
std::vector<std::string> leftoversOf(const fs::path& folder, const std::string& name, pid_t pid)
{
    const std::string prefix = "." + name + ".saving-" + std::to_string(pid) + "-";
    std::vector<std::string> leftovers;
    for (const std::string& entry : folderEntries(folder)) {
        if (entry == name)
            continue;
        EXPECT_EQ(entry.rfind(prefix, 0), 0u) << "unexpected file " << entry;
        leftovers.push_back(entry);
    }
    return leftovers;
}

// The leftover of a killed save stays while it is young (its writer might only be slow)
// and goes with the next save of the same file once it is a minute old.
void expectNextSaveRemovesOnceOld(const TemporaryFolder& folder, const std::string& name, const std::string& leftover)
{
    const std::string path = folder.file(name);
    ASSERT_TRUE(platform::replaceFileContents(path, version(0)));
    ASSERT_EQ(folderEntries(folder.path()), (std::vector<std::string> { leftover, name }));

    fs::last_write_time(folder.file(leftover), fs::file_time_type::clock::now() - std::chrono::minutes(2));
    ASSERT_TRUE(platform::replaceFileContents(path, version(0)));
    EXPECT_EQ(folderEntries(folder.path()), std::vector<std::string> { name });
    EXPECT_TRUE(isWholeVersion(readWholeFile(path)));
}

} // namespace

TEST(SaveUnderFaults, AKilledSaveLeavesAWholeFileAndItsTemporaryGoesWithALaterSave)
{
    TemporaryFolder folder;
    const std::string name = "universe.ptu";
    const std::string path = folder.write(name, version(0));
    std::mt19937 random(std::random_device {}());
    std::uniform_int_distribution<int> killDelay(0, kLongestKillDelayMicroseconds);
    int killsThatLeftATemporary = 0;
    for (int kill = 0; kill < kMaximumKills && (kill < kMinimumKills || killsThatLeftATemporary == 0); ++kill) {
        const std::string before = readWholeFile(path);
        SavingChild child(path);
        ASSERT_TRUE(child.started()) << std::strerror(errno);
        ASSERT_TRUE(testing_support::waitUntil([&] { return readWholeFile(path) != before; }))
            << "the child never saved";
        // Not a synchronisation: the kill is meant to land at any point of the save loop.
        std::this_thread::sleep_for(std::chrono::microseconds(killDelay(random)));
        child.kill();

        ASSERT_TRUE(isWholeVersion(readWholeFile(path))) << "after kill " << kill;
        const std::vector<std::string> leftovers = leftoversOf(folder.path(), name, child.pid());
        ASSERT_LE(leftovers.size(), 1u);
        if (leftovers.empty())
            continue;
        ++killsThatLeftATemporary;
        expectNextSaveRemovesOnceOld(folder, name, leftovers.front());
        if (HasFailure())
            return;
    }
    EXPECT_GT(killsThatLeftATemporary, 0) << "no kill landed inside a save, so the removal of leftovers went untested";
}

TEST(SaveUnderFaults, AFullFileSystemFailsTheSaveAndKeepsTheOldFileWhole)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "mounting a small file system needs root";
    TemporaryFolder folder;
    SmallFileSystem disk(folder.path(), 64 * 1024);
    if (!disk.mounted())
        GTEST_SKIP() << "cannot mount a small tmpfs: " << disk.failure();
    const std::string path = folder.file("trail.obs");
    const std::string old = version(1, 16 * 1024);
    ASSERT_TRUE(platform::replaceFileContents(path, old));

    std::error_code error;
    EXPECT_FALSE(platform::replaceFileContents(path, version(2, 256 * 1024), error));
    EXPECT_EQ(error, std::errc::no_space_on_device);
    EXPECT_EQ(readWholeFile(path), old);
    EXPECT_EQ(folderEntries(folder.path()), std::vector<std::string> { "trail.obs" });
    // The failed save gave its room back: a save that fits beside the old file still works.
    EXPECT_TRUE(platform::replaceFileContents(path, version(3, 16 * 1024)));
    EXPECT_EQ(readWholeFile(path), version(3, 16 * 1024));
}
