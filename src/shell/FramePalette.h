#pragma once
// The colours of a part of an animation's frame as a GIF colour table (at most 256
// entries), and the entry of each pixel. A part that uses at most 256 colours keeps every
// one exactly: a drawing's few colours (a trail's, an orbit's, the ground's) are never
// shifted. A part with more (antialiased edges blend them) keeps the 256 it uses most, and
// every other colour becomes the nearest of those.
#include <QImage>
#include <QRect>

#include <cstdint>
#include <unordered_map>
#include <vector>

class FramePalette {
public:
    static constexpr std::size_t kLargestTable = 256;

    // `frame` is a 32-bit RGB picture; `part` lies within it.
    FramePalette(const QImage& frame, const QRect& part);

    // The table's colours (0xRRGGBB), the most used first.
    const std::vector<QRgb>& colours() const { return colours_; }
    // The table entry that stands for `colour` (a colour of the part).
    std::uint8_t entryOf(QRgb colour);

private:
    std::uint8_t nearestEntry(QRgb colour) const;

    std::vector<QRgb> colours_;
    std::unordered_map<QRgb, std::uint8_t> entries_; // also the nearest entries found so far
};
