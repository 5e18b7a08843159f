#include "LayoutLoadCheck.h"

#include "EmptyFolder.h"
#include "FuzzCheck.h"
#include "FuzzInput.h"

#include "display/DisplayManager.h"
#include "platform/DataPath.h"
#include "platform/Text.h"
#include "sources/ImageSourceBuilder.h"

#include <string>
#include <utility>

namespace fuzz {

namespace {

    // A root directory with nothing in it: relative paths in the fuzzed layouts (bitmap
    // displays read theirs while the layout loads) name no file, so no run reads the shipped
    // pictures.
    const std::string& emptyRootDirectory()
    {
        static const EmptyFolder folder;
        return folder.path();
    }

    void checkWindow(const WindowSpec& window, ImageSource* source)
    {
        check(window.screenRect.isValid(), "a window on show has a valid rectangle");
        check(window.kind == kObserverWindowKind || window.kind == kControlWindowKind, "a window has a kind");
        check(window.imageSource == source, "a window shows its collection's source");
        check(!xAlignName(window.background.xAlign).empty() && !yAlignName(window.background.yAlign).empty(),
            "a window's background has placements it can name");
        checkCut(window.background.src, platform::kMaxTextLength, "a background path is cut");
    }

    void checkCommitted(DisplayManager& manager)
    {
        check(manager.committedCount() <= DisplayManager::kMaxImageSources, "a layout keeps to its limit of sources");
        for (std::int32_t index = 0; index < manager.committedCount(); ++index) {
            const ImageSourceCollection* collection = manager.committedCollection(index);
            ImageSource* source = nullptr;
            check(collection && SUCCEEDED(collection->getSource(&source)) && source,
                "a collection on show has its source");
            for (std::int32_t window = 0; window < collection->windowCount(); ++window)
                checkWindow(*collection->window(window), source);
        }
    }

} // namespace

void loadAndCheckLayout(std::unique_ptr<ImageSourceBuilder> builder, const std::uint8_t* data, std::size_t size)
{
    DisplayManager manager(std::move(builder));
    platform::setRootDirectory(emptyRootDirectory());
    const HRESULT result = manager.load(inputFile(data, size).c_str(), 1);
    check(FAILED(result), "a display manager without a host window commits no layout");
    check(manager.loadedCount() == 0, "nothing stays half-loaded");
    check(manager.totalLoads() == 1 && manager.totalFailedLoads() == 1, "the load is counted");
    checkCommitted(manager);
}

} // namespace fuzz
