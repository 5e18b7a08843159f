#pragma once
// The chooser of an interactive run: QFileDialog and QColorDialog.
// See docs/threads.md.
#include "platform/Chooser.h"

namespace platform {

class InteractiveChooser : public Chooser {
public:
    std::optional<std::string> chooseFile(const FileDialogRequest& request) override;
    std::optional<std::uint32_t> chooseColour(QWidget* owner, std::uint32_t initial) override;

    // The dialog's file type line: the description with `pattern` in parentheses once.
    // A description that already ends in a pattern ("LAY files (*.LAY)") has it replaced,
    // rather than shown twice; the dialog matches patterns without regard to case.
    static std::string nameFilter(const std::string& description, const std::string& pattern);
};

} // namespace platform
