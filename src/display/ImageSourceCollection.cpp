#include "display/ImageSourceCollection.h"

#include "imagesource/ImageSource.h"
#include "platform/Text.h"
#include "windows/WindowFactory.h"
#include "windows/WindowRegistry.h"

#include <new>

ImageSourceCollection::~ImageSourceCollection()
{
    platform::CriticalSectionGuard guard(lock_);
    windows_.reset();
    removeSource();
}

void ImageSourceCollection::Lock() { lock_.enter(); }

void ImageSourceCollection::Unlock() { lock_.leave(); }

void ImageSourceCollection::removeSource()
{
    if (!source_)
        return;
    WindowRegistry::instance().removeWindowsOf(source_.get());
    source_.reset();
}

HRESULT ImageSourceCollection::setWindowCount(std::int32_t count)
{
    platform::CriticalSectionGuard guard(lock_);
    windows_.reset();
    if (count < 0)
        return E_INVALIDARG;
    try {
        windows_.emplace(static_cast<std::size_t>(count));
    } catch (const std::bad_alloc&) {
        windows_.reset();
        return E_OUTOFMEMORY;
    }
    return S_OK;
}

HRESULT ImageSourceCollection::setSource(std::unique_ptr<ImageSource> source)
{
    removeSource();
    source_ = std::move(source);
    return S_OK;
}

HRESULT ImageSourceCollection::getSource(ImageSource** source) const
{
    if (!source)
        return E_INVALIDARG;
    *source = source_.get();
    return S_OK;
}

HRESULT ImageSourceCollection::setWindow(std::int32_t index, const WindowSpec& spec)
{
    platform::CriticalSectionGuard guard(lock_);
    if (!windows_)
        return E_FAIL;
    if (index < 0 || index >= windowCount())
        return E_INVALIDARG;
    WindowSpec& stored = (*windows_)[static_cast<std::size_t>(index)];
    stored = spec;
    stored.background.src = platform::cutText(spec.background.src, platform::kMaxTextLength);
    return S_OK;
}

HRESULT ImageSourceCollection::createWindows(QWidget* host, const FractionalRect& area)
{
    platform::CriticalSectionGuard guard(lock_);
    if (!windows_)
        return E_FAIL;
    for (WindowSpec& spec : *windows_) {
        spec.imageSource = source_.get();
        if (!area.isValid() || !spec.screenRect.isValid())
            return E_INVALIDARG;
        spec.screenRect = placeInside(area, spec.screenRect);
        const HRESULT created = createWindow(host, spec);
        if (FAILED(created))
            return created;
    }
    return S_OK;
}

std::int32_t ImageSourceCollection::windowCount() const
{
    return windows_ ? static_cast<std::int32_t>(windows_->size()) : 0;
}

const WindowSpec* ImageSourceCollection::window(std::int32_t index) const
{
    if (!windows_ || index < 0 || index >= windowCount())
        return nullptr;
    return &(*windows_)[static_cast<std::size_t>(index)];
}
