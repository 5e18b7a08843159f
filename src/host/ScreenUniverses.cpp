#include "host/ScreenUniverses.h"

#include "display/DisplayManager.h"
#include "display/ImageSourceCollection.h"
#include "host/LayoutHost.h"
#include "ptolemy/PtolemyUniverse.h"

std::optional<ScreenUniverses::Count> ScreenUniverses::countOf(const LayoutHost* host)
{
    DisplayManager* const manager = host ? host->displayManager() : nullptr;
    if (!manager)
        return std::nullopt;
    return Count { manager, manager->totalLoads(), manager->totalCommits() };
}

PtolemyUniverse* ScreenUniverses::at(const LayoutHost* host, int collection)
{
    DisplayManager* const manager = host ? host->displayManager() : nullptr;
    const ImageSourceCollection* const found = manager ? manager->committedCollection(collection) : nullptr;
    ImageSource* source = nullptr;
    if (!found || FAILED(found->getSource(&source)))
        return nullptr;
    return dynamic_cast<PtolemyUniverse*>(source);
}

std::optional<int> ScreenUniverses::collectionOf(const LayoutHost* host, const PtolemyUniverse& universe)
{
    DisplayManager* const manager = host ? host->displayManager() : nullptr;
    for (std::int32_t index = 0; manager && index < manager->committedCount(); ++index)
        if (at(host, index) == &universe)
            return index;
    return std::nullopt;
}
