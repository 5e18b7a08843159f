#include "platform/ResourceLibrary.h"

#include "platform/EngineLocation.h"

#include <QFile>
#include <QLibrary>

#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <vector>

namespace platform {

namespace {

    std::atomic<const ResourceLibrary*> currentLibrary { nullptr };

    // The library, once loaded, stays loaded for the rest of the process: unloading it
    // would unregister its Qt resources. Guarded by loadMutex.
    std::mutex loadMutex;
    QLibrary* loadedLibrary = nullptr;
    std::string loadError;

    // Beside the engine's own file (the program, or the library that holds the engine),
    // then in the install's library folder.
    std::vector<std::filesystem::path> candidatePaths()
    {
        const std::filesystem::path folder = engineFolder();
        if (folder.empty())
            return {};
        return { folder / ResourceLibrary::fileName(), installedLibraryFolder(folder) / ResourceLibrary::fileName() };
    }

    // Resource names are stored in capitals. Names that could reach outside their
    // folder of the resource tree are refused.
    bool toResourceName(const std::string& name, QString& resourceName)
    {
        if (name.empty() || name.find_first_of("/\\:") != std::string::npos)
            return false;
        std::string upper = name;
        for (char& character : upper)
            character = static_cast<char>(std::toupper(static_cast<unsigned char>(character)));
        resourceName = QString::fromLatin1(upper.data(), static_cast<qsizetype>(upper.size()));
        return true;
    }

} // namespace

std::string ResourceLibrary::fileName() { return "libtesslet.so"; }

std::unique_ptr<ResourceLibrary> ResourceLibrary::load()
{
    std::lock_guard lock(loadMutex);
    if (loadedLibrary == nullptr) {
        loadError = std::strerror(ENOENT);
        for (const auto& path : candidatePaths()) {
            std::error_code error;
            if (!std::filesystem::is_regular_file(path, error))
                continue;
            auto library = std::make_unique<QLibrary>(QString::fromStdString(path.lexically_normal().string()));
            library->setLoadHints(QLibrary::PreventUnloadHint);
            if (library->load()) {
                loadedLibrary = library.release(); // deliberately kept for the whole process
                break;
            }
            loadError = library->errorString().toStdString();
        }
    }
    if (loadedLibrary == nullptr)
        return nullptr;
    return std::unique_ptr<ResourceLibrary>(new ResourceLibrary(reinterpret_cast<std::uintptr_t>(loadedLibrary)));
}

std::string ResourceLibrary::lastLoadError()
{
    std::lock_guard lock(loadMutex);
    return loadedLibrary == nullptr ? loadError : std::string();
}

const ResourceLibrary* ResourceLibrary::current() { return currentLibrary.load(); }

void ResourceLibrary::setCurrent(const ResourceLibrary* library) { currentLibrary.store(library); }

QImage ResourceLibrary::bitmap(const std::string& name) const
{
    QString resourceName;
    if (!toResourceName(name, resourceName))
        return {};
    const QImage image(QStringLiteral(":/tesslet/bitmaps/%1.xpm").arg(resourceName));
    if (image.isNull())
        return {};
    return image.convertToFormat(QImage::Format_RGB32);
}

QByteArray ResourceLibrary::data(const std::string& name) const
{
    QString resourceName;
    if (!toResourceName(name, resourceName))
        return {};
    QFile file(QStringLiteral(":/tesslet/data/%1").arg(resourceName));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QByteArray ResourceLibrary::dialogTemplate(const std::string& name) const { return data(name); }

QByteArray ResourceLibrary::comboLists(const std::string& dialogName) const
{
    if (dialogName.empty())
        return {};
    return data(dialogName + "_COMBOLISTS");
}

} // namespace platform
