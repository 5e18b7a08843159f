#include "platform/Chooser.h"

#include <atomic>

namespace platform {

namespace {

    ScriptedChooser& defaultChooser()
    {
        static ScriptedChooser cancelling;
        return cancelling;
    }

    std::atomic<Chooser*> installedChooser { nullptr };

} // namespace

Chooser& chooser()
{
    Chooser* installed = installedChooser.load();
    return installed ? *installed : defaultChooser();
}

Chooser* setChooser(Chooser* value) { return installedChooser.exchange(value); }

void ScriptedChooser::answerFile(const std::string& path)
{
    std::lock_guard lock(mutex_);
    answers_.push_back(Answer { false, path, 0, false });
}

void ScriptedChooser::answerColour(std::uint32_t colour)
{
    std::lock_guard lock(mutex_);
    answers_.push_back(Answer { false, {}, colour, true });
}

void ScriptedChooser::answerCancel()
{
    std::lock_guard lock(mutex_);
    answers_.push_back(Answer {});
}

std::optional<ScriptedChooser::Answer> ScriptedChooser::takeAnswer()
{
    if (answers_.empty())
        return std::nullopt;
    Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

std::optional<std::string> ScriptedChooser::chooseFile(const FileDialogRequest& request)
{
    std::lock_guard lock(mutex_);
    requests_.push_back(request);
    const std::optional<Answer> answer = takeAnswer();
    if (!answer || answer->cancel || answer->isColour)
        return std::nullopt;
    return answer->path;
}

std::optional<std::uint32_t> ScriptedChooser::chooseColour(QWidget*, std::uint32_t)
{
    std::lock_guard lock(mutex_);
    const std::optional<Answer> answer = takeAnswer();
    if (!answer || answer->cancel || !answer->isColour)
        return std::nullopt;
    return answer->colour;
}

std::vector<FileDialogRequest> ScriptedChooser::fileRequests() const
{
    std::lock_guard lock(mutex_);
    return requests_;
}

std::size_t ScriptedChooser::pendingAnswers() const
{
    std::lock_guard lock(mutex_);
    return answers_.size();
}

} // namespace platform
