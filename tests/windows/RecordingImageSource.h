#pragma once
// An image source for window tests: counts what windows ask of it, draws a known
// picture and reports a generation the test controls.
#include "imagesource/ImageSource.h"
#include "imagesource/WindowDrawSettings.h"
#include "raster/DeviceContext.h"

#include <atomic>
#include <memory>
#include <vector>

namespace testing_support {

struct ReceivedCommand {
    QWidget* window = nullptr;
    std::uintptr_t wparam = 0;
    std::intptr_t lparam = 0;
};

struct ReceivedMouse {
    QWidget* window = nullptr;
    std::uint32_t message = 0;
    std::intptr_t lparam = 0;
    std::int32_t drawRequest = 0;
};

// Counts that outlive the source, so a test can see calls made after it was destroyed.
struct SourceCalls {
    std::atomic<int> draws { 0 };
    std::atomic<int> generationReads { 0 };
    std::atomic<int> callsAfterDestruction { 0 };
    std::atomic<bool> destroyed { false };
    std::atomic<int> lastDrawWidth { -1 };
    std::atomic<int> lastDrawHeight { -1 };
    std::atomic<int> lastDrawRequest { -1 };
};

class RecordingImageSource : public ImageSource {
public:
    // The square the source paints at the top left of every picture, and its colour.
    static constexpr int kMarkSize = 10;
    static constexpr ColourRef kMarkColour = makeColour(200, 20, 30);

    explicit RecordingImageSource(std::shared_ptr<SourceCalls> calls = std::make_shared<SourceCalls>())
        : calls_(std::move(calls))
    {
    }
    ~RecordingImageSource() override { calls_->destroyed = true; }

    void setGeneration(std::int32_t generation) { generation_ = generation; }
    void setButtons(std::vector<ButtonSpec> buttons) { buttons_ = std::move(buttons); }
    void setApplyDefaultsResult(HRESULT result) { applyDefaultsResult_ = result; }

    HRESULT Draw(
        raster::DeviceContext& context, std::int32_t width, std::int32_t height, std::int32_t drawRequest) override
    {
        noteCall();
        ++calls_->draws;
        calls_->lastDrawWidth = width;
        calls_->lastDrawHeight = height;
        calls_->lastDrawRequest = drawRequest;
        if (width >= kMarkSize && height >= kMarkSize)
            context.fillRect(0, 0, kMarkSize, kMarkSize, kMarkColour);
        return S_OK;
    }
    std::int32_t GetGeneration() override
    {
        noteCall();
        ++calls_->generationReads;
        return generation_.load();
    }
    std::int32_t GetButtonCount() override { return static_cast<std::int32_t>(buttons_.size()); }
    const ButtonSpec* GetButtons() override { return buttons_.empty() ? nullptr : buttons_.data(); }
    HRESULT OnCommand(QWidget* window, std::uintptr_t wparam, std::intptr_t lparam) override
    {
        commands.push_back(ReceivedCommand { window, wparam, lparam });
        return S_OK;
    }
    void OnMouse(
        QWidget* window, std::uint32_t message, std::intptr_t lparam, std::uintptr_t, std::int32_t drawRequest) override
    {
        mouse.push_back(ReceivedMouse { window, message, lparam, drawRequest });
    }
    HRESULT ApplyDefaults(WindowDrawSettings* record) override
    {
        appliedRecords.push_back(record);
        return applyDefaultsResult_;
    }

    std::vector<ReceivedCommand> commands;
    std::vector<ReceivedMouse> mouse;
    std::vector<WindowDrawSettings*> appliedRecords;

private:
    void noteCall()
    {
        if (calls_->destroyed)
            ++calls_->callsAfterDestruction;
    }

    std::shared_ptr<SourceCalls> calls_;
    std::atomic<std::int32_t> generation_ { 0 };
    std::vector<ButtonSpec> buttons_;
    HRESULT applyDefaultsResult_ = S_OK;
};

} // namespace testing_support
