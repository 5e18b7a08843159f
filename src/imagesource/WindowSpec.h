#pragma once
// The description of one window, filled by the layout loader and handed to window creation.
#include "drawing/BackgroundSpec.h"
#include "drawing/FractionalRect.h"

#include <cstdint>

class ImageSource;

constexpr std::int32_t kObserverWindowKind = 0;
constexpr std::int32_t kControlWindowKind = 1;

struct WindowSpec {
    std::int32_t kind = kObserverWindowKind; // 0 observer window, 1 control window
    std::int32_t drawFlags = 0; // observer window's draw request; 0 for control windows
    std::int32_t refresh = 0; // refresh period in ms; 0 or less: none; 0 for control windows
    FractionalRect screenRect; // as read: fractions of the display manager's area;
                               // after createWindows: fractions of the host's client area
    ImageSource* imageSource = nullptr; // not owned: the collection's source
    BackgroundSpec background;
};
