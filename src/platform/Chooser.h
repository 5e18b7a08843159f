#pragma once
// The seam in front of the Open, Save As and colour dialogs. The program installs
// the interactive chooser; batch runs and tests install a ScriptedChooser whose
// queued answers stand in for the user (an empty queue answers Cancel).
//
// Threading: the installed chooser is an atomic pointer; a ScriptedChooser guards its
// queue and its requests with a mutex of its own, a leaf of the lock order.
// See docs/threads.md.
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace platform {

enum class FileDialogKind { Open, SaveAs };

struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::Open;
    QWidget* owner = nullptr;
    std::string defaultExtension; // for example ".lay"
    std::string filterDescription; // for example "LAY files (*.LAY)"
    std::string filterPattern; // for example "*.lay"
    std::string startFolder; // resolved against the root directory; backslashes already turned to '/'
};

class Chooser {
public:
    virtual ~Chooser() = default;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> chooseFile(const FileDialogRequest& request) = 0;
    // The chosen colour (red in bits 0-7, green 8-15, blue 16-23), or nothing when cancelled.
    virtual std::optional<std::uint32_t> chooseColour(QWidget* owner, std::uint32_t initial) = 0;
};

// The installed chooser; a ScriptedChooser with no answers (everything cancelled) until one is installed.
Chooser& chooser();
// Installs a chooser (not owned) and returns the previous one; nullptr restores the default.
Chooser* setChooser(Chooser* chooser);

// Answers dialogs from a queue, in order; records every request it was asked.
class ScriptedChooser : public Chooser {
public:
    void answerFile(const std::string& path);
    void answerColour(std::uint32_t colour);
    void answerCancel();

    std::optional<std::string> chooseFile(const FileDialogRequest& request) override;
    std::optional<std::uint32_t> chooseColour(QWidget* owner, std::uint32_t initial) override;

    std::vector<FileDialogRequest> fileRequests() const;
    std::size_t pendingAnswers() const;

private:
    struct Answer {
        bool cancel = true;
        std::string path;
        std::uint32_t colour = 0;
        bool isColour = false;
    };
    std::optional<Answer> takeAnswer();

    mutable std::mutex mutex_;
    std::deque<Answer> answers_;
    std::vector<FileDialogRequest> requests_;
};

// Installs itself for its scope (tests).
class ScopedChooser {
public:
    explicit ScopedChooser(Chooser& chooser)
        : previous_(setChooser(&chooser))
    {
    }
    ~ScopedChooser() { setChooser(previous_); }
    ScopedChooser(const ScopedChooser&) = delete;
    ScopedChooser& operator=(const ScopedChooser&) = delete;

private:
    Chooser* previous_;
};

} // namespace platform
