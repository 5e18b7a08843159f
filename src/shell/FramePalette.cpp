#include "shell/FramePalette.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {

// How many pixels of the part show each colour. Runs of one colour (the ground) are
// counted without a look-up per pixel.
std::unordered_map<QRgb, std::size_t> countColours(const QImage& frame, const QRect& part)
{
    std::unordered_map<QRgb, std::size_t> counts;
    for (int y = part.top(); y <= part.bottom(); ++y) {
        const auto* const row = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
        QRgb run = row[part.left()] & RGB_MASK;
        std::size_t length = 0;
        for (int x = part.left(); x <= part.right(); ++x) {
            const QRgb colour = row[x] & RGB_MASK;
            if (colour != run) {
                counts[run] += length;
                run = colour;
                length = 0;
            }
            ++length;
        }
        counts[run] += length;
    }
    return counts;
}

// Differences in green weigh most and in blue least, as the eye sees them.
int distance(QRgb one, QRgb other)
{
    const int red = qRed(one) - qRed(other);
    const int green = qGreen(one) - qGreen(other);
    const int blue = qBlue(one) - qBlue(other);
    return 3 * red * red + 4 * green * green + 2 * blue * blue;
}

} // namespace

FramePalette::FramePalette(const QImage& frame, const QRect& part)
{
    const std::unordered_map<QRgb, std::size_t> counts = countColours(frame, part);
    std::vector<std::pair<std::size_t, QRgb>> byUse;
    byUse.reserve(counts.size());
    for (const auto& [colour, count] : counts)
        byUse.emplace_back(count, colour);
    const std::size_t kept = std::min(byUse.size(), kLargestTable);
    // The most used first; equal counts by colour, so that a frame always gives the same table.
    std::partial_sort(byUse.begin(), byUse.begin() + static_cast<std::ptrdiff_t>(kept), byUse.end(),
        [](const auto& one, const auto& other) {
            return one.first != other.first ? one.first > other.first : one.second < other.second;
        });
    for (std::size_t entry = 0; entry < kept; ++entry) {
        colours_.push_back(byUse[entry].second);
        entries_.emplace(byUse[entry].second, static_cast<std::uint8_t>(entry));
    }
}

std::uint8_t FramePalette::entryOf(QRgb colour)
{
    colour &= RGB_MASK;
    const auto found = entries_.find(colour);
    if (found != entries_.end())
        return found->second;
    const std::uint8_t nearest = nearestEntry(colour);
    entries_.emplace(colour, nearest);
    return nearest;
}

std::uint8_t FramePalette::nearestEntry(QRgb colour) const
{
    std::size_t best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (std::size_t entry = 0; entry < colours_.size(); ++entry) {
        const int d = distance(colour, colours_[entry]);
        if (d < bestDistance) {
            best = entry;
            bestDistance = d;
        }
    }
    return static_cast<std::uint8_t>(best);
}
