#pragma once
// What the programs that show a layout share for runs without a person: choosing the
// offscreen platform when there is no display, keeping Qt's own notices off standard
// error in batch runs, reading the script file, and the timed screenshot and quit.
// Threading: window thread (the timed finish), before the application (the rest).
#include "scripting/CommandLine.h"

#include <optional>
#include <string>

class QWidget;

namespace unattended {

// Call before the QApplication is made. A run that only scripts, grabs, records or times itself
// needs no screen: without a display it draws offscreen. A platform the user chose is
// kept. In batch runs standard error carries one line per message box, so Qt's notices
// that say nothing about the program are dropped.
void prepareApplication(const CommandLine& line);

// After `milliseconds`, grabs `window` to `screenshotPath` (when not empty; a failure is
// reported on standard error, starting with `programName`) and closes the window.
void finishAfter(int milliseconds, QWidget& window, const std::string& screenshotPath, const std::string& programName);

} // namespace unattended
