#pragma once
// One value of an INI file, read as the registry file is written: a value in double quotes
// (with \" and \\ inside, as QSettings writes them) or, in a file written by hand, the
// rest of the line as it stands, commas, semicolons and backslashes included. QSettings
// would split such a value into a list at its commas, end it at a semicolon and take its
// backslashes as escapes, so a folder named "sky,2026" would not be found.
#include <optional>
#include <string>

namespace platform {

// The value of `key` ("group/name", the group's parts separated by '/' or '\') in the INI
// file at `path`; the last one when the key occurs more than once; nothing when the file
// cannot be read or holds no such key. A key is its section's name, '/', and the name
// before '=' on a line of that section; spaces around names and values do not count.
std::optional<std::string> readIniValue(const std::string& path, const std::string& key);

} // namespace platform
