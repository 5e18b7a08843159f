#pragma once
// Every modal dialog of the engine runs through here: on the heap, watched by a
// QPointer (its owner may go while the dialog's own event loop runs), inside a
// nested-loop HandlerScope (so no layout changes under it). See docs/threads.md.
#include <QPointer>

#include <optional>

class QDialog;

namespace platform {

// Runs `dialog` modally. Its result code, or nothing when the dialog was destroyed
// during its loop. The caller reads what it needs, then deletes the dialog.
std::optional<int> runModal(const QPointer<QDialog>& dialog);

} // namespace platform
