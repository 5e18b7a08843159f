#pragma once
// The path of the layout loaded when the main window is created. Set once on the
// window thread before the main window exists.
#include "platform/Result.h"

#include <cstddef>
#include <string>

// Longest initial layout path kept; longer paths are cut.
constexpr std::size_t kMaxInitialLayoutPath = 260;

// E_INVALIDARG for null; otherwise keeps at most the first 260 characters and returns S_OK.
HRESULT setInitialLayoutPath(const char* path);
const char* initialLayoutPath();

// The shipped start layout: AstreonLayouts/PtolemyUniverse.lay inside the program's data folder.
std::string defaultInitialLayoutPath();
// The command-line tail when it is at least 2 characters long; else the default. A
// relative tail naming a file under the folder the program was started in becomes that
// file's absolute path; any other stays as written, and so names a file under the root
// directory ("AstreonLayouts/4 Universes.lay").
std::string chooseInitialLayout(const std::string& commandLineTail);
