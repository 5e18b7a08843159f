#pragma once
// A guide in a window of its own: the installed user guide or lessons (Markdown, with their
// pictures) rendered by Qt, with links followed inside the window. Pictures wider than the
// window are shown at its width; the window fits the screen's free area.
// Threading: window thread only.
#include <QTextBrowser>

#include <filesystem>
#include <string>

class UserGuideWindow : public QTextBrowser {
    Q_OBJECT
public:
    // The guide "user-guide.md" or "lessons.md" of an installed program
    // (<prefix>/share/doc/skyloom/<name>), else the source tree's.
    static std::filesystem::path guidePath(const std::string& name = "user-guide.md");
    // A new window showing that guide (deleted when closed), or null, with a message saying
    // where it was looked for, when there is none.
    static UserGuideWindow* open(const std::string& name = "user-guide.md");

protected:
    QVariant loadResource(int type, const QUrl& name) override;

private:
    explicit UserGuideWindow(const std::filesystem::path& guide);
    void fitTheScreen();
};
