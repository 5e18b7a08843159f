#pragma once
// What a display manager shows: its committed collections, the windows registered for
// them and the host's colour. Two snapshots compare equal when nothing on screen changed.
#include "platform/Colour.h"

#include <cstdint>
#include <vector>

class DisplayManager;
class ImageSource;
class ImageSourceCollection;
class QWidget;
class WindowRecord;

namespace robustness {

class ScreenSnapshot {
public:
    static ScreenSnapshot take(DisplayManager& manager);

    bool operator==(const ScreenSnapshot& other) const = default;

    std::int32_t committedCount = 0;
    std::vector<const ImageSourceCollection*> collections;
    std::vector<const ImageSource*> sources;
    std::vector<const WindowRecord*> records;
    std::vector<const QWidget*> windows;
    ColourRef appliedColour = 0;
};

// Renders every registered observer window once, so that the image sources draw what
// they were given (a layout that loaded may still hold extreme values).
void renderEveryObserverWindow();

} // namespace robustness
