#pragma once
// Opening the Ptolemy editing dialogs: the runner the universe's Edit command calls,
// and the nested runs the dialogs make of each other.
//
// Threading: window thread only, with no engine lock held (debug builds assert it):
// a dialog's loop runs paints and clock-driven redraws that take the universe's
// locks. See docs/threads.md.
#include "dialogs/DialogOutcome.h"

class QWidget;

namespace dialogs {
class DialogProcedure;
}

namespace ptolemy_dialogs {

// Runs template `name` of the current resource library modally over `owner`.
dialogs::DialogOutcome runEditingDialog(
    const char* name, QWidget* owner, dialogs::DialogProcedure& procedure, QWidget* parameter);

} // namespace ptolemy_dialogs

// Makes the universe's Edit button open the systems dialog. Call once the resource
// library is current; calling it again changes nothing.
void installPtolemyDialogs();
