#pragma once
// The user guide in a window of its own: the installed guide (Markdown, with its
// pictures) rendered by Qt, with links followed inside the window.
// Threading: window thread only.
#include <QTextBrowser>

#include <filesystem>

class UserGuideWindow : public QTextBrowser {
    Q_OBJECT
public:
    // The guide of an installed program (<prefix>/share/doc/skyloom/user-guide.md), else the
    // source tree's.
    static std::filesystem::path guidePath();
    // A new window showing the guide (deleted when closed), or null, with a message saying
    // where the guide was looked for, when there is none.
    static UserGuideWindow* open();

private:
    explicit UserGuideWindow(const std::filesystem::path& guide);
};
