#pragma once
// A bounded, time-ordered ring of sky positions, and its file (.obs).
//
// Records in logical order (oldest first) lie at storage index (start + i) mod capacity.
// Every operation takes the trail's own lock, so one trail may be used from the
// window thread and from a clock's thread at once (a Ptolemy body's running trail grows
// on its clock's ticks); owners that need a consistent walk hold their own lock around
// it. Since a worker takes it, the lock counts as shared with worker threads: nothing
// may show a message or open a dialog while holding it.
//
// Threading: any thread. The trail's lock guards every field below; it is the last in
// the lock order (after a clock's), and a clock's worker takes it (WithWorkerThreads) to
// append to a running trail. Lock() and Unlock() hold it across a walk (storage(),
// heldLogical()); the other accessors take it themselves, re-entrantly. Save and Load
// read or write a file and may show messages, so they are never called with it held.
// See docs/threads.md.
#include "platform/CriticalSection.h"
#include "platform/Result.h"

#include <cstdint>
#include <string>
#include <system_error>
#include <vector>

class XmlDocument;

struct Observation {
    double x = 0;
    double y = 0;
    double az = 0;
    double el = 0;
    double t = 0;
};

struct TrailStep {
    double x = 0;
    double y = 0;
};

class ObservationTrail {
public:
    // The most observations a trail file may hold (its numObservations).
    static constexpr std::int32_t kMaxFileObservations = 1024;

    explicit ObservationTrail(std::int32_t capacity = 1);
    ObservationTrail(const ObservationTrail& other); // locks the source, then itself
    ObservationTrail& operator=(const ObservationTrail&) = delete;
    virtual ~ObservationTrail() = default;

    void Lock() const ACQUIRE(lock_);
    void Unlock() const RELEASE(lock_);
    // The trail's lock, as lock annotations name it (REQUIRES(trail.Mutex())).
    const platform::CriticalSection& Mutex() const RETURN_CAPABILITY(lock_) { return lock_; }

    void Append(double x, double y, double az, double el, double t);
    void Clear();
    // New capacity (negative: nothing happens); records move to indices 0 ... count - 1
    // in logical order. An unwrapped trail keeps its newest records, a wrapped one its oldest.
    void Resize(std::int32_t capacity);
    // (x[k+1] - x[k], y[k+1] - y[k]) for storage indices k and k + 1; (0, 0) when either
    // index lies outside the storage.
    TrailStep Step(std::int32_t index) const;
    // Cuts a trail filled from empty without wrapping after its first period (uses scale).
    void TrimToPeriod();

    // Writes the trail file; 0 on success, a failure code when the file cannot be written
    // (an existing file is then left as it was).
    virtual HRESULT Save(const std::string& path) const EXCLUDES(lock_);
    // As above; on failure `error` says why.
    HRESULT Save(const std::string& path, std::error_code& error) const EXCLUDES(lock_);
    // The text Save writes, for writers that send it elsewhere (standard output).
    std::string FileText() const;
    // Reads a parsed trail file; replaces the contents only on success.
    HRESULT Load(XmlDocument& document, std::int32_t showErrors) EXCLUDES(lock_);

    // Storage-index accessors; 0 for an index outside the storage.
    double x(std::int32_t index) const;
    double y(std::int32_t index) const;
    double az(std::int32_t index) const;
    double el(std::int32_t index) const;
    double t(std::int32_t index) const;
    Observation record(std::int32_t index) const;
    // All capacity() records in storage order, for walks that hold the lock throughout
    // (Lock() first; the pointer is good until Unlock()).
    const Observation* storage() const REQUIRES(lock_) { return storage_.data(); }
    // The record at logical position i (0 = oldest); zeros outside 0 ... count - 1.
    Observation logical(std::int32_t i) const;
    // As logical, for walks that hold the lock: i must lie in 0 ... count - 1 (so that the
    // slot wraps at most once, without a division).
    const Observation& heldLogical(std::int32_t i) const REQUIRES(lock_)
    {
        const std::int32_t slot = start_ + i;
        return storage_[static_cast<std::size_t>(slot < capacity_ ? slot : slot - capacity_)];
    }

    std::int32_t capacity() const;
    std::int32_t start() const;
    std::int32_t count() const;
    std::int32_t startYear() const;
    std::int32_t endYear() const;
    void setYears(std::int32_t startYear, std::int32_t endYear);
    double scale() const;
    void setScale(double scale);
    // Changes whenever the records change (and differs from every other trail's): a view
    // that keeps a picture of the trail draws it again when this is no longer what it drew.
    std::uint64_t revision() const;
    // Records are numbered in the order they were appended: the one at logical position i
    // has the number firstSequence() + i. The numbering and appendEpoch() start again on
    // every change but an Append, so a view that keeps a picture of some appended records
    // keeps it while the epoch and the numbers it drew stay.
    std::uint64_t appendEpoch() const;
    std::int64_t firstSequence() const;

private:
    // With the lock held: any change; a change other than an Append.
    void changed() REQUIRES(lock_);
    void restarted() REQUIRES(lock_);

    mutable platform::CriticalSection lock_ { platform::LockSharing::WithWorkerThreads };
    std::int32_t capacity_ GUARDED_BY(lock_) = 0;
    std::int32_t start_ GUARDED_BY(lock_) = 0;
    std::int32_t count_ GUARDED_BY(lock_) = 0;
    std::int32_t startYear_ GUARDED_BY(lock_) = 0;
    std::int32_t endYear_ GUARDED_BY(lock_) = 0;
    std::vector<Observation> storage_ GUARDED_BY(lock_);
    double scale_ GUARDED_BY(lock_) = 0;
    std::uint64_t revision_ GUARDED_BY(lock_) = 0;
    std::uint64_t appendEpoch_ GUARDED_BY(lock_) = 0;
    std::int64_t appended_ GUARDED_BY(lock_) = 0; // records appended since the epoch began, plus those it began with
};
