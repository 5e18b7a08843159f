#include "host/EngineStartup.h"

#include "drawing/SharedSprites.h"
#include "platform/ResourceLibrary.h"
#include "ptolemydialogs/PtolemyDialogs.h"
#include "windows/WindowRegistry.h"

#include <memory>

const platform::ResourceLibrary* EngineStartup::start()
{
    WindowRegistry::instance();
    // Held for the rest of the process: unloading would drop the library's resources.
    static const std::unique_ptr<platform::ResourceLibrary> library = platform::ResourceLibrary::load();
    if (!library)
        return nullptr;
    platform::ResourceLibrary::setCurrent(library.get());
    // The universe's Edit button opens its dialogs from the library made current above.
    installPtolemyDialogs();
    loadSharedSprites(library.get());
    return library.get();
}
