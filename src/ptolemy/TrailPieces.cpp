#include "ptolemy/TrailPieces.h"

#include "documents/ObservationTrail.h"

#include <algorithm>

namespace {

std::int64_t pieceStartOf(std::int64_t sequence) { return sequence / TrailPieces::kRecords * TrailPieces::kRecords; }

bool isKept(const KeptTrailPieces& kept, std::uint64_t epoch, std::int64_t pieceStart)
{
    return kept.epoch == epoch && pieceStart >= kept.first && pieceStart < kept.end;
}

bool isShown(TrailPart part, bool kept)
{
    switch (part) {
    case TrailPart::All:
        return true;
    case TrailPart::Kept:
        return kept;
    case TrailPart::AllButKept:
        return !kept;
    }
    return false;
}

} // namespace

KeptTrailPieces TrailPieces::keptOf(const ObservationTrail& trail)
{
    const std::int64_t oldest = trail.firstSequence();
    const std::int64_t newest = oldest + trail.count() - 1;
    const std::int64_t first = pieceStartOf(oldest + kRecords - 1);
    const std::int64_t end = std::max(first, pieceStartOf(newest));
    return { trail.appendEpoch(), first, end };
}

void TrailPieces::forEach(const ObservationTrail& trail, TrailPart part, const KeptTrailPieces& kept,
    const std::function<void(std::int32_t first, std::int32_t last)>& draw)
{
    const std::int64_t oldest = trail.firstSequence();
    const std::int64_t newest = oldest + trail.count() - 1;
    if (newest < oldest)
        return;
    const std::uint64_t epoch = trail.appendEpoch();
    const KeptTrailPieces whole = keptOf(trail);
    const auto show = [&](std::int64_t pieceStart, std::int64_t from, std::int64_t to) {
        if (to >= from && isShown(part, isKept(kept, epoch, pieceStart)))
            draw(static_cast<std::int32_t>(from - oldest), static_cast<std::int32_t>(to - oldest));
    };
    for (std::int64_t start = whole.first; start < whole.end; start += kRecords)
        show(start, start, start + kRecords);
    const std::int64_t oldestPiece = pieceStartOf(oldest);
    if (oldestPiece < whole.first || whole.first == whole.end)
        show(oldestPiece, oldest, std::min(newest, oldestPiece + kRecords));
    const std::int64_t newestPiece = std::max(whole.end, oldestPiece + kRecords);
    if (newestPiece <= newest)
        show(newestPiece, newestPiece, newest);
}

bool TrailPieces::endsAtCut(const ObservationTrail& trail, std::int32_t first, std::int32_t last)
{
    return last > first && (trail.firstSequence() + last) % kRecords == 0;
}
