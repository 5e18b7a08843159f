#pragma once
// Where message boxes and file and colour dialogs go: to a person, or, in batch runs,
// message boxes to standard error and dialogs to the script's answers (Cancel when
// there is none), so that a batch run never waits.
// Threading: window thread, before any layout is loaded.
namespace platform {
class ScriptedChooser;
}

// Installs the interactive seams, or for `batch` the batch ones answering from `scripted`
// (which must outlive every dialog).
void installDialogSeams(bool batch, platform::ScriptedChooser& scripted);
