#include "windows/RefreshTicker.h"

#include "windows/EventWait.h"

#include <gtest/gtest.h>

#include <QObject>

#include <algorithm>
#include <vector>

using testing_support::processEventsUntil;

// One window's refresh may make others come and go (a paint that loads a layout, say):
// one taken off in the tick is not called, one added waits for the next tick, and
// the ticks go on for the rest.
TEST(RefreshTicker, SubscribersMayComeAndGoDuringATick)
{
    QObject first;
    QObject leaving;
    QObject joining;
    QObject last;
    std::vector<const QObject*> calls;
    int ticksOfFirst = 0;
    RefreshTicker::subscribe(&first, 3, [&] {
        calls.push_back(&first);
        if (++ticksOfFirst == 1) {
            RefreshTicker::unsubscribe(&leaving);
            RefreshTicker::subscribe(&joining, 3, [&] { calls.push_back(&joining); });
        }
    });
    RefreshTicker::subscribe(&leaving, 3, [&] { calls.push_back(&leaving); });
    RefreshTicker::subscribe(&last, 3, [&] { calls.push_back(&last); });

    ASSERT_TRUE(processEventsUntil([&] { return ticksOfFirst >= 2; }));
    const auto secondTick = std::find(calls.begin() + 1, calls.end(), &first);
    EXPECT_EQ(std::vector<const QObject*>(calls.begin(), secondTick), (std::vector<const QObject*> { &first, &last }));
    EXPECT_EQ(std::count(calls.begin(), calls.end(), &leaving), 0);
    EXPECT_GE(std::count(calls.begin(), calls.end(), &joining), 1);
    EXPECT_FALSE(RefreshTicker::isSubscribed(&leaving));

    for (const QObject* receiver : { &first, &joining, &last })
        RefreshTicker::unsubscribe(receiver);
    EXPECT_FALSE(RefreshTicker::isSubscribed(&first));
}
