#include "documents/SharedTrail.h"

#include <gtest/gtest.h>

TEST(SharedTrail, EmptyUntilPublishedAndEmptiedByNull)
{
    setSharedTrail(nullptr);
    EXPECT_EQ(sharedTrailCopy(), nullptr);

    ObservationTrail trail(3);
    trail.Append(1, 2, 3, 4, 5);
    setSharedTrail(&trail);
    const auto copy = sharedTrailCopy();
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->count(), 1);
    EXPECT_EQ(copy->logical(0).y, 2);

    setSharedTrail(nullptr);
    EXPECT_EQ(sharedTrailCopy(), nullptr);
}

TEST(SharedTrail, PublishingKeepsACopyOfTheTrailAsItWas)
{
    ObservationTrail trail(3);
    trail.Append(1, 1, 0, 0, 0);
    setSharedTrail(&trail);
    trail.Append(2, 2, 0, 0, 1);
    const auto first = sharedTrailCopy();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->count(), 1);

    first->Clear();
    const auto second = sharedTrailCopy();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->count(), 1) << "each reader gets its own copy";
    setSharedTrail(nullptr);
}
