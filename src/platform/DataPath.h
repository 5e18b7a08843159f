#pragma once
// The root directory of the shipped content (the registry's RootDir) and the
// resolution of relative paths against it.
//
// The engine never changes the process's working directory (it may live inside
// another program): a relative path found in a layout or data file names a file under
// the root directory and is resolved here, just before the file is opened. Messages
// keep showing the path as it was written.
//
// Threading: any thread; the root is guarded by a mutex.
// See docs/threads.md.
#include <string>

namespace platform {

// The root directory set by the display manager, or empty when none is known.
std::string rootDirectory();
void setRootDirectory(const std::string& folder);

// `path` itself when it is empty, absolute or no root directory is known; otherwise
// the root directory joined with `path`.
std::string resolveDataPath(const std::string& path);

// A path given on the command line or in a script: relative to the folder the program
// was started in (the working directory, which the engine never changes), made absolute;
// empty and absolute paths, and any the system cannot resolve, come back as they are.
std::string resolveStartPath(const std::string& path);

} // namespace platform
