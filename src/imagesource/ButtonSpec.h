#pragma once
// One entry of an image source's button table, read by a control window when it makes its buttons.
#include <cstdint>
#include <string>

struct ButtonSpec {
    std::uint32_t style = 0; // extra push-button style bits; 0 in every table of the system
    std::string label;
};
