#pragma once
// What the embeddable control keeps for the whole process: the control whose window was
// created last, the display manager a LoadPage goes to, and the layout path given to
// LoadPage before any display manager existed. Only one control per process works with
// a layout at a time; a second control takes over these references.
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
    static void setCurrentControl(GazerixCtrl* control);

    // The display manager LoadPage loads into, or null.
    static DisplayManager* displayManager();
    static void setDisplayManager(DisplayManager* manager);

    // The path stored by LoadPage before a display manager existed; empty at first.
    static const std::string& pendingPath();
    // Keeps the first 260 bytes of `path`, never cutting a UTF-8 character in two.
    static void setPendingPath(const std::string& path);

    // Forgets `control` and `manager` wherever they are still referenced, as a control
    // goes away; the references of another control stay.
    static void forget(const GazerixCtrl* control, const DisplayManager* manager);
};
