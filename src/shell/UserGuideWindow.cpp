#include "shell/UserGuideWindow.h"

#include "platform/EngineLocation.h"
#include "platform/Message.h"

#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QUrl>

#include <algorithm>

namespace {

constexpr int kGuideWidth = 820;
constexpr int kGuideHeight = 760;

// Room left beside a picture for the page's margins and the scroll bar.
constexpr int kPictureMargin = 40;

std::filesystem::path installedGuide(const std::string& name)
{
    const std::filesystem::path folder = platform::engineFolder();
    return folder.empty() ? std::filesystem::path() : folder / ".." / "share" / "doc" / "skyloom" / name;
}

} // namespace

std::filesystem::path UserGuideWindow::guidePath(const std::string& name)
{
    std::error_code error;
    const std::filesystem::path installed = installedGuide(name);
    if (!installed.empty() && std::filesystem::is_regular_file(installed, error))
        return installed.lexically_normal();
    return std::filesystem::path(SKYLOOM_SOURCE_DOCS_DIR) / name;
}

UserGuideWindow* UserGuideWindow::open(const std::string& name)
{
    const std::filesystem::path guide = guidePath(name);
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
    fitTheScreen();
    setOpenExternalLinks(true);
    setSource(QUrl::fromLocalFile(QString::fromStdString(guide.string())), QTextDocument::MarkdownResource);
}

void UserGuideWindow::fitTheScreen()
{
    const QScreen* const screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, kGuideWidth, kGuideHeight);
    resize(std::min(kGuideWidth, area.width()), std::min(kGuideHeight, area.height()));
}

// A picture wider than the window is shown at the window's width.
QVariant UserGuideWindow::loadResource(int type, const QUrl& name)
{
    QVariant resource = QTextBrowser::loadResource(type, name);
    if (type != QTextDocument::ImageResource)
        return resource;
    QImage picture = resource.value<QImage>();
    if (picture.isNull())
        picture.loadFromData(resource.toByteArray());
    const int room = std::max(width() - kPictureMargin, 1);
    if (picture.isNull() || picture.width() <= room)
        return resource;
    return picture.scaledToWidth(room, Qt::SmoothTransformation);
}
