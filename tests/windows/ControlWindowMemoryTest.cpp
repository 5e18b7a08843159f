// Control windows come and go with every layout, once a second in the demonstration. What
// painting their buttons leaves in process-wide caches must go with them, or the program's
// memory creeps up for as long as it runs.
#include "windows/ControlWindow.h"

#include "windows/HostWindow.h"
#include "windows/RecordingImageSource.h"
#include "windows/WindowFactory.h"
#include "windows/WindowTestSupport.h"

#include <malloc.h>

#include <cstddef>
#include <cstdlib>
#include <gtest/gtest.h>

using testing_support::controlSpec;
using testing_support::newestRecord;
using testing_support::RecordingImageSource;
using testing_support::TestHost;

namespace {

// Enough windows that the style's pixmap cache (several megabytes) would have grown well
// past the allowance below had their pictures stayed.
constexpr int kWarmUpWindows = 20;
constexpr int kMeasuredWindows = 150;
constexpr std::size_t kAllowedGrowth = 512 * 1024;

std::size_t heapInUse() { return mallinfo2().uordblks; }

// Under a sanitizer's allocator the C library's heap figures stand still.
bool heapIsMeasured()
{
    constexpr std::size_t kProbe = 64 * 1024;
    const std::size_t before = heapInUse();
    // Volatile: the compiler may not leave out an allocation that is only freed again.
    void* volatile block = std::malloc(kProbe);
    const bool seen = heapInUse() >= before + kProbe;
    std::free(block);
    return seen;
}

// One layout's worth of a control window: made, painted with all its buttons, destroyed.
void showAndDestroyControlWindow(QWidget* host, RecordingImageSource& source)
{
    ASSERT_EQ(createWindow(host, controlSpec(&source)), S_OK);
    newestRecord()->window()->grab();
    WindowRegistry::instance().removeWindowsOf(&source);
}

} // namespace

TEST(ControlWindowMemoryTest, PaintedWindowsThatComeAndGoLeaveNoMemoryBehind)
{
    if (!heapIsMeasured())
        GTEST_SKIP() << "the allocator in use does not report the C library's heap";
    TestHost host(true);
    // As a layout colours its host: the buttons then resolve palettes of their own.
    ASSERT_TRUE(setHostBackgroundColour(host.widget(), makeColour(10, 20, 30)));
    RecordingImageSource source;
    source.setButtons(
        { { 0, "Restart" }, { 0, "Pause" }, { 0, "Load" }, { 0, "Save" }, { 0, "Random" }, { 0, "Edit" } });
    for (int window = 0; window < kWarmUpWindows; ++window)
        showAndDestroyControlWindow(host.widget(), source);

    const std::size_t before = heapInUse();
    for (int window = 0; window < kMeasuredWindows; ++window)
        showAndDestroyControlWindow(host.widget(), source);
    const std::size_t after = heapInUse();

    EXPECT_LT(after, before + kAllowedGrowth) << "grew by " << (after - before) / 1024 << " KiB";
}
