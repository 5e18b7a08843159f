#pragma once
// A growing trail drawn in pieces, so that a window can keep most of it in its still picture.
//
// The trail is cut at every kRecords-th record number (see ObservationTrail::firstSequence):
// a piece between two cuts is whole once the trail holds all its records, and then stays
// the same picture until the trail drops its oldest record or changes otherwise. Whole
// pieces are drawn first, then the partial ones at the oldest and the newest end, each as
// a polyline of its own, whatever part of the picture is being drawn: the pieces of a
// still picture and of a moving layer together make the same pixels as the whole trail.
//
// A window's frame first fixes which whole pieces its still picture keeps (keptOf); its
// still layer then draws those and its moving layer every other piece, so that a record
// appended meanwhile (on a clock thread) is drawn by one of the two, never by neither.
#include <cstdint>
#include <functional>

class ObservationTrail;

struct KeptTrailPieces {
    std::uint64_t epoch = 0; // the trail's appendEpoch() when they were fixed
    std::int64_t first = 0; // record numbers [first, end) of the kept whole pieces
    std::int64_t end = 0;
};

enum class TrailPart {
    All,
    Kept, // the kept pieces (as much of them as the trail still holds)
    AllButKept, // every other piece
};

class TrailPieces {
public:
    static constexpr std::int64_t kRecords = 50;

    // The trail's whole pieces now. (the trail's lock held)
    static KeptTrailPieces keptOf(const ObservationTrail& trail);
    // Calls draw(first, last) with the logical positions of the first and the last record of
    // each piece in `part`, whole pieces first (a trail of one record, or whose newest record
    // lies on a cut, ends in a piece of one record). (the trail's lock held)
    static void forEach(const ObservationTrail& trail, TrailPart part, const KeptTrailPieces& kept,
        const std::function<void(std::int32_t first, std::int32_t last)>& draw);
    // A piece's last record lies on a cut, so it is also the first of the next piece: things
    // drawn once per record leave it to that piece. (the trail's lock held)
    static bool endsAtCut(const ObservationTrail& trail, std::int32_t first, std::int32_t last);
};
