#include "ptolemydialogs/PtolemyDialogs.h"

#include "dialogs/DialogRuntime.h"
#include "platform/CriticalSection.h"
#include "platform/ResourceLibrary.h"
#include "platform/WindowThread.h"
#include "ptolemy/PtolemyUniverse.h"
#include "ptolemydialogs/SystemsDialog.h"

#include <cassert>

namespace ptolemy_dialogs {

dialogs::DialogOutcome runEditingDialog(
    const char* name, QWidget* owner, dialogs::DialogProcedure& procedure, QWidget* parameter)
{
    platform::assertWindowThread();
    // A worker waiting for a lock held here would stall for as long as the dialog is open.
    assert(platform::sharedLocksHeldByThisThread() == 0);
    return dialogs::DialogRuntime::run(platform::ResourceLibrary::current(), name, owner, procedure, parameter);
}

namespace {

    SystemsDialogOutcome runSystemsDialog(QWidget* window)
    {
        SystemsDialog procedure;
        const dialogs::DialogOutcome outcome
            = runEditingDialog(SystemsDialog::kTemplateName, window, procedure, window);
        return SystemsDialogOutcome { outcome.result, outcome.errorText };
    }

} // namespace

} // namespace ptolemy_dialogs

void installPtolemyDialogs() { PtolemyUniverse::setSystemsDialogRunner(ptolemy_dialogs::runSystemsDialog); }
