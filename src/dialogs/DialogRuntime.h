#pragma once
// Runs the dialogs of the resource library's templates: builds a TemplateDialog from
// the named template, lets its procedure initialise it and runs it modally through
// platform::runModal (on the heap, watched by a QPointer, inside a nested-loop
// HandlerScope), then deletes it.
//
// Threading: window thread only. Call run with no engine lock held: the dialog's loop
// runs paints, timers and clock-driven redraws that take the engine's locks, and the
// procedure takes the locks its changes need itself (docs/threads.md, rules 1, 3 and 5).
#include "dialogs/DialogOutcome.h"

#include <string>

class QWidget;

namespace platform {
class ResourceLibrary;
}

namespace dialogs {

class DialogProcedure;
class TemplateDialog;

class DialogRuntime {
public:
    // The platform's texts for a template the library does not hold and for a template
    // that does not read as one.
    static constexpr const char* kMissingTemplateText
        = "The specified resource name cannot be found in the image file.";
    static constexpr const char* kInvalidTemplateText = "The data is invalid.";

    // Runs template `name` (any case) of `library` modally over `owner`, giving
    // `parameter` to the procedure's init. Returns the code the procedure ended it
    // with, or a failure with the system's text when there is no library, no such
    // template or a template that does not parse (nothing is shown: the caller
    // reports it, as each dialog's caller words it).
    static DialogOutcome run(const platform::ResourceLibrary* library, const std::string& name, QWidget* owner,
        DialogProcedure& procedure, QWidget* parameter);

    // The innermost dialog running now, or null. Tests and scripts drive it through a
    // DialogDriver.
    static TemplateDialog* topmost();
};

} // namespace dialogs
