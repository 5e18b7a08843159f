#pragma once
// Builders for window specs and a host window for window tests.
#include "imagesource/WindowSpec.h"
#include "windows/WindowRecord.h"
#include "windows/WindowRegistry.h"

#include <QWidget>

#include <memory>

namespace testing_support {

inline WindowSpec observerSpec(
    ImageSource* source, std::int32_t refresh = 0, FractionalRect rect = { 0, 0, 1, 1 }, std::int32_t drawFlags = 0)
{
    WindowSpec spec;
    spec.kind = kObserverWindowKind;
    spec.imageSource = source;
    spec.refresh = refresh;
    spec.screenRect = rect;
    spec.drawFlags = drawFlags;
    return spec;
}

inline WindowSpec controlSpec(ImageSource* source, FractionalRect rect = { 0, 0, 0.5, 1 })
{
    WindowSpec spec;
    spec.kind = kControlWindowKind;
    spec.imageSource = source;
    spec.screenRect = rect;
    return spec;
}

// The newest record (the registry's head), or null.
inline WindowRecord* newestRecord()
{
    const auto records = WindowRegistry::instance().records();
    return records.empty() ? nullptr : records.front();
}

// A host window of a fixed size; every window still registered is removed at the end.
// A host that is not shown gets no paint requests from the window system, so tests that
// count paints see only the ones they asked for.
class TestHost {
public:
    static constexpr int kWidth = 400;
    static constexpr int kHeight = 300;

    explicit TestHost(bool shown = false)
        : widget_(std::make_unique<QWidget>())
    {
        widget_->resize(kWidth, kHeight);
        if (shown)
            widget_->show();
    }
    ~TestHost() { WindowRegistry::instance().removeAllWindows(); }
    TestHost(const TestHost&) = delete;
    TestHost& operator=(const TestHost&) = delete;

    QWidget* widget() const { return widget_.get(); }

private:
    std::unique_ptr<QWidget> widget_;
};

} // namespace testing_support
