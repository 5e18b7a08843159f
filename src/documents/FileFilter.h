#pragma once
// What a file dialog lists: a description for the user and the pattern of the names it shows.

#include <string>

struct FileFilter {
    std::string description; // for example "LAY files (*.LAY)"
    std::string pattern; // for example "*.lay"
};
