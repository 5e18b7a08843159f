#pragma once
// The code behind one dialog: the runtime builds the controls from the template and
// tells the procedure what happens to them. A procedure ends its dialog with
// TemplateDialog::end(result); nothing else closes it (Escape and the close box only
// ask, through closeRequested).
//
// Threading: window thread only; called from inside the dialog's modal loop with no
// engine lock held. See docs/threads.md.
class QWidget;

namespace dialogs {

class TemplateDialog;

class DialogProcedure {
public:
    virtual ~DialogProcedure() = default;

    // The controls exist and are empty or hold their template text; the dialog is not
    // shown yet. `parameter` is the value given to DialogRuntime::run. Ending the dialog
    // here returns at once without showing it.
    virtual void init(TemplateDialog& dialog, QWidget* parameter) = 0;
    // Control `id` sent `code` (see dialogs/Notification.h).
    virtual void command(TemplateDialog& dialog, int id, int code) = 0;
    // Escape or the close box. Ignoring it keeps the dialog open.
    virtual void closeRequested(TemplateDialog& dialog) = 0;
};

} // namespace dialogs
