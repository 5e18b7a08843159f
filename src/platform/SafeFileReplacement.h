#pragma once
// Replacing a file's contents without ever exposing a half-written file. Every writer of
// the program (universe files, observation trails) goes through here, so that a crash,
// a full disk or a concurrent reader never meets a truncated file.
#include <string>
#include <string_view>
#include <system_error>

namespace platform {

// Replaces the file at `path` with `contents` so that a reader sees either the old file
// or the new one, never a part. The bytes go to a temporary file in the target's own
// folder, which is flushed to disk and then renamed over the target; the folder is
// flushed afterwards (best effort) so that the rename itself survives a power cut.
//
// A symbolic link (or a chain of them) is followed to its final target, which is
// replaced in place: the link stays a link. A link whose target does not exist yet
// creates that target. An existing target keeps its permission bits (and, where the
// system allows, its owner and group); a new file gets 0666 less the umask, like any
// other newly created file.
//
// Only regular files that may be written are replaced: an empty path, a folder, a device,
// a read-only file (no write permission bit, or none for this process; root included)
// or a path whose folder cannot be written fails. On failure the old file is left as it
// was, the temporary file is removed, false is returned and `error` says why.
//
// Temporaries are named ".<name>.saving-<pid>-<letters>". A save also removes the
// temporaries of the same file left by saves that were killed: those whose process no
// longer runs and that have not been touched for a minute.
bool replaceFileContents(const std::string& path, std::string_view contents, std::error_code& error);

// As above, for callers that only need to know whether it worked.
bool replaceFileContents(const std::string& path, std::string_view contents);

} // namespace platform
