#pragma once
// An image source that shows one bitmap file in every observer window bound to it.
// Each window fits the bitmap by its own alignment (draw request bits set by the
// DrawRequest arguments xAlign and yAlign); the source keeps default alignments that
// the buttons cycle and push to all its windows. Buttons: "Load", "Sync", "xAlign",
// "yAlign". Layout argument: src (the bitmap file, relative to the root directory).
//
// Threading: everything runs on the window thread; the source's lock guards the
// default alignments, the bitmap and draw-argument parsing. Redraw requests (which
// take the registry's lock) are made after the source's lock has been released.
// See docs/threads.md.
#include "documents/FileDialogHelper.h"
#include "drawing/BackgroundSpec.h"
#include "drawing/Bitmap.h"
#include "imagesource/ImageSource.h"

#include <cstdint>
#include <string>

// Draw request bits of the alignments (one bit per code; the statistics bit is bit 0).
namespace bitmap_display {
constexpr std::int32_t kXAlignLeftBit = 0x20000;
constexpr std::int32_t kXAlignStretchBit = 0x40000;
constexpr std::int32_t kXAlignTileBit = 0x80000;
constexpr std::int32_t kXAlignRightBit = 0x100000;
constexpr std::int32_t kXAlignBits = 0x1E0000;
constexpr std::int32_t kYAlignBottomBit = 0x1000000;
constexpr std::int32_t kYAlignStretchBit = 0x400000;
constexpr std::int32_t kYAlignTileBit = 0x800000;
constexpr std::int32_t kYAlignTopBit = 0x200000;
constexpr std::int32_t kYAlignBits = 0x1E00000;
// Left, bottom and a bit (0x10000) that this type does not read; statistics view off.
constexpr std::int32_t kDefaultDrawRequest = 0x1030000;
} // namespace bitmap_display

class BitmapDisplayWindow : public ImageSource {
public:
    // Button indexes, in table order.
    enum Button : std::uint32_t { kLoadButton = 0, kSyncButton = 1, kXAlignButton = 2, kYAlignButton = 3 };

    BitmapDisplayWindow() = default;
    ~BitmapDisplayWindow() override;

    // White, then the bitmap fitted by the draw request's alignments, or the statistics view.
    HRESULT Draw(
        raster::DeviceContext& context, std::int32_t width, std::int32_t height, std::int32_t drawRequest) override;
    std::int32_t GetButtonCount() override;
    const ButtonSpec* GetButtons() override;
    HRESULT OnCommand(QWidget* window, std::uintptr_t wparam, std::intptr_t lparam) override;
    // xAlign and yAlign set the window's alignment bits; other names go to the base (draw_stat).
    HRESULT SetDrawArgument(const std::string& name, const std::string& value, std::int32_t& drawRequest,
        std::int32_t reportErrors) override;
    // src loads the bitmap (S_FALSE when it cannot, so the layout still loads); others are ignored.
    HRESULT SetArgument(const std::string& name, const std::string& value, std::int32_t reportErrors) override;
    HRESULT GetDefaultDrawRequest(std::int32_t* drawRequest) override;
    std::string AccessibleName(std::int32_t drawRequest) override;
    // Puts the default alignments into the record's draw request, keeping its other bits.
    HRESULT ApplyDefaults(WindowDrawSettings* record) override;

    // Loads the bitmap file (the previous bitmap is dropped first); on success the path is
    // remembered and the windows are asked to repaint. Null path: E_INVALIDARG.
    HRESULT LoadBitmap(const char* path, std::int32_t reportErrors);

    // For inspection.
    std::int32_t defaultXAlign();
    std::int32_t defaultYAlign();
    std::string path();
    bool hasBitmap();

    // The draw request bits of an alignment code (0 for a code outside 0-3).
    static std::int32_t xAlignBit(std::int32_t code);
    static std::int32_t yAlignBit(std::int32_t code);
    // The alignment codes a draw request asks for.
    static std::int32_t xAlignOf(std::int32_t drawRequest);
    static std::int32_t yAlignOf(std::int32_t drawRequest);

protected:
    bool DrawsOnWhiteGround() const override { return true; }
    // Lets tests put a default alignment outside 0-3.
    void setDefaultAlignments(std::int32_t xAlign, std::int32_t yAlign);

private:
    void drawStatistics(raster::DeviceContext& context);
    HRESULT chooseAndLoad(QWidget* owner);
    // LoadBitmap without the redraw request.
    HRESULT loadBitmapFile(const char* path, std::int32_t reportErrors);
    // Moves a default alignment to the next code; E_FAIL for a code outside 0-3.
    HRESULT cycleXAlign();
    HRESULT cycleYAlign();
    // Gives every window of this source the default alignments, then repaints them.
    HRESULT synchronise();

    FileDialogHelper chooser_; // its path is the bitmap file last loaded or chosen
    Bitmap bitmap_;
    std::int32_t defaultXAlign_ = XAlignLeft;
    std::int32_t defaultYAlign_ = YAlignTop;
};
