// The time of the layout on screen: how fast its clocks run and where they are.
#include "display/DisplayManager.h"

#include "display/ImageSourceCollection.h"
#include "imagesource/ClockDrivenSource.h"

namespace {

ClockDrivenSource* animatedSourceOf(const ImageSourceCollection& collection)
{
    ImageSource* source = nullptr;
    if (FAILED(collection.getSource(&source)))
        return nullptr;
    return dynamic_cast<ClockDrivenSource*>(source);
}

} // namespace

void DisplayManager::setTimeRate(double rate)
{
    platform::CriticalSectionGuard guard(lock_);
    timeRate_ = rate;
    applyTimeRate();
}

void DisplayManager::applyTimeRate()
{
    platform::CriticalSectionGuard guard(lock_);
    for (const std::unique_ptr<ImageSourceCollection>& collection : committed_)
        if (ClockDrivenSource* const source = animatedSourceOf(*collection))
            source->setTimeRate(timeRate_);
}

std::optional<DisplayManager::ModelTime> DisplayManager::modelTime()
{
    platform::CriticalSectionGuard guard(lock_);
    for (const std::unique_ptr<ImageSourceCollection>& collection : committed_)
        if (ClockDrivenSource* const source = animatedSourceOf(*collection))
            return ModelTime { source->modelTime(), source->calendarStartYear() };
    return std::nullopt;
}
