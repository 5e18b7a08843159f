#pragma once
// The registry of the original platform is an INI file (see IniFile.h for how a value is read).
// Lookup order (first file that exists wins): $ASTREON_REGISTRY,
// $XDG_CONFIG_HOME/Astreon/registry.ini (default ~/.config), /etc/xdg/Astreon/registry.ini,
// and registry.ini of the program's own data folder.
#include <optional>
#include <string>

namespace platform {

// The registry file in use, or an empty string when none of the candidates exists.
std::string registryFilePath();

// Reads value `name` of key `key` (backslashes or slashes between key parts).
std::optional<std::string> readRegistryValue(const std::string& key, const std::string& name);

// Value "RootDir" of key "SOFTWARE\Astreon\ObserverWindow".
std::optional<std::string> readRootDir();

// The folder holding the shipped content (layouts, universes, bitmaps).
std::string programDataDir();

} // namespace platform
