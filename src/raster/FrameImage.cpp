#include "raster/FrameImage.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace raster {

namespace {

    constexpr std::size_t kLargePage = std::size_t { 2 } << 20;

    std::size_t inLargePages(std::size_t bytes) { return (bytes + kLargePage - 1) / kLargePage * kLargePage; }

    // Large pages only where a picture fills most of them: the last page's unused part is
    // memory the process holds for nothing.
    bool worthLargePages(std::size_t bytes)
    {
        return bytes >= kLargePage * 3 / 4 && bytes * 4 >= inLargePages(bytes) * 3;
    }

} // namespace

QImage makeFrameImage(int width, int height)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    const auto bytesPerLine = static_cast<std::size_t>(width) * 4;
    const std::size_t bytes = bytesPerLine * static_cast<std::size_t>(height);
    if (worthLargePages(bytes)) {
        const std::size_t rounded = inLargePages(bytes);
        if (void* const pixels = std::aligned_alloc(kLargePage, rounded)) {
            // Only advice: where the kernel declines, the pages are ordinary ones.
            static_cast<void>(madvise(pixels, rounded, MADV_HUGEPAGE));
            return QImage(
                static_cast<uchar*>(pixels), width, height, static_cast<qsizetype>(bytesPerLine), QImage::Format_RGB32,
                [](void* owned) { std::free(owned); }, pixels);
        }
    }
#endif
    return QImage(width, height, QImage::Format_RGB32);
}

} // namespace raster
