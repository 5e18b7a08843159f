#include "ptolemy/BodyList.h"

#include <algorithm>

#include "ptolemy/PtolemyBody.h"

#include <new>

BodyList::BodyList(PtolemyUniverse* owner)
    : owner_(owner)
{
}

BodyList::~BodyList() = default;

PtolemyBody* BodyList::Get(std::int32_t i) const
{
    if (i < 0 || i >= count_)
        return nullptr;
    return bodies_[static_cast<std::size_t>(i)].get();
}

HRESULT BodyList::Insert(std::int32_t i, std::unique_ptr<PtolemyBody> body)
{
    if (i < 0 || i > count_ || IsFull())
        return E_FAIL;
    if (!body) {
        try {
            body = std::make_unique<PtolemyBody>(owner_);
        } catch (const std::bad_alloc&) {
            return E_FAIL;
        }
    }
    for (std::int32_t k = count_; k > i; --k)
        bodies_[static_cast<std::size_t>(k)] = std::move(bodies_[static_cast<std::size_t>(k - 1)]);
    bodies_[static_cast<std::size_t>(i)] = std::move(body);
    ++count_;
    return S_OK;
}

HRESULT BodyList::Add(std::unique_ptr<PtolemyBody> body) { return Insert(count_, std::move(body)); }

HRESULT BodyList::Remove(std::int32_t i)
{
    if (i < 0 || i >= count_)
        return E_FAIL;
    bodies_[static_cast<std::size_t>(i)].reset();
    for (std::int32_t k = i; k + 1 < count_; ++k)
        bodies_[static_cast<std::size_t>(k)] = std::move(bodies_[static_cast<std::size_t>(k) + 1]);
    --count_;
    return S_OK;
}

void BodyList::RemoveAll()
{
    while (count_ > 0)
        Remove(0);
}

std::int32_t BodyList::AddWhileRoom(BodyList& other)
{
    const std::int32_t room = kMaxBodies - count_;
    const std::int32_t taken = std::min(room, other.count_);
    for (std::int32_t k = 0; k < taken; ++k)
        bodies_[static_cast<std::size_t>(count_++)] = std::move(other.bodies_[static_cast<std::size_t>(k)]);
    const std::int32_t left = other.count_ - taken;
    other.RemoveAll();
    return left;
}

void BodyList::MergeFrom(BodyList& other)
{
    if (count_ + other.count_ > kMaxBodies)
        RemoveAll();
    for (std::int32_t k = 0; k < other.count_; ++k)
        bodies_[static_cast<std::size_t>(count_++)] = std::move(other.bodies_[static_cast<std::size_t>(k)]);
    other.count_ = 0;
}
