#include "windows/WindowRegistry.h"

#include "imagesource/ImageSource.h"
#include "platform/WindowThread.h"
#include "windows/WindowFactory.h"
#include "windows/WindowRecord.h"

namespace {

using RecordList = std::list<std::unique_ptr<WindowRecord>>;

// Takes the first record (from the head) that shows `source` out of the list; null when none does.
std::unique_ptr<WindowRecord> unlinkFirstOf(RecordList& records, const ImageSource* source)
{
    for (auto node = records.begin(); node != records.end(); ++node) {
        if ((*node)->imageSource == source) {
            std::unique_ptr<WindowRecord> record = std::move(*node);
            records.erase(node);
            return record;
        }
    }
    return nullptr;
}

} // namespace

WindowRegistry::WindowRegistry() { SourceViews::install(this); }

WindowRegistry::~WindowRegistry() { SourceViews::install(nullptr); }

WindowRegistry& WindowRegistry::instance()
{
    static WindowRegistry registry;
    return registry;
}

void WindowRegistry::Lock() { lock_.enter(); }

void WindowRegistry::Unlock() { lock_.leave(); }

void WindowRegistry::addRecord(std::unique_ptr<WindowRecord> record)
{
    platform::assertWindowThread();
    if (!record)
        return;
    platform::CriticalSectionGuard guard(lock_);
    records_.push_front(std::move(record));
}

WindowRecord* WindowRegistry::findRecord(const QWidget* window)
{
    if (!window)
        return nullptr;
    platform::CriticalSectionGuard guard(lock_);
    for (const auto& record : records_) {
        if (record->window() == window)
            return record.get();
    }
    return nullptr;
}

void WindowRegistry::removeWindowsOf(const ImageSource* source)
{
    platform::assertWindowThread();
    platform::CriticalSectionGuard guard(lock_);
    // Destroying a window may run code that looks at the list again, so each record is
    // unlinked before it is destroyed and the walk starts again from the head.
    while (std::unique_ptr<WindowRecord> record = unlinkFirstOf(records_, source))
        record.reset();
}

void WindowRegistry::removeAllWindows()
{
    platform::assertWindowThread();
    platform::CriticalSectionGuard guard(lock_);
    while (!records_.empty()) {
        std::unique_ptr<WindowRecord> record = std::move(records_.front());
        records_.pop_front();
        record.reset();
    }
}

HRESULT WindowRegistry::applyDefaults(ImageSource* source)
{
    platform::CriticalSectionGuard guard(lock_);
    HRESULT result = S_OK;
    for (const auto& record : records_) {
        if (record->imageSource != source || !source)
            continue;
        result = source->ApplyDefaults(record.get());
        if (FAILED(result))
            return result;
    }
    return result;
}

void WindowRegistry::redraw(const ImageSource* source)
{
    platform::assertWindowThread();
    platform::CriticalSectionGuard guard(lock_);
    for (const auto& record : records_) {
        if (record->imageSource == source)
            record->requestRedraw();
    }
}

HRESULT WindowRegistry::resize(SourceOwner* manager)
{
    platform::assertWindowThread();
    platform::CriticalSectionGuard guard(lock_);
    for (const auto& record : records_) {
        if (!record->imageSource)
            continue;
        // getOwner reads the owner under the source's lock; the source lock is released
        // again before the layout pass takes the record's lock (registry, record, source).
        SourceOwner* owner = nullptr;
        const HRESULT result = record->imageSource->getOwner(&owner);
        if (FAILED(result))
            return result;
        if (owner == manager)
            record->layoutPass();
    }
    return S_OK;
}

void WindowRegistry::setButtonText(QWidget* controlWindow, int index, const char* text)
{
    setControlButtonText(controlWindow, index, text);
}

void WindowRegistry::setButtonTextOfSource(const ImageSource* source, int index, const char* text)
{
    platform::assertWindowThread();
    platform::CriticalSectionGuard guard(lock_);
    for (const auto& record : records_) {
        if (record->imageSource == source && !record->isObserver())
            setControlButtonText(record->window(), index, text);
    }
}

void WindowRegistry::shutdown() { removeAllWindows(); }

int WindowRegistry::recordCount()
{
    platform::CriticalSectionGuard guard(lock_);
    return static_cast<int>(records_.size());
}

std::list<WindowRecord*> WindowRegistry::records()
{
    platform::CriticalSectionGuard guard(lock_);
    std::list<WindowRecord*> listed;
    for (const auto& record : records_)
        listed.push_back(record.get());
    return listed;
}
