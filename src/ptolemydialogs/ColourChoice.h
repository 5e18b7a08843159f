#pragma once
// Choosing a system's colour: the installed chooser (platform::chooser(), so scripts
// and tests can answer), with sixteen custom colours made once per process on first
// use (custom colour a is red 255 - 10a, green a, blue 10a). They are Qt's own
// process-wide custom colours, so changes the user makes to them last for the rest of
// the process; only the interactive colour dialog shows them.
//
// Threading: window thread only; call with no lock held (the chooser may run a dialog).
// See docs/threads.md.
#include "platform/Colour.h"

#include <optional>

class QWidget;

namespace ptolemy_dialogs {

class ColourChoice {
public:
    static constexpr int kCustomColourCount = 16;

    // The colour chosen starting from `initial`, or nothing when cancelled.
    static std::optional<ColourRef> choose(QWidget* owner, ColourRef initial);
    // Custom colour `index` as first made.
    static ColourRef initialCustomColour(int index);

private:
    static void makeCustomColoursOnce();
};

} // namespace ptolemy_dialogs
