#pragma once
// What Help > About Skyloom says: the program, its version, licence and credits.
#include <string>

std::string aboutText();
