// The layout loader on any file with the engine's own image sources: each animated source
// (the Ptolemy and Kepler universes, the observatory) starts its clock thread when it is
// made and stops it when the display manager is destroyed, up to the layout's limit of
// DisplayManager::kMaxImageSources sources, which bounds the threads a run starts. What is
// checked is what the layout fuzzer checks (LayoutLoadCheck.h); this one adds the sources'
// start and stop, threads and all, beside the loader. It runs fewer inputs a second than
// the layout fuzzer, whose sources start no clock.
#include "LayoutLoadCheck.h"

#include "sources/ImageSourceBuilder.h"

#include <cstddef>
#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::loadAndCheckLayout(std::make_unique<ImageSourceBuilder>(), data, size);
    return 0;
}
