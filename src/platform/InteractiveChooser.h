#pragma once
// The chooser of an interactive run: QFileDialog and QColorDialog.
// See docs/threads.md.
#include "platform/Chooser.h"

namespace platform {

class InteractiveChooser : public Chooser {
public:
    std::optional<std::string> chooseFile(const FileDialogRequest& request) override;
    std::optional<std::uint32_t> chooseColour(QWidget* owner, std::uint32_t initial) override;
};

} // namespace platform
