#pragma once
// What the embeddable control keeps for the whole process: the control whose window was
// created last, the display manager a LoadPage goes to, and, for each control, the layout
// path given to its LoadPage before any display manager existed. Only one control per
// process works with a layout at a time: a new control takes over, and when the current
// one goes, the one created last among those still here takes over again.
// Threading: window thread only (the container's thread, which runs every control).
#include <cstddef>
#include <string>

class DisplayManager;
class GazerixCtrl;

class ControlProcessState {
public:
    // The longest pending path kept, in bytes.
    static constexpr std::size_t kMaxPendingPath = 260;

    static GazerixCtrl* currentControl();
    // The display manager LoadPage loads into, or null.
    static DisplayManager* displayManager();
    // A control whose window was created, with its display manager, becomes the current one.
    static void makeCurrent(GazerixCtrl* control, DisplayManager* manager);

    // The path `control`'s LoadPage stored before a display manager existed; empty at first.
    static const std::string& pendingPath(const GazerixCtrl* control);
    // Keeps the first 260 bytes of `path` for `control`, never cutting a UTF-8 character in two.
    static void setPendingPath(const GazerixCtrl* control, const std::string& path);

    // Forgets `control` (with its pending path) and `manager` wherever they are still
    // referenced, as a control goes away; when the current one goes, the surviving control
    // created last becomes current.
    static void forget(const GazerixCtrl* control, const DisplayManager* manager);
};
