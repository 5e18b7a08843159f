#pragma once
// What running a dialog gave, in the form the platform's dialog call reports it.
#include <string>

namespace dialogs {

struct DialogOutcome {
    // The code the procedure ended the dialog with; -1 when the dialog could not be
    // made (errorText then says why, in the system's words); 0 with no text when the
    // dialog went with its owner before the procedure ended it.
    int result = -1;
    std::string errorText;

    bool failed() const { return result < 0; }
};

} // namespace dialogs
