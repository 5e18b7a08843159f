#pragma once
// Layout > Open Lesson... and Save Lesson..., and the script steps open-lesson PATH and
// save-lesson PATH: the whole lesson on screen in one file (documents/Lesson.h), written
// and shown through LessonScreen, with the View menu's speed. A lesson that cannot be
// written or is refused says why (in a message box from the menu, as the step's problem
// from a script) and changes nothing: the layout on screen and the speed stay.
//
// Threading: window thread only. See docs/threads.md.
#include "documents/FileDialogHelper.h"

#include <string>

class MainWindow;

class LessonCommands : public FileDialogHelper {
public:
    explicit LessonCommands(MainWindow& window);

    // Asks for a file and writes the lesson there (the file dialog asks before replacing one).
    void chooseAndSave();
    // Asks for a lesson file and shows it.
    void chooseAndOpen();
    // Writes the lesson on screen to `path`; false, with `problem` set ("Couldn't save the
    // lesson PATH: why"), when it cannot.
    bool saveLesson(const std::string& path, std::string& problem);
    // Shows the lesson at `path`; false, with `problem` set ("Couldn't open the lesson PATH:
    // why"), when it is refused.
    bool openLesson(const std::string& path, std::string& problem);

    HRESULT SaveToPath(const std::string& path) override;

private:
    // As openLesson; `problem` says only why.
    bool showLesson(const std::string& path, std::string& problem);

    MainWindow& window_;
};
