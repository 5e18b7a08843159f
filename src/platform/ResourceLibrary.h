#pragma once
// The resource library (tesslet): a shared library holding only Qt resources,
// loaded once by full path and never unloaded (unloading would drop its resources).
// Resource names are stored and looked up in capitals.
// See docs/threads.md.
#include <QByteArray>
#include <QImage>

#include <cstdint>
#include <memory>
#include <string>

namespace platform {

class ResourceLibrary {
public:
    // The platform file name of the library, for example "libtesslet.so".
    static std::string fileName();
    // Loads the library from the folder of the engine's own file (the program or the
    // library holding the engine), then from the install's library folder.
    // Null on failure (nothing shown; lastLoadError says why).
    static std::unique_ptr<ResourceLibrary> load();
    // The system's text for the last failed load: the loader's own words, or the text of
    // "no such file" when no candidate exists.
    static std::string lastLoadError();
    // The library loaded by the program or the control, or null before it is loaded.
    static const ResourceLibrary* current();
    static void setCurrent(const ResourceLibrary* library);

    // A number that identifies the loaded module (shown in messages).
    std::uintptr_t handle() const { return handle_; }
    // The named bitmap; a null image when there is none.
    QImage bitmap(const std::string& name) const;
    // The named data resource (dialog templates, combo lists); empty when there is none.
    QByteArray data(const std::string& name) const;
    // The XML dialog template of that name ("PtOrbitDialog" finds "PTORBITDIALOG").
    QByteArray dialogTemplate(const std::string& name) const;
    // The XML initial combo lists of the named dialog; empty when it has none.
    QByteArray comboLists(const std::string& dialogName) const;

private:
    explicit ResourceLibrary(std::uintptr_t handle)
        : handle_(handle)
    {
    }
    std::uintptr_t handle_;
};

} // namespace platform
