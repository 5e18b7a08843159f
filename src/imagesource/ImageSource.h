#pragma once
// The base of every image source: anything an observer window can show.
//
// Threading: Build, argument parsing, OnCommand, OnMouse, Draw and ApplyDefaults
// run on the window thread. A source driven by a SimulationClock changes its
// simulated state on the clock thread under the clock's lock only; window-thread
// operations take the source's lock first and the clock's lock inside it.
// See docs/threads.md.
#include "imagesource/ButtonSpec.h"
#include "imagesource/SourceOwner.h"
#include "imagesource/StillPart.h"
#include "platform/CriticalSection.h"
#include "platform/Result.h"

#include <cstdint>
#include <string>
#include <vector>

class WindowDrawSettings;
class QWidget;
namespace raster {
class DeviceContext;
}

// Mouse messages passed to OnMouse.
constexpr std::uint32_t kLeftButtonDown = 0x0201;
constexpr std::uint32_t kRightButtonDown = 0x0204;
// Packs a cursor position as OnMouse's lparam: x in the low 16 bits, y in the high 16 bits.
constexpr std::intptr_t packCursorPosition(int x, int y)
{
    return static_cast<std::intptr_t>(
        (static_cast<std::uint32_t>(y & 0xffff) << 16) | static_cast<std::uint32_t>(x & 0xffff));
}

// Bit 0 of every draw request: show the statistics view ("draw_stat").
constexpr std::int32_t kDrawStatistics = 1;

// A source without a still layer: everything it shows is drawn every frame.
constexpr std::uint64_t kNoStillLayer = 0;

class ImageSource {
public:
    ImageSource() = default;
    virtual ~ImageSource() = default;
    ImageSource(const ImageSource&) = delete;
    ImageSource& operator=(const ImageSource&) = delete;

    // The source's lock; derived sources guard their members with it (GUARDED_BY(lock_)).
    virtual void Lock() ACQUIRE(lock_);
    virtual void Unlock() RELEASE(lock_);
    // Draws into a width x height area of the context (the window's back buffer).
    virtual HRESULT Draw(
        raster::DeviceContext& context, std::int32_t width, std::int32_t height, std::int32_t drawRequest);
    // Layers for windows that redraw every frame. A window keeps the still layer, the part
    // of the picture that stays from frame to frame, over its background, and each frame
    // draws only the moving layer over it: the two together are the picture Draw makes.
    // StillLayerKey names what the still layer shows for this size and request; a window
    // draws the layer again whenever the key differs from the one it drew. kNoStillLayer
    // (the base): the still layer is empty and the moving layer is the whole of Draw. A
    // source that draws on a white ground (DrawsOnWhiteGround) keeps the ground as its
    // still layer.
    virtual std::uint64_t StillLayerKey(std::int32_t width, std::int32_t height, std::int32_t drawRequest);
    virtual HRESULT DrawStillLayer(
        raster::DeviceContext& context, std::int32_t width, std::int32_t height, std::int32_t drawRequest);
    // The parts of the still layer that change under one key (a matched sky strip's
    // observations as time passes them), in increasing id; none by default: every change
    // of the still layer then changes the key. Taken right after StillLayerKey.
    virtual void StillLayerParts(
        std::int32_t width, std::int32_t height, std::int32_t drawRequest, std::vector<StillPart>& parts);
    // Draws the still layer where it meets pixel rows [top, bottom): at least everything of
    // it that touches them. What it draws outside them is put back by the caller, so the
    // whole layer (the default) is right too, only slower.
    virtual HRESULT DrawStillRows(raster::DeviceContext& context, std::int32_t width, std::int32_t height,
        std::int32_t drawRequest, int top, int bottom);
    virtual HRESULT DrawMovingLayer(
        raster::DeviceContext& context, std::int32_t width, std::int32_t height, std::int32_t drawRequest);
    // Changes whenever the picture changes.
    virtual std::int32_t GetGeneration();
    virtual std::int32_t GetButtonCount();
    // The button table (GetButtonCount entries), or null.
    virtual const ButtonSpec* GetButtons();
    // A button of a control window was pressed: its index is the low 16 bits of wparam;
    // `window` is the control window, lparam the button's index as handle.
    virtual HRESULT OnCommand(QWidget* window, std::uintptr_t wparam, std::intptr_t lparam);
    virtual void OnMouse(
        QWidget* window, std::uint32_t message, std::intptr_t lparam, std::uintptr_t wparam, std::int32_t drawRequest);
    // name=value parse of a draw argument, then SetDrawArgument.
    virtual HRESULT ParseDrawArgument(const std::string& text, std::int32_t& drawRequest, std::int32_t reportErrors);
    virtual HRESULT SetDrawArgument(
        const std::string& name, const std::string& value, std::int32_t& drawRequest, std::int32_t reportErrors);
    // name=value parse of a layout argument, then SetArgument.
    virtual HRESULT ParseArgument(const std::string& text, std::int32_t reportErrors);
    virtual HRESULT SetArgument(const std::string& name, const std::string& value, std::int32_t reportErrors);
    virtual HRESULT GetDefaultDrawRequest(std::int32_t* drawRequest);
    virtual HRESULT ApplyDefaults(WindowDrawSettings* record);
    // Asks every observer window that shows this source to repaint.
    virtual HRESULT RequestRedraw();
    // For screen readers, what a window showing this source with `drawRequest` shows: a
    // name ("Ptolemaic universe: Mars") and a description of where things are and how they
    // move, which windows ask for at most once a second. The base names nothing.
    virtual std::string AccessibleName(std::int32_t drawRequest);
    virtual std::string AccessibleDescription(std::int32_t drawRequest);

    // The layout that owns this source (not owned), or null.
    void setOwner(SourceOwner* owner);
    HRESULT getOwner(SourceOwner** owner);

protected:
    // The opening of every Draw on a white ground: an area of zero (or, defensively,
    // negative) size draws nothing; otherwise, under the source's lock, the area is
    // painted white and drawView() draws the picture. S_OK.
    template <typename DrawView>
    HRESULT drawOnWhite(raster::DeviceContext& context, std::int32_t width, std::int32_t height, DrawView&& drawView)
    {
        if (width <= 0 || height <= 0)
            return S_OK;
        platform::CriticalSectionGuard guard(lock_);
        if (!whiteGroundKept_)
            paintWhite(context, width, height);
        drawView();
        return S_OK;
    }

    // True for a source whose Draw is all one drawOnWhite: its white ground then stays
    // in a window's still layer. The base says false.
    virtual bool DrawsOnWhiteGround() const;

    platform::CriticalSection lock_;
    std::int32_t generation_ = -1000;
    SourceOwner* owner_ = nullptr;

private:
    static void paintWhite(raster::DeviceContext& context, std::int32_t width, std::int32_t height);

    bool whiteGroundKept_ = false; // the moving layer is drawn over a kept white ground (window thread)
};
