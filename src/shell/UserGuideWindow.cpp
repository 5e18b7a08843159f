#include "shell/UserGuideWindow.h"

#include "platform/EngineLocation.h"
#include "platform/Message.h"

#include <QUrl>

namespace {

constexpr int kGuideWidth = 820;
constexpr int kGuideHeight = 760;

std::filesystem::path installedGuide()
{
    const std::filesystem::path folder = platform::engineFolder();
    return folder.empty() ? std::filesystem::path() : folder / ".." / "share" / "doc" / "skyloom" / "user-guide.md";
}

} // namespace

std::filesystem::path UserGuideWindow::guidePath()
{
    std::error_code error;
    const std::filesystem::path installed = installedGuide();
    if (!installed.empty() && std::filesystem::is_regular_file(installed, error))
        return installed.lexically_normal();
    return std::filesystem::path(SKYLOOM_SOURCE_DOCS_DIR) / "user-guide.md";
}

UserGuideWindow* UserGuideWindow::open()
{
    const std::filesystem::path guide = guidePath();
    std::error_code error;
    if (!std::filesystem::is_regular_file(guide, error)) {
        platform::showMessage(
            tr("The user guide was not found at %1.").arg(QString::fromStdString(guide.string())).toStdString(),
            tr("Skyloom Simulator").toStdString(), platform::MessageIcon::Warning);
        return nullptr;
    }
    return new UserGuideWindow(guide);
}

UserGuideWindow::UserGuideWindow(const std::filesystem::path& guide)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Skyloom User Guide"));
    resize(kGuideWidth, kGuideHeight);
    setOpenExternalLinks(true);
    setSource(QUrl::fromLocalFile(QString::fromStdString(guide.string())), QTextDocument::MarkdownResource);
}
