// The layout loader on any file, its messages on, with still sources in place of the
// animated ones (StillSourceBuilder.h), so that it measures the loader and not the start
// of clock threads; the layout_clocks fuzzer runs the same checks (LayoutLoadCheck.h) with
// the engine's own sources.
#include "LayoutLoadCheck.h"
#include "StillSourceBuilder.h"

#include <cstddef>
#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::loadAndCheckLayout(std::make_unique<fuzz::StillSourceBuilder>(), data, size);
    return 0;
}
