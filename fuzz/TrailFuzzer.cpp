// The observation trail reader on any document, its messages on: a trail that reads
// holds 1 to 1024 records, every one of them in use; a trail that does not read keeps
// every record, count and year it held before.
#include "FuzzCheck.h"
#include "FuzzInput.h"

#include "documents/ObservationTrail.h"
#include "xml/XmlDocument.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

constexpr std::int32_t kMostRecords = 1024;

// Everything a trail holds, compared field by field.
struct TrailContents {
    std::int32_t capacity = 0;
    std::int32_t start = 0;
    std::int32_t count = 0;
    std::int32_t startYear = 0;
    std::int32_t endYear = 0;
    std::vector<double> values;

    bool operator==(const TrailContents&) const = default;

    static TrailContents of(const ObservationTrail& trail)
    {
        TrailContents contents { trail.capacity(), trail.start(), trail.count(), trail.startYear(), trail.endYear(),
            {} };
        for (std::int32_t index = 0; index < contents.capacity; ++index) {
            const Observation record = trail.record(index);
            contents.values.insert(contents.values.end(), { record.x, record.y, record.az, record.el, record.t });
        }
        return contents;
    }
};

// A trail that already holds records, not yet wrapped, as a match trail or an observatory's does.
void fillBeforeLoading(ObservationTrail& trail)
{
    trail.Append(1.5, -2.5, 0.25, 0.125, 0.5);
    trail.Append(3.0, 4.0, 0.5, 0.75, 1.0);
    trail.setYears(1580, 1620);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    XmlDocument document;
    if (FAILED(document.loadFile(fuzz::inputFile(data, size).c_str(), 0)))
        return 0;
    ObservationTrail trail(3);
    fillBeforeLoading(trail);
    const TrailContents before = TrailContents::of(trail);
    if (FAILED(trail.Load(document, 1))) {
        fuzz::check(TrailContents::of(trail) == before, "a trail that does not read keeps what it held");
        return 0;
    }
    fuzz::check(trail.count() >= 1 && trail.count() <= kMostRecords, "a trail that reads holds 1 to 1024 records");
    fuzz::check(trail.count() == trail.capacity() && trail.start() == 0, "every record read is in use, oldest first");
    return 0;
}
