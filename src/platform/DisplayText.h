#pragma once
// The one way engine text (bytes) becomes text on the screen, and back.
//
// Paths and file contents are bytes and reach the file system unchanged. Text is shown by
// decoding it as UTF-8; a byte that does not begin a valid UTF-8 sequence is taken as
// Latin-1, so older single-byte files show as they did. Message boxes, drawn text, window
// titles, dialog and button texts all go through displayText.
#include <QString>

#include <string>

namespace platform {

// `bytes` as shown: UTF-8, with Latin-1 for the bytes that are not valid UTF-8.
QString displayText(const std::string& bytes);

// The bytes of a text read back from the screen. `lastSet` is the text last given to the
// control: while the control still shows it, those very bytes come back (Latin-1 texts
// keep their bytes); a text the user changed comes back in UTF-8.
std::string storedText(const QString& shown, const std::string& lastSet);

} // namespace platform
