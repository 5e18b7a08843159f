#pragma once
// The registry of the original platform is an INI file (see IniFile.h for how a value is read).
// Lookup order (first file that exists wins): $ASTREON_REGISTRY,
// $XDG_CONFIG_HOME/Astreon/registry.ini (default ~/.config), /etc/xdg/Astreon/registry.ini,
// and registry.ini of the program's own data folder.
#include <functional>
#include <optional>
#include <string>

namespace platform {

class IniDocument;

// The registry file in use, or an empty string when none of the candidates exists.
std::string registryFilePath();

// The registry file that changes are written to: the one in use, or, when none exists,
// the user's ($XDG_CONFIG_HOME/Astreon/registry.ini, default ~/.config).
std::string registryFileForWriting();

// Reads the registry file for writing, lets `change` edit it and writes it back in one
// safe replacement (a missing file and its folder are created). False, with `error`
// saying why, when it cannot be read or written; the file then stays as it was.
bool editRegistry(const std::function<void(IniDocument&)>& change, std::string& error);

// Reads value `name` of key `key` (backslashes or slashes between key parts).
std::optional<std::string> readRegistryValue(const std::string& key, const std::string& name);

// Value "RootDir" of key "SOFTWARE\Astreon\ObserverWindow".
std::optional<std::string> readRootDir();

// The folder holding the shipped content (layouts, universes, bitmaps).
std::string programDataDir();

} // namespace platform
