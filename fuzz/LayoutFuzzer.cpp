// The layout loader on any file, its messages on: a display manager that has no host
// window yet loads the file, parses it into collections and commits them without making
// a window. Whatever the bytes, the load is counted, nothing stays half-loaded, and every
// window described on show has a valid rectangle, a kind, its collection's source and a
// background it can place.
#include "EmptyFolder.h"
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "StillSourceBuilder.h"

#include "display/DisplayManager.h"
#include "platform/DataPath.h"
#include "platform/Text.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace {

// A root directory with nothing in it: relative paths in the fuzzed layouts (bitmap
// displays read theirs while the layout loads) name no file, so no run reads the shipped
// pictures.
const std::string& emptyRootDirectory()
{
    static const fuzz::EmptyFolder folder;
    return folder.path();
}

void checkWindow(const WindowSpec& window, ImageSource* source)
{
    fuzz::check(window.screenRect.isValid(), "a window on show has a valid rectangle");
    fuzz::check(window.kind == kObserverWindowKind || window.kind == kControlWindowKind, "a window has a kind");
    fuzz::check(window.imageSource == source, "a window shows its collection's source");
    fuzz::check(!xAlignName(window.background.xAlign).empty() && !yAlignName(window.background.yAlign).empty(),
        "a window's background has placements it can name");
    fuzz::check(window.background.src.size() <= platform::kMaxTextLength, "a background path is cut");
}

void checkCommitted(DisplayManager& manager)
{
    for (std::int32_t index = 0; index < manager.committedCount(); ++index) {
        const ImageSourceCollection* collection = manager.committedCollection(index);
        ImageSource* source = nullptr;
        fuzz::check(
            collection && SUCCEEDED(collection->getSource(&source)) && source, "a collection on show has its source");
        for (std::int32_t window = 0; window < collection->windowCount(); ++window)
            checkWindow(*collection->window(window), source);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    DisplayManager manager(std::make_unique<fuzz::StillSourceBuilder>());
    platform::setRootDirectory(emptyRootDirectory());
    const HRESULT result = manager.load(fuzz::inputFile(data, size).c_str(), 1);
    fuzz::check(FAILED(result), "a display manager without a host window commits no layout");
    fuzz::check(manager.loadedCount() == 0, "nothing stays half-loaded");
    fuzz::check(manager.totalLoads() == 1 && manager.totalFailedLoads() == 1, "the load is counted");
    checkCommitted(manager);
    return 0;
}
