#pragma once
// One image source of a layout with the descriptions of the windows that show it.
//
// Ownership: the collection owns its source and its window descriptions; destroying
// the collection (or replacing its source) first removes every window that shows the
// source from the WindowRegistry, so no window outlives the source it draws.
// Locking: setWindowCount, setWindow, createWindows and destruction take the
// collection's lock; setSource and getSource rely on the display manager's lock held by
// their callers. Lock order: display manager, collection, window registry.
//
// Threading: window thread only. The collection's lock guards the window descriptions;
// it is taken after the display manager's and before the window registry's. No worker
// takes it; it stays so that a paint running inside a layout error message box, which
// re-enters it, sees the descriptions whole (docs/threads.md, rule 3).
// See docs/threads.md.
#include "imagesource/WindowSpec.h"
#include "platform/CriticalSection.h"
#include "platform/Result.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class ImageSource;
class QWidget;

class ImageSourceCollection {
public:
    ImageSourceCollection() = default;
    virtual ~ImageSourceCollection();
    ImageSourceCollection(const ImageSourceCollection&) = delete;
    ImageSourceCollection& operator=(const ImageSourceCollection&) = delete;

    virtual void Lock() ACQUIRE(lock_);
    virtual void Unlock() RELEASE(lock_);

    // Replaces the window descriptions by `count` fresh ones (backgrounds at their defaults).
    // A negative count gives E_INVALIDARG; out of memory E_OUTOFMEMORY with no descriptions left.
    HRESULT setWindowCount(std::int32_t count);
    // Removes the windows of the previous source, destroys it and keeps `source`.
    HRESULT setSource(std::unique_ptr<ImageSource> source);
    // The source (still owned by the collection), or null.
    HRESULT getSource(ImageSource** source) const;
    // Copies `spec` into description `index`; the background path keeps at most 256 characters.
    HRESULT setWindow(std::int32_t index, const WindowSpec& spec);
    // Creates every described window in `host`, its rectangle placed inside `area`
    // (fractions of the host's client area). Stops at the first failure.
    HRESULT createWindows(QWidget* host, const FractionalRect& area);

    std::int32_t windowCount() const;
    bool hasWindowArray() const { return windows_.has_value(); }
    // The description at `index`, or null outside the array.
    const WindowSpec* window(std::int32_t index) const;

private:
    void removeSource();

    platform::CriticalSection lock_;
    std::unique_ptr<ImageSource> source_;
    // No value until setWindowCount: a collection whose Windows element had no child
    // element has no array, and creating its windows fails.
    std::optional<std::vector<WindowSpec>> windows_;
};
