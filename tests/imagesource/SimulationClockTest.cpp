#include "imagesource/SimulationClock.h"

#include "support/Deadline.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using testing_support::kWaitLimit;
using testing_support::waitUntil;

// An owner that records every tick; starts at the end of its construction and
// stops first thing in its destruction, as owners must.
class RecordingClock : public SimulationClock {
public:
    explicit RecordingClock(bool startRunning = true)
    {
        if (startRunning) {
            start();
        }
    }
    ~RecordingClock() override { stop(); }

    void OnTick(double time) override { times.push_back(time); } // under the clock lock

    std::vector<double> recordedTimes()
    {
        Lock();
        std::vector<double> copy = times;
        Unlock();
        return copy;
    }

private:
    std::vector<double> times;
};

// A second clock that runs beside the one under test: waiting for it to tick
// several times gives the clock under test as many chances to (wrongly) tick.
void letSeveralPeriodsPass()
{
    SimulationClock reference;
    reference.start();
    ASSERT_TRUE(waitUntil([&] { return reference.tickCount() >= 5; }));
}

} // namespace

TEST(SimulationClockState, StartsWithTheDefinedValues)
{
    SimulationClock clock;
    EXPECT_EQ(clock.period(), 15);
    EXPECT_DOUBLE_EQ(clock.increment(), 0.001);
    EXPECT_EQ(clock.time(), 0.0);
    EXPECT_FALSE(clock.paused());
    EXPECT_EQ(clock.tickCount(), 0);
    EXPECT_FALSE(clock.stopped());
}

TEST(SimulationClockState, TogglePauseInvertsPaused)
{
    SimulationClock clock;
    clock.TogglePause();
    EXPECT_TRUE(clock.paused());
    clock.TogglePause();
    EXPECT_FALSE(clock.paused());
}

TEST(SimulationClockState, FieldsKeepWhatOwnersWrite)
{
    SimulationClock clock;
    clock.Lock();
    clock.setPeriod(20);
    clock.setIncrement(0.003);
    clock.setTime(2.5);
    clock.setPaused(true);
    clock.setTickCount(7);
    clock.Unlock();
    EXPECT_EQ(clock.period(), 20);
    EXPECT_DOUBLE_EQ(clock.increment(), 0.003);
    EXPECT_DOUBLE_EQ(clock.time(), 2.5);
    EXPECT_TRUE(clock.paused());
    EXPECT_EQ(clock.tickCount(), 7);
}

namespace {

using std::chrono::milliseconds;
using TimePoint = std::chrono::steady_clock::time_point;

constexpr milliseconds kPeriod { 15 };
const TimePoint kDeadline = TimePoint {} + std::chrono::hours(100);

} // namespace

TEST(SimulationClockDeadline, TickOnTimeIsFollowedOnePeriodAfterItsDeadline)
{
    EXPECT_EQ(nextTickDeadline(kDeadline, kPeriod, kDeadline), kDeadline + kPeriod);
    EXPECT_EQ(nextTickDeadline(kDeadline, kPeriod, kDeadline + milliseconds(14)), kDeadline + kPeriod);
}

TEST(SimulationClockDeadline, LateTicksDoNotPushTheBeat)
{
    // Every tick ends 4 ms after its deadline: the deadlines stay n periods from the first.
    TimePoint deadline = kDeadline;
    for (int tick = 0; tick < 1000; ++tick)
        deadline = nextTickDeadline(deadline, kPeriod, deadline + milliseconds(4));
    EXPECT_EQ(deadline, kDeadline + 1000 * kPeriod);
}

TEST(SimulationClockDeadline, TickLateByWholePeriodsSkipsTheMissedOnesWithoutABurst)
{
    // Ended exactly one period late: the deadline it reached has passed, the next is due.
    EXPECT_EQ(nextTickDeadline(kDeadline, kPeriod, kDeadline + kPeriod), kDeadline + 2 * kPeriod);
    // Held up for 1 s: one tick at the next deadline of the beat, then on as before.
    const TimePoint now = kDeadline + milliseconds(1000);
    const TimePoint next = nextTickDeadline(kDeadline, kPeriod, now);
    EXPECT_EQ(next, kDeadline + 67 * kPeriod);
    EXPECT_GT(next, now);
    EXPECT_LE(next - now, kPeriod);
    EXPECT_EQ(nextTickDeadline(next, kPeriod, next + milliseconds(1)), next + kPeriod);
}

TEST(SimulationClockDeadline, NewPeriodCountsFromThePreviousDeadline)
{
    EXPECT_EQ(
        nextTickDeadline(kDeadline, milliseconds(40), kDeadline + milliseconds(20)), kDeadline + milliseconds(40));
    EXPECT_EQ(nextTickDeadline(kDeadline, milliseconds(5), kDeadline + milliseconds(12)), kDeadline + milliseconds(15));
}

TEST(SimulationClockDeadline, PeriodOfNothingStillMovesForward)
{
    const TimePoint now = kDeadline + milliseconds(3);
    EXPECT_GT(nextTickDeadline(kDeadline, milliseconds(0), now), now);
    EXPECT_GT(nextTickDeadline(kDeadline, milliseconds(-5), now), now);
}

TEST(SimulationClockRunning, EachTickAdvancesTimeByTheIncrementAndCallsOnTick)
{
    RecordingClock clock;
    ASSERT_TRUE(waitUntil([&] { return clock.tickCount() >= 3; }));
    clock.stop();

    const std::vector<double> times = clock.recordedTimes();
    ASSERT_EQ(static_cast<std::int32_t>(times.size()), clock.tickCount());
    double expected = 0.0;
    for (double time : times) {
        expected += 0.001;
        EXPECT_DOUBLE_EQ(time, expected);
    }
    EXPECT_DOUBLE_EQ(clock.time(), expected);
}

TEST(SimulationClockRunning, UsesTheIncrementTheOwnerSets)
{
    RecordingClock clock(false);
    clock.setIncrement(0.003);
    clock.start();
    ASSERT_TRUE(waitUntil([&] { return clock.tickCount() >= 2; }));
    clock.stop();
    const std::vector<double> times = clock.recordedTimes();
    ASSERT_GE(times.size(), 2u);
    EXPECT_DOUBLE_EQ(times[0], 0.003);
    EXPECT_DOUBLE_EQ(times[1], 0.006);
}

TEST(SimulationClockRunning, ClockThatIsNotStartedDoesNotTick)
{
    RecordingClock clock(false);
    letSeveralPeriodsPass();
    EXPECT_EQ(clock.tickCount(), 0);
    EXPECT_TRUE(clock.recordedTimes().empty());
}

TEST(SimulationClockPause, PausedClockNeitherAdvancesNorCountsNorCallsOnTick)
{
    RecordingClock clock(false);
    clock.setPaused(true);
    clock.start();
    letSeveralPeriodsPass();
    EXPECT_EQ(clock.tickCount(), 0);
    EXPECT_EQ(clock.time(), 0.0);
    EXPECT_TRUE(clock.recordedTimes().empty());
}

TEST(SimulationClockPause, PauseAndResumeWhileRunning)
{
    RecordingClock clock;
    ASSERT_TRUE(waitUntil([&] { return clock.tickCount() >= 2; }));

    clock.Lock();
    clock.TogglePause();
    const std::int32_t ticksAtPause = clock.tickCount();
    const double timeAtPause = clock.time();
    clock.Unlock();
    letSeveralPeriodsPass();
    EXPECT_EQ(clock.tickCount(), ticksAtPause);
    EXPECT_EQ(clock.time(), timeAtPause);
    EXPECT_EQ(static_cast<std::int32_t>(clock.recordedTimes().size()), ticksAtPause);

    clock.TogglePause();
    ASSERT_TRUE(waitUntil([&] { return clock.tickCount() > ticksAtPause + 1; }));
    clock.stop();
    EXPECT_GT(clock.time(), timeAtPause);
}

TEST(SimulationClockGeneration, ResetStartsTheCountAgainFromZero)
{
    RecordingClock clock;
    ASSERT_TRUE(waitUntil([&] { return clock.tickCount() >= 5; }));

    clock.Lock();
    clock.setTime(0.0);
    clock.setTickCount(0);
    clock.setIncrement(0.003);
    EXPECT_EQ(clock.tickCount(), 0);
    clock.Unlock();

    ASSERT_TRUE(waitUntil([&] { return clock.tickCount() >= 2; }));
    clock.Lock();
    const double expected = clock.tickCount() * 0.003;
    EXPECT_NEAR(clock.time(), expected, 1e-12);
    clock.Unlock();
}

TEST(SimulationClockStop, NoTickFollowsTheStop)
{
    RecordingClock clock;
    ASSERT_TRUE(waitUntil([&] { return clock.tickCount() >= 1; }));
    clock.stop();
    EXPECT_TRUE(clock.stopped());
    const std::int32_t ticks = clock.tickCount();
    const std::size_t calls = clock.recordedTimes().size();

    letSeveralPeriodsPass();
    EXPECT_EQ(clock.tickCount(), ticks);
    EXPECT_EQ(clock.recordedTimes().size(), calls);
}

TEST(SimulationClockStop, StopIsIdempotentAndAStoppedClockCannotRestart)
{
    RecordingClock clock;
    clock.stop();
    clock.stop();
    EXPECT_TRUE(clock.stopped());
    clock.start();
    letSeveralPeriodsPass();
    EXPECT_EQ(clock.tickCount(), 0);
    EXPECT_TRUE(clock.stopped());
}

TEST(SimulationClockStop, NeverStartedClockStopsAtOnce)
{
    SimulationClock clock;
    clock.stop();
    EXPECT_TRUE(clock.stopped());
}

namespace {

// Holds its first OnTick until released, and notes whether the stop had already
// returned when that tick finished.
class BlockingClock : public SimulationClock {
public:
    BlockingClock() { start(); }
    ~BlockingClock() override { stop(); }

    void OnTick(double) override
    {
        ++ticks;
        std::unique_lock lock(mutex);
        if (ticks == 1) {
            entered = true;
            changed.notify_all();
            changed.wait_for(lock, kWaitLimit, [this] { return released; });
            stopReturnedDuringTick = stopReturned;
            if (firstTickEnded != nullptr) {
                firstTickEnded->store(true);
            }
        }
    }

    void waitForFirstTick()
    {
        std::unique_lock lock(mutex);
        ASSERT_TRUE(changed.wait_for(lock, kWaitLimit, [this] { return entered; }));
    }
    void release()
    {
        std::lock_guard lock(mutex);
        released = true;
        changed.notify_all();
    }
    void noteStopReturned()
    {
        std::lock_guard lock(mutex);
        stopReturned = true;
    }
    bool stopReturnedBeforeTickEnded()
    {
        std::lock_guard lock(mutex);
        return stopReturnedDuringTick;
    }
    int ticks = 0; // touched only by OnTick (under the clock lock) and after the stop
    std::atomic<bool>* firstTickEnded = nullptr; // set when the first OnTick returns

private:
    std::mutex mutex;
    std::condition_variable changed;
    bool entered = false;
    bool released = false;
    bool stopReturned = false;
    bool stopReturnedDuringTick = false;
};

} // namespace

TEST(SimulationClockStop, StopWaitsForTheTickInProgress)
{
    BlockingClock clock;
    clock.waitForFirstTick();
    std::thread stopper([&] {
        clock.stop();
        clock.noteStopReturned();
    });
    clock.release();
    stopper.join();

    EXPECT_FALSE(clock.stopReturnedBeforeTickEnded());
    EXPECT_TRUE(clock.stopped());
    EXPECT_EQ(clock.ticks, clock.tickCount());
}

TEST(SimulationClockStop, DestructionWaitsForTheTickInProgress)
{
    std::atomic<bool> firstTickEnded { false };
    bool tickEndedBeforeDestructionReturned = false;
    auto clock = std::make_unique<BlockingClock>();
    clock->firstTickEnded = &firstTickEnded;
    clock->waitForFirstTick();
    BlockingClock* observed = clock.get();
    std::thread destroyer([&] {
        clock.reset();
        tickEndedBeforeDestructionReturned = firstTickEnded.load();
    });
    observed->release();
    destroyer.join();
    EXPECT_TRUE(tickEndedBeforeDestructionReturned);
}

TEST(SimulationClockStop, StopFromOnTickEndsTheWorker)
{
    class SelfStoppingClock : public SimulationClock {
    public:
        SelfStoppingClock() { start(); }
        ~SelfStoppingClock() override { stop(); }
        void OnTick(double) override { stop(); }
    };
    SelfStoppingClock clock;
    ASSERT_TRUE(waitUntil([&] { return clock.stopped(); }));
    EXPECT_EQ(clock.tickCount(), 1);
}

TEST(SimulationClockStop, ManyClocksCreatedAndDestroyedUnderLoad)
{
    std::vector<std::unique_ptr<RecordingClock>> clocks;
    for (int i = 0; i < 100; ++i) {
        clocks.push_back(std::make_unique<RecordingClock>(false));
        clocks.back()->setPeriod(1 + i % 3);
        clocks.back()->start();
    }
    for (const auto& clock : clocks) {
        ASSERT_TRUE(waitUntil([&] { return clock->tickCount() >= 1; }));
    }
    for (auto& clock : clocks) {
        RecordingClock& running = *clock;
        EXPECT_FALSE(running.stopped());
        clock.reset();
    }
}

TEST(SimulationClockStop, RunsUpToTheStopTimeWithoutPassingItAndOnOnceTheTimeIsSetBack)
{
    RecordingClock clock(false);
    clock.setIncrement(0.004);
    clock.setStopTime(0.01);
    clock.start();
    ASSERT_TRUE(waitUntil([&] { return clock.time() >= 0.01; }));
    letSeveralPeriodsPass();

    // 0.004, 0.008, then the step that would pass 0.01 ends on it; no tick after that.
    EXPECT_EQ(clock.recordedTimes(), (std::vector<double> { 0.004, 0.008, 0.01 }));
    EXPECT_FALSE(clock.paused()) << "waiting at the end is no pause";

    clock.setTime(0.0);
    ASSERT_TRUE(waitUntil([&] { return clock.recordedTimes().size() >= 4; }));
    EXPECT_DOUBLE_EQ(clock.recordedTimes()[3], 0.004);
    clock.setStopTime(std::nullopt);
    ASSERT_TRUE(waitUntil([&] { return clock.time() > 0.02; })) << "without a stop time it runs on";
}
