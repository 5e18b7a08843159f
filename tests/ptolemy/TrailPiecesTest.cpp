// A trail drawn in pieces: the pieces join into the whole trail, each record's once-per-record
// mark (its dot) falls in exactly one piece, and what a still picture keeps and what the moving
// layer draws make up the whole, however far the trail has grown or wrapped.
#include "ptolemy/TrailPieces.h"

#include "documents/ObservationTrail.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Pieces = std::vector<std::pair<std::int32_t, std::int32_t>>;

Pieces piecesOf(const ObservationTrail& trail, TrailPart part, const KeptTrailPieces& kept)
{
    Pieces pieces;
    TrailPieces::forEach(
        trail, part, kept, [&](std::int32_t first, std::int32_t last) { pieces.emplace_back(first, last); });
    return pieces;
}

TEST(TrailPieces, PiecesJoinIntoTheTrailAndKeepEachRecordOnce)
{
    for (const std::int32_t capacity : { 1, 7, 50, 120, 200 })
        for (const std::int32_t appended : { 0, 1, 2, 49, 50, 51, 99, 100, 101, 250, 333 }) {
            ObservationTrail trail(capacity);
            for (std::int32_t k = 0; k < appended; ++k)
                trail.Append(k, -k, 0, 0, k);
            trail.Lock();
            const KeptTrailPieces kept = TrailPieces::keptOf(trail);
            const Pieces all = piecesOf(trail, TrailPart::All, kept);
            Pieces split = piecesOf(trail, TrailPart::Kept, kept);
            const Pieces moving = piecesOf(trail, TrailPart::AllButKept, kept);
            split.insert(split.end(), moving.begin(), moving.end());
            EXPECT_EQ(split, all) << capacity << " " << appended;
            std::vector<int> marks(static_cast<std::size_t>(trail.count()), 0);
            std::vector<int> joins(static_cast<std::size_t>(trail.count()), 0);
            for (const auto& [first, last] : all) {
                ASSERT_LE(0, first);
                ASSERT_LE(first, last);
                ASSERT_LT(last, trail.count());
                EXPECT_LE(last - first, TrailPieces::kRecords);
                for (std::int32_t k = first; k < last; ++k)
                    ++joins[static_cast<std::size_t>(k)];
                const std::int32_t end = TrailPieces::endsAtCut(trail, first, last) ? last : last + 1;
                for (std::int32_t k = first; k < end; ++k)
                    ++marks[static_cast<std::size_t>(k)];
            }
            trail.Unlock();
            for (std::int32_t k = 0; k < trail.count(); ++k) {
                EXPECT_EQ(marks[static_cast<std::size_t>(k)], 1) << capacity << " " << appended << " record " << k;
                if (k + 1 < trail.count()) {
                    EXPECT_EQ(joins[static_cast<std::size_t>(k)], 1) << "segment from " << k;
                }
            }
        }
}

// Kept pieces stay kept as the trail moves on, until the trail changes otherwise.
TEST(TrailPieces, KeptPiecesLastUntilTheTrailIsCleared)
{
    ObservationTrail trail(200);
    for (int k = 0; k < 230; ++k)
        trail.Append(k, k, 0, 0, k);
    trail.Lock();
    const KeptTrailPieces kept = TrailPieces::keptOf(trail);
    trail.Unlock();
    EXPECT_EQ(kept.end - kept.first, 150); // records 50 ... 200 of 30 ... 229
    for (int k = 230; k < 240; ++k)
        trail.Append(k, k, 0, 0, k);
    trail.Lock();
    EXPECT_EQ(piecesOf(trail, TrailPart::Kept, kept).size(), 3u);
    trail.Unlock();
    trail.Clear();
    trail.Append(1, 1, 0, 0, 1);
    trail.Append(2, 2, 0, 0, 2);
    trail.Lock();
    EXPECT_TRUE(piecesOf(trail, TrailPart::Kept, kept).empty());
    EXPECT_EQ(piecesOf(trail, TrailPart::AllButKept, kept), (Pieces { { 0, 1 } }));
    trail.Unlock();
}

} // namespace
