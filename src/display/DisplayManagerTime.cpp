// The time of the layout on screen: how fast its clocks run, where they are, and the
// controls that hold, step and move them all at once.
#include "display/DisplayManager.h"

#include "display/ImageSourceCollection.h"
#include "imagesource/ClockDrivenSource.h"

#include <algorithm>
#include <utility>

namespace {

ClockDrivenSource* animatedSourceOf(const ImageSourceCollection& collection)
{
    ImageSource* source = nullptr;
    if (FAILED(collection.getSource(&source)))
        return nullptr;
    return dynamic_cast<ClockDrivenSource*>(source);
}

} // namespace

std::vector<ClockDrivenSource*> DisplayManager::animatedSources()
{
    platform::CriticalSectionGuard guard(lock_);
    std::vector<ClockDrivenSource*> sources;
    for (const std::unique_ptr<ImageSourceCollection>& collection : committed_)
        if (ClockDrivenSource* const source = animatedSourceOf(*collection))
            sources.push_back(source);
    return sources;
}

void DisplayManager::setTimeRate(double rate)
{
    platform::CriticalSectionGuard guard(lock_);
    timeRate_ = rate;
    applyTimeSettings();
}

void DisplayManager::applyTimeSettings()
{
    platform::CriticalSectionGuard guard(lock_);
    for (ClockDrivenSource* const source : animatedSources())
        source->setTimeRate(timeRate_);
    refreshStopTimes();
}

std::optional<DisplayManager::ModelTime> DisplayManager::modelTime()
{
    platform::CriticalSectionGuard guard(lock_);
    for (ClockDrivenSource* const source : animatedSources())
        return ModelTime { source->modelTime(), source->calendarStartYear(), source->observedTimeSpan(),
            source->paused() };
    return std::nullopt;
}

void DisplayManager::holdAll(bool hold)
{
    platform::CriticalSectionGuard guard(lock_);
    held_ = hold;
    for (ClockDrivenSource* const source : animatedSources())
        source->holdForScreen(hold);
}

void DisplayManager::stepAll(std::int32_t frames)
{
    platform::CriticalSectionGuard guard(lock_);
    holdAll(true);
    for (ClockDrivenSource* const source : animatedSources())
        source->seekTo(std::max(0.0, source->modelTime() + frames * source->frameStep()));
}

std::int32_t DisplayManager::seekDated(const std::function<double(std::int32_t startYear)>& timeOf)
{
    platform::CriticalSectionGuard guard(lock_);
    std::int32_t moved = 0;
    for (ClockDrivenSource* const source : animatedSources()) {
        const std::optional<std::int32_t> startYear = source->calendarStartYear();
        if (startYear && source->seekTo(timeOf(*startYear)))
            ++moved;
    }
    return moved;
}

void DisplayManager::setStopAtEndOfObservations(bool stop)
{
    platform::CriticalSectionGuard guard(lock_);
    stopAtEnd_ = stop;
    refreshStopTimes();
}

void DisplayManager::refreshStopTimes()
{
    platform::CriticalSectionGuard guard(lock_);
    for (ClockDrivenSource* const source : animatedSources()) {
        const std::optional<ClockDrivenSource::TimeSpan> span = stopAtEnd_ ? source->observedTimeSpan() : std::nullopt;
        source->setStopTime(span ? std::optional<double>(span->last) : std::nullopt);
    }
}

std::vector<std::string> DisplayManager::readoutLines()
{
    platform::CriticalSectionGuard guard(lock_);
    std::vector<std::string> lines;
    for (ClockDrivenSource* const source : animatedSources())
        for (std::string& line : source->readoutLines())
            lines.push_back(std::move(line));
    return lines;
}
