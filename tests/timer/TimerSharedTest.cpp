// The state a timer shares with its worker, driven by hand from two threads: how enabling and switching the
// direction base the count, how a tick is handed over, and that disabling and killing release a worker
// wherever it waits.
#include <optional>
#include <poll.h>
#include <thread>

#include <gtest/gtest.h>

#include "components/SuperTimer/TimerShared.h"
#include "timer/FakeClock.h"
#include "timer/Watchdog.h"

namespace {

class TimerShared : public ::testing::Test {
protected:
    TimerShared() { fakeclock::Now = 1000; }

    // Waits until the worker has rung the tick signal.
    bool TickRequested() {
        pollfd fd{state.TickHandle(), POLLIN, 0};
        return poll(&fd, 1, 10000) == 1;
    }

    // A worker that asks for one tick at reading.
    std::thread HandOverAt(std::uint32_t reading) {
        return std::thread([this, reading] {
            if (const std::optional<std::uint32_t> epoch = state.AwaitEnabled())
                state.HandOverTick(*epoch, reading);
        });
    }

    TTimerShared state{fakeclock::Read};
    Watchdog watchdog{"TimerShared test"};
};

TEST_F(TimerShared, EnablingBasesTheCountOnTheClockNow) {
    state.Elapsed = 250;
    state.Interval = 100;
    state.Enable();
    EXPECT_TRUE(state.Enabled);
    EXPECT_EQ(state.StartElapsed, 250);
    EXPECT_EQ(state.StartTime, 1000u);
    EXPECT_EQ(state.NextDue, 1100u);
}

TEST_F(TimerShared, DueTimeWrapsWithTheClock) {
    fakeclock::Now = 0xFFFFFFC0u;
    state.Interval = 100;
    state.Enable();
    EXPECT_EQ(state.NextDue, 0x24u);
    EXPECT_FALSE(ClockReached(0xFFFFFFF0u, state.NextDue));
    EXPECT_TRUE(ClockReached(0x24u, state.NextDue));
}

TEST_F(TimerShared, SwitchingDirectionRebasesOnlyWhileEnabled) {
    state.SetCountDown(true);
    EXPECT_TRUE(state.CountDown);
    EXPECT_EQ(state.StartTime, 0u);

    state.Enable();
    state.Elapsed = 300; // as a tick would have left it
    fakeclock::Now = 1350;
    state.SetCountDown(false);
    EXPECT_FALSE(state.CountDown);
    EXPECT_EQ(state.StartTime, 1350u);
    EXPECT_EQ(state.StartElapsed, 300);
}

TEST_F(TimerShared, NoTickToBeginUntilOneIsHandedOver) {
    EXPECT_FALSE(state.BeginTick());
}

TEST_F(TimerShared, HandOverCountsAndSetsTheNextDueTime) {
    state.Elapsed = 1000;
    state.Interval = 100;
    state.SetCountDown(true);
    state.Enable();
    std::thread worker = HandOverAt(1130);
    ASSERT_TRUE(TickRequested());
    ASSERT_TRUE(state.BeginTick());
    EXPECT_EQ(state.Elapsed, 870);
    EXPECT_EQ(state.NextDue, 1230u);
    EXPECT_FALSE(state.BeginTick()) << "one tick was begun twice";
    state.EndTick();
    worker.join();
}

TEST_F(TimerShared, DisablingWithdrawsATickNotYetBegun) {
    state.Interval = 10;
    state.Enable();
    std::thread worker = HandOverAt(1010);
    ASSERT_TRUE(TickRequested());
    state.Disable();
    worker.join();
    EXPECT_FALSE(state.BeginTick());
}

TEST_F(TimerShared, DisablingLetsARunningTickFinish) {
    state.Interval = 10;
    state.Enable();
    std::thread worker = HandOverAt(1010);
    ASSERT_TRUE(TickRequested());
    ASSERT_TRUE(state.BeginTick());
    state.Disable();
    state.Enable();
    state.EndTick();
    worker.join();
}

TEST_F(TimerShared, KillReleasesAWorkerWaitingForItsTick) {
    state.Interval = 10;
    state.Enable();
    std::thread worker = HandOverAt(1010);
    ASSERT_TRUE(TickRequested());
    ASSERT_TRUE(state.BeginTick());
    state.Kill();
    worker.join();
    EXPECT_TRUE(state.IsDead());
    EXPECT_FALSE(state.Enabled);
}

TEST_F(TimerShared, KillEndsAParkedOrSleepingWorker) {
    std::thread parked([this] { EXPECT_EQ(state.AwaitEnabled(), std::nullopt); });
    std::thread sleeping([this] { EXPECT_FALSE(state.SleepWithin(0, std::chrono::hours(1))); });
    state.Kill();
    parked.join();
    sleeping.join();
}

TEST_F(TimerShared, EachEnablingAndDisablingStartsAnEpoch) {
    state.Enable();
    const std::optional<std::uint32_t> first = state.AwaitEnabled();
    ASSERT_TRUE(first);
    EXPECT_TRUE(state.IsCurrent(*first));
    EXPECT_TRUE(state.SleepWithin(*first, std::chrono::milliseconds(0)));
    state.Disable();
    EXPECT_FALSE(state.IsCurrent(*first));
    state.Enable();
    EXPECT_FALSE(state.IsCurrent(*first));
    EXPECT_FALSE(state.SleepWithin(*first, std::chrono::hours(1)));
}

} // namespace
