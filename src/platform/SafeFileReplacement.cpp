#include "platform/SafeFileReplacement.h"

#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <limits>
#include <random>
#include <string>

#include <signal.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace platform {

namespace {

    namespace fs = std::filesystem;

    // Linux gives up on a path after 40 links; a longer chain is as good as a loop.
    constexpr int kMaxLinkDepth = 40;
    // The longest name a folder entry may have on the usual file systems.
    constexpr std::size_t kMaxNameLength = 255;
    // Random letters at the end of a temporary file's name, as mkstemp uses.
    constexpr std::size_t kUniqueLetters = 6;
    constexpr int kCreateAttempts = 100;
    // Digits of the largest process number Linux hands out (pid_t is 32 bits).
    constexpr std::size_t kMaxProcessDigits = 10;
    // What marks a temporary of a save, after ".<name>.".
    constexpr const char* kSavingTag = "saving-";
    // A temporary of an ended process is removed once it is this old: a process number
    // alone could belong to another process namespace sharing the folder.
    constexpr std::time_t kLeftoverAgeSeconds = 60;

    std::error_code lastError() { return std::error_code(errno, std::generic_category()); }

    // What the caller's path finally names once symbolic links are followed.
    struct Target {
        fs::path path;
        bool exists = false;
        struct stat status { };
    };

    // Follows `path` through symbolic links until it reaches something that is not a link,
    // or nothing at all. canonical() refuses a dangling link, but a link to a file that has
    // not been written yet must create that file, so the chain is walked by hand. Relative
    // link contents count from the link's own folder. Links among the folders above the last
    // component are left to the kernel, which resolves them when the temporary is created.
    bool resolveTarget(fs::path path, Target& target, std::error_code& error)
    {
        for (int depth = 0; depth <= kMaxLinkDepth; ++depth) {
            if (::lstat(path.c_str(), &target.status) != 0) {
                if (errno != ENOENT) {
                    error = lastError();
                    return false;
                }
                target.path = path;
                target.exists = false;
                return true;
            }
            if (!S_ISLNK(target.status.st_mode)) {
                target.path = path;
                target.exists = true;
                return true;
            }
            const fs::path contents = fs::read_symlink(path, error);
            if (error)
                return false;
            path = contents.is_absolute() ? contents : path.parent_path() / contents;
        }
        error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
        return false;
    }

    // ".<name>.saving-" — the leading dot keeps the temporaries of `name` out of listings
    // and out of the way of anyone globbing for the real names. The name is cut so that the
    // whole, with the largest process number and the unique letters, fits in one folder entry.
    std::string temporaryStem(const fs::path& name)
    {
        constexpr std::size_t tagLength = std::char_traits<char>::length(kSavingTag);
        constexpr std::size_t room = kMaxNameLength - 2 - tagLength - kMaxProcessDigits - 1 - kUniqueLetters;
        std::string base = name.native();
        if (base.size() > room)
            base.resize(room);
        return "." + base + "." + kSavingTag;
    }

    // The process number in a temporary's name after `stem` (".<name>.saving-"), or 0 when
    // the rest is not "<pid>-<letters>".
    pid_t creatorOf(const std::string& entry, const std::string& stem)
    {
        if (entry.size() <= stem.size() || entry.compare(0, stem.size(), stem) != 0)
            return 0;
        const std::string rest = entry.substr(stem.size());
        const std::size_t dash = rest.find('-');
        if (dash == 0 || dash == std::string::npos || dash > kMaxProcessDigits
            || rest.size() - dash - 1 != kUniqueLetters || rest.find_first_not_of("0123456789") != dash)
            return 0;
        const long number = std::stol(rest.substr(0, dash));
        return number <= std::numeric_limits<pid_t>::max() ? static_cast<pid_t>(number) : 0;
    }

    bool isLeftover(const fs::path& entry, pid_t creator)
    {
        if (creator == ::getpid() || ::kill(creator, 0) == 0 || errno != ESRCH)
            return false;
        struct stat status { };
        return ::lstat(entry.c_str(), &status) == 0 && S_ISREG(status.st_mode)
            && std::time(nullptr) - status.st_mtime > kLeftoverAgeSeconds;
    }

    // Removes the temporaries of earlier saves of `name` whose process has ended and that
    // have not been touched for a while: a save that was killed leaves its temporary behind,
    // and only a save of the same file knows its name. Best effort: what cannot be read or
    // removed stays.
    void removeLeftovers(const fs::path& folder, const std::string& stem)
    {
        std::error_code error;
        for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
            const fs::path entry = it->path();
            const pid_t creator = creatorOf(entry.filename().native(), stem);
            if (creator > 0 && isLeftover(entry, creator))
                ::unlink(entry.c_str());
        }
    }

    // Windows refuses to replace a read-only file, administrators included; so does this:
    // a target that no one may write, or that this process may not write, is kept.
    bool mayReplace(const Target& target, std::error_code& error)
    {
        if (!target.exists)
            return true;
        if ((target.status.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, target.path.c_str(), W_OK, AT_EACCESS) != 0) {
            error = std::make_error_code(std::errc::permission_denied);
            return false;
        }
        return true;
    }

    // Creates a fresh temporary file in `folder`. mkstemp would give a unique name too, but
    // it creates the file as 0600; a new target must get 0666 less the umask, and the umask
    // can only be read by changing it, which races with other threads creating files.
    // Opening with 0666 and O_EXCL lets the kernel apply the umask (and any default ACL of
    // the folder) exactly as for any other new file, and O_EXCL keeps the name unique.
    int createTemporary(const fs::path& folder, const std::string& prefix, fs::path& temporary, std::error_code& error)
    {
        static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
        // Uniqueness comes from O_EXCL; the generator only makes clashes rare. It is seeded
        // from the clock, the process and the thread so that it cannot throw.
        thread_local std::mt19937_64 generator(
            static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count())
            ^ (static_cast<std::uint64_t>(::getpid()) << 32) ^ reinterpret_cast<std::uintptr_t>(&generator));
        for (int attempt = 0; attempt < kCreateAttempts; ++attempt) {
            std::string name = prefix;
            for (std::size_t i = 0; i < kUniqueLetters; ++i)
                name += letters[generator() % (sizeof letters - 1)];
            temporary = folder / name;
            const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd >= 0)
                return fd;
            if (errno != EEXIST && errno != EINTR) {
                error = lastError();
                return -1;
            }
        }
        error = std::make_error_code(std::errc::file_exists);
        return -1;
    }

    // Gives the temporary the old file's owner, group and permission bits before any byte is
    // written, so that contents meant for a private file are never readable under a looser
    // mode, not even for a moment. Changing the owner needs privileges, so a failure there
    // falls back to keeping just the group, and then to nothing; the owner change comes first
    // because it clears the set-id bits that the mode then restores.
    bool keepAccess(int fd, const struct stat& old, std::error_code& error)
    {
        if (::fchown(fd, old.st_uid, old.st_gid) != 0)
            static_cast<void>(::fchown(fd, static_cast<uid_t>(-1), old.st_gid));
        if (::fchmod(fd, old.st_mode & 07777) != 0) {
            error = lastError();
            return false;
        }
        return true;
    }

    // write() may stop short (signals, large buffers) or be interrupted before writing
    // anything; only a real error ends the loop early.
    bool writeAll(int fd, std::string_view contents, std::error_code& error)
    {
        const char* data = contents.data();
        std::size_t left = contents.size();
        while (left > 0) {
            const ssize_t written = ::write(fd, data, left);
            if (written < 0) {
                if (errno == EINTR)
                    continue;
                error = lastError();
                return false;
            }
            if (written == 0) {
                error = std::make_error_code(std::errc::io_error);
                return false;
            }
            data += written;
            left -= static_cast<std::size_t>(written);
        }
        return true;
    }

    bool syncFile(int fd, std::error_code& error)
    {
        int result;
        do
            result = ::fsync(fd);
        while (result != 0 && errno == EINTR);
        if (result != 0) {
            error = lastError();
            return false;
        }
        return true;
    }

    // The rename lives in the folder's own entries, which need flushing of their own to
    // survive a power cut. By then the new file is in place, so this is only best effort.
    void syncFolder(const fs::path& folder)
    {
        const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return;
        static_cast<void>(::fsync(fd));
        ::close(fd);
    }

} // namespace

bool replaceFileContents(const std::string& path, std::string_view contents, std::error_code& error)
{
    error.clear();
    if (path.empty()) {
        error = std::make_error_code(std::errc::invalid_argument);
        return false;
    }
    Target target;
    if (!resolveTarget(path, target, error))
        return false;
    // A trailing slash or a dot names a folder, whether or not one exists there yet.
    const fs::path name = target.path.filename();
    if (name.empty() || name == "." || name == ".." || (target.exists && S_ISDIR(target.status.st_mode))) {
        error = std::make_error_code(std::errc::is_a_directory);
        return false;
    }
    // Renaming over a device or a pipe would swap it for a plain file rather than write to it.
    if (target.exists && !S_ISREG(target.status.st_mode)) {
        error = std::make_error_code(std::errc::invalid_argument);
        return false;
    }

    if (!mayReplace(target, error))
        return false;

    const fs::path folder = target.path.has_parent_path() ? target.path.parent_path() : fs::path(".");
    const std::string stem = temporaryStem(name);
    removeLeftovers(folder, stem);
    // The process number tells a later save whether this temporary's writer still runs.
    fs::path temporary;
    const int fd = createTemporary(folder, stem + std::to_string(::getpid()) + "-", temporary, error);
    if (fd < 0)
        return false;

    bool ready = (!target.exists || keepAccess(fd, target.status, error)) && writeAll(fd, contents, error)
        && syncFile(fd, error);
    // close() can report a delayed write error of its own, which makes the copy as bad as
    // a failed write.
    if (::close(fd) != 0 && ready) {
        error = lastError();
        ready = false;
    }
    if (ready && ::rename(temporary.c_str(), target.path.c_str()) != 0) {
        error = lastError();
        ready = false;
    }
    if (!ready) {
        ::unlink(temporary.c_str());
        return false;
    }
    syncFolder(folder);
    return true;
}

bool replaceFileContents(const std::string& path, std::string_view contents)
{
    std::error_code ignored;
    return replaceFileContents(path, contents, ignored);
}

} // namespace platform
