#include "shell/LessonCommands.h"

#include "display/DisplayManager.h"
#include "documents/FileTypes.h"
#include "documents/Lesson.h"
#include "host/LessonScreen.h"
#include "platform/DataPath.h"
#include "platform/FileBytes.h"
#include "platform/Message.h"
#include "platform/SafeFileReplacement.h"
#include "shell/MainWindow.h"

#include <QCoreApplication>

#include <optional>

namespace {

QString translated(const char* text) { return QCoreApplication::translate("LessonCommands", text); }

// `sentence` ("Couldn't open the lesson %1: %2") said of `path` and the reason `problem` gave.
bool refuse(const char* sentence, const std::string& path, std::string& problem)
{
    problem = translated(sentence).arg(QString::fromStdString(path), QString::fromStdString(problem)).toStdString();
    return false;
}

} // namespace

LessonCommands::LessonCommands(MainWindow& window)
    : window_(window)
{
}

void LessonCommands::chooseAndSave() { saveAs(&window_, file_types::kLesson); }

HRESULT LessonCommands::SaveToPath(const std::string& path)
{
    std::string problem;
    if (saveLesson(path, problem))
        return S_OK;
    platform::showMessage(problem, QCoreApplication::translate("LessonCommands", "Save Lesson").toStdString(),
        platform::MessageIcon::Error);
    return E_FAIL;
}

void LessonCommands::chooseAndOpen()
{
    if (FAILED(open(&window_, file_types::kLesson)))
        return;
    std::string problem;
    if (!openLesson(getPath(), problem))
        platform::showMessage(problem, QCoreApplication::translate("LessonCommands", "Open Lesson").toStdString(),
            platform::MessageIcon::Error);
}

bool LessonCommands::saveLesson(const std::string& path, std::string& problem)
{
    DisplayManager* const manager = window_.displayManager();
    if (!manager)
        problem = QCoreApplication::translate("LessonCommands", "no layout is on screen").toStdString();
    const std::optional<Lesson> lesson = manager ? LessonScreen::capture(*manager, problem) : std::nullopt;
    std::error_code error;
    if (lesson && platform::replaceFileContents(platform::resolveDataPath(path), lesson->text(), error))
        return true;
    if (lesson)
        problem = error.message();
    return refuse(QT_TRANSLATE_NOOP("LessonCommands", "Couldn't save the lesson %1: %2"), path, problem);
}

bool LessonCommands::openLesson(const std::string& path, std::string& problem)
{
    if (!showLesson(path, problem))
        return refuse(QT_TRANSLATE_NOOP("LessonCommands", "Couldn't open the lesson %1: %2"), path, problem);
    return true;
}

// The speed is chosen first, so that the sources' running trails are filled with its step;
// a refused lesson puts the speed back.
bool LessonCommands::showLesson(const std::string& path, std::string& problem)
{
    const std::optional<std::string> bytes = platform::readFileBytes(platform::resolveDataPath(path));
    if (!bytes) {
        problem = QCoreApplication::translate("LessonCommands", "it cannot be read").toStdString();
        return false;
    }
    const std::optional<Lesson> lesson = Lesson::read(*bytes, problem);
    if (!lesson)
        return false;
    if (!MainWindow::offersSpeed(lesson->speed)) {
        problem = QCoreApplication::translate("LessonCommands", "its speed is none of the View menu's").toStdString();
        return false;
    }
    DisplayManager* const manager = window_.displayManager();
    if (!manager) {
        problem = QCoreApplication::translate("LessonCommands", "no layout can be shown").toStdString();
        return false;
    }
    const double previousSpeed = window_.timeRate();
    window_.chooseSpeed(lesson->speed);
    if (LessonScreen::show(*manager, *lesson, problem))
        return true;
    window_.chooseSpeed(previousSpeed);
    return false;
}
