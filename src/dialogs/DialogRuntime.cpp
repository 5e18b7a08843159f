#include "dialogs/DialogRuntime.h"

#include "dialogs/DialogProcedure.h"
#include "dialogs/DialogTemplate.h"
#include "dialogs/TemplateDialog.h"
#include "platform/ModalDialog.h"
#include "platform/ResourceLibrary.h"
#include "platform/WindowThread.h"

#include <QPointer>

#include <optional>
#include <vector>

namespace dialogs {

namespace {

    // The dialogs running now, outermost first. Window thread only: no lock needed.
    std::vector<QPointer<TemplateDialog>> runningDialogs;

    // Keeps a dialog on the running list for as long as its loop runs.
    class RunningEntry {
    public:
        explicit RunningEntry(TemplateDialog* dialog) { runningDialogs.emplace_back(dialog); }
        ~RunningEntry() { runningDialogs.pop_back(); }
        RunningEntry(const RunningEntry&) = delete;
        RunningEntry& operator=(const RunningEntry&) = delete;
    };

    DialogOutcome failure(const char* text) { return DialogOutcome { -1, text }; }

    int runShown(TemplateDialog* dialog)
    {
        const QPointer<QDialog> watched(dialog);
        std::optional<int> result;
        {
            RunningEntry entry(dialog);
            result = platform::runModal(watched);
        }
        // Gone with its owner during its own loop: there is nothing left to delete.
        if (!result)
            return 0;
        delete watched.data();
        return *result;
    }

} // namespace

DialogOutcome DialogRuntime::run(const platform::ResourceLibrary* library, const std::string& name, QWidget* owner,
    DialogProcedure& procedure, QWidget* parameter)
{
    platform::assertWindowThread();
    const QByteArray xml = library ? library->dialogTemplate(name) : QByteArray();
    if (xml.isEmpty())
        return failure(kMissingTemplateText);
    const std::optional<DialogTemplate> dialogTemplate = DialogTemplate::parse(xml);
    if (!dialogTemplate)
        return failure(kInvalidTemplateText);

    QPointer<TemplateDialog> dialog = new TemplateDialog(*dialogTemplate, procedure, owner);
    procedure.init(*dialog, parameter);
    if (!dialog)
        return DialogOutcome { 0, {} };
    if (dialog->hasEnded()) {
        const int result = dialog->result();
        delete dialog.data();
        return DialogOutcome { result, {} };
    }
    return DialogOutcome { runShown(dialog), {} };
}

TemplateDialog* DialogRuntime::topmost()
{
    platform::assertWindowThread();
    for (auto running = runningDialogs.rbegin(); running != runningDialogs.rend(); ++running) {
        if (*running)
            return running->data();
    }
    return nullptr;
}

} // namespace dialogs
