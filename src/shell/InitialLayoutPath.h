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
// The command-line tail, verbatim, when it is at least 2 characters long; else the default.
std::string chooseInitialLayout(const std::string& commandLineTail);
