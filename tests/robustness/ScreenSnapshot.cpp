#include "ScreenSnapshot.h"

#include "display/DisplayManager.h"
#include "windows/WindowRecord.h"
#include "windows/WindowRegistry.h"

namespace robustness {

ScreenSnapshot ScreenSnapshot::take(DisplayManager& manager)
{
    ScreenSnapshot snapshot;
    snapshot.committedCount = manager.committedCount();
    for (std::int32_t index = 0; index < snapshot.committedCount; ++index) {
        const ImageSourceCollection* collection = manager.committedCollection(index);
        snapshot.collections.push_back(collection);
        ImageSource* source = nullptr;
        if (collection)
            collection->getSource(&source);
        snapshot.sources.push_back(source);
    }
    for (WindowRecord* record : WindowRegistry::instance().records()) {
        snapshot.records.push_back(record);
        snapshot.windows.push_back(record->window());
    }
    snapshot.appliedColour = manager.appliedColour();
    return snapshot;
}

void renderEveryObserverWindow()
{
    for (WindowRecord* record : WindowRegistry::instance().records()) {
        if (record->isObserver())
            record->renderBackBuffer();
    }
}

} // namespace robustness
