#pragma once
// The systems of a universe in drawing order: at most kMaxBodies bodies, owned.
// The list has no lock.
//
// Threading: the universe's lock guards its list (GUARDED_BY in PtolemyUniverse); the
// universe changes it with both of its locks held, so the clock thread may walk it under
// the clock lock alone and the window thread under the universe lock alone.
// See docs/threads.md.
#include "platform/Result.h"

#include <array>
#include <cstdint>
#include <memory>

class PtolemyBody;
class PtolemyUniverse;

class BodyList {
public:
    static constexpr std::int32_t kMaxBodies = 32;

    // `owner` becomes the owner of the default bodies Insert makes; may be null.
    explicit BodyList(PtolemyUniverse* owner);
    ~BodyList();
    BodyList(const BodyList&) = delete;
    BodyList& operator=(const BodyList&) = delete;

    // Body i, or null outside 0 ... Count() - 1.
    PtolemyBody* Get(std::int32_t i) const;
    // Inserts at 0 <= i <= Count(), later bodies move up; a null body means a new
    // default body. E_FAIL outside that range and when the list is full (the body
    // given is then destroyed and nothing changes).
    HRESULT Insert(std::int32_t i, std::unique_ptr<PtolemyBody> body);
    HRESULT Add(std::unique_ptr<PtolemyBody> body);
    // Destroys body i (0 <= i < Count()), later bodies move down; otherwise E_FAIL.
    HRESULT Remove(std::int32_t i);
    std::int32_t Count() const { return count_; }
    bool IsFull() const { return count_ >= kMaxBodies; }
    void RemoveAll();
    // Moves the bodies of `other` to the end of this list, in order, leaving `other`
    // empty; when the total would exceed kMaxBodies this list is emptied first.
    void MergeFrom(BodyList& other);
    // Moves the bodies of `other` to the end of this list, in order, while there is room,
    // and destroys the rest, leaving `other` empty; returns how many did not fit. This
    // list's own bodies all stay.
    std::int32_t AddWhileRoom(BodyList& other);

private:
    PtolemyUniverse* owner_;
    std::array<std::unique_ptr<PtolemyBody>, kMaxBodies> bodies_;
    std::int32_t count_ = 0;
};
