#pragma once
// Where the engine's own code lives: the executable that links it (the skyloom
// program) or the shared library that holds it (an embeddable control). Files that
// ship with the engine (the resource library, the installed data) are found from
// there, never from the working directory or the hosting program's location.
#include <filesystem>

namespace platform {

// The file holding the engine's code (links resolved); empty when it cannot be told.
std::filesystem::path engineFile();
// The folder of that file; empty when it cannot be told.
std::filesystem::path engineFolder();

// The install's folders relative to a prefix: <prefix>/lib and <prefix>/share/skyloom.
// `engineFolder` is <prefix>/bin for the program and <prefix>/lib for a library.
std::filesystem::path installedLibraryFolder(const std::filesystem::path& engineFolder);
std::filesystem::path installedDataFolder(const std::filesystem::path& engineFolder);

} // namespace platform
