// The timer's pure rules: clock comparisons across the wrap, counting, ticks, the stop test, priorities.
#include <climits>

#include <gtest/gtest.h>

#include "components/SuperTimer/TimerMath.h"
#include "components/SuperTimer/TimerPriority.h"

namespace {

struct ReachedCase {
    std::uint32_t reading, due;
    bool reached;
};

constexpr ReachedCase reachedCases[] = {
    {100, 100, true},
    {99, 100, false},
    {101, 100, true},
    {0xFFFFFFF0u, 0x10u, false}, // due just after the wrap, reading just before it
    {0x10u, 0xFFFFFFF0u, true},  // reading just after the wrap, due just before it
    {0xFFFFFFFFu, 0u, false},
    {0u, 0xFFFFFFFFu, true},
    {0x7FFFFFFFu, 0u, true},  // the longest span still counted as reached
    {0x80000000u, 0u, false}, // beyond it a reading counts as before the due time
};

TEST(TimerClock, ReachedComparesAcrossTheWrap) {
    for (const auto& c : reachedCases)
        EXPECT_EQ(ClockReached(c.reading, c.due), c.reached) << std::hex << c.reading << " vs " << c.due;
}

TEST(TimerClock, SinceWrapsAround) {
    EXPECT_EQ(ClockSince(1000, 1400), 400u);
    EXPECT_EQ(ClockSince(0xFFFFFFF0u, 0x10u), 0x20u);
    EXPECT_EQ(ClockSince(5, 5), 0u);
}

TEST(TimerClock, TimeGetTimeDoesNotGoBack) {
    const std::uint32_t first = TimeGetTime();
    EXPECT_TRUE(ClockReached(TimeGetTime(), first));
}

TEST(TimerMath, SleepBeforePollingLeavesTheLastFiftyMilliseconds) {
    const std::pair<std::uint16_t, std::uint16_t> cases[] = {
        {0, 0}, {1, 0}, {32, 0}, {50, 0}, {51, 1}, {400, 350}, {1000, 950}, {65535, 65485}};
    for (const auto& [interval, sleep] : cases)
        EXPECT_EQ(SleepBeforePolling(interval), sleep) << interval;
}

struct ElapsedCase {
    bool countDown;
    std::int32_t startElapsed;
    std::uint32_t startTime, reading;
    std::int32_t elapsed;
};

constexpr ElapsedCase elapsedCases[] = {
    {false, 0, 1000, 1400, 400},
    {true, 1000, 1000, 1400, 600},
    {false, 250, 1000, 1000, 250},
    {false, 0, 0xFFFFFF00u, 0x100u, 0x200}, // the clock wrapped while counting
    {true, 0, 0xFFFFFF00u, 0x100u, -0x200},
    {true, 100, 0, 300, -200}, // a count-down runs on below zero
    {false, -300, 0, 100, -200},
    {false, INT_MAX, 0, 1, INT_MIN}, // wraps instead of overflowing
    {true, INT_MIN, 0, 1, INT_MAX},
};

TEST(TimerMath, CountedElapsedCountsFromItsBase) {
    for (const auto& c : elapsedCases)
        EXPECT_EQ(CountedElapsed(c.countDown, c.startElapsed, c.startTime, c.reading), c.elapsed)
            << c.countDown << " " << c.startElapsed << " " << c.startTime << " " << c.reading;
}

TEST(TimerMath, RebasingContinuesFromThePresentCount) {
    // Up for 300 ms, then down from there: the count turns round instead of jumping.
    const std::int32_t atSwitch = CountedElapsed(false, 0, 1000, 1300);
    EXPECT_EQ(atSwitch, 300);
    EXPECT_EQ(CountedElapsed(true, atSwitch, 1300, 1400), 200);
    EXPECT_EQ(CountedElapsed(true, atSwitch, 1300, 1700), -100);
}

struct TicksCase {
    std::int32_t elapsed;
    std::uint16_t interval;
    std::int32_t ticks;
};

constexpr TicksCase ticksCases[] = {
    {250, 100, 2},
    {-250, 100, -2},
    {99, 100, 0},
    {-99, 100, 0},
    {100, 100, 1},
    {-100, 100, -1},
    {0, 100, 0},
    {5, 0, 0},
    {-5, 0, 0},
    {INT_MIN, 1, INT_MIN},
    {INT_MAX, 1, INT_MAX},
    {INT_MAX, 65535, 32768},
    {INT_MIN, 65535, -32768},
};

TEST(TimerMath, TicksTruncateTowardZero) {
    for (const auto& c : ticksCases)
        EXPECT_EQ(TicksOf(c.elapsed, c.interval), c.ticks) << c.elapsed << " / " << c.interval;
}

struct StopCase {
    bool countDown;
    std::int32_t elapsed, ticks, stopTicks;
    bool stop;
};

constexpr StopCase stopCases[] = {
    // Counting up stops only for a positive StopTicks that Ticks has reached.
    {false, 100000, 1000, -1, false},
    {false, 100000, 1000, 0, false},
    {false, 200, 2, 3, false},
    {false, 300, 3, 3, true},
    {false, 450, 4, 3, true},
    {false, -500, -5, 3, false},
    // Counting down stops once Ticks falls to StopTicks or the count to zero.
    {true, 900, 9, -1, false},
    {true, 1, 0, -1, false},
    {true, 0, 0, -1, true},
    {true, -5, 0, -1, true},
    {true, 100, 1, 0, false},
    {true, 99, 0, 0, true},
    {true, 400, 4, 3, false},
    {true, 399, 3, 3, true},
};

TEST(TimerMath, StopRules) {
    for (const auto& c : stopCases)
        EXPECT_EQ(ShouldStop(c.countDown, c.elapsed, c.ticks, c.stopTicks), c.stop)
            << "down " << c.countDown << " elapsed " << c.elapsed << " ticks " << c.ticks << " stop at "
            << c.stopTicks;
}

TEST(TimerPriority, NicenessFallsAsPriorityRises) {
    const std::pair<TThreadPriority, int> cases[] = {{tpIdle, 19},         {tpLowest, 10}, {tpLower, 5},
                                                     {tpNormal, 0},        {tpHigher, -5}, {tpHighest, -10},
                                                     {tpTimeCritical, -15}};
    for (const auto& [priority, niceness] : cases)
        EXPECT_EQ(NicenessOf(priority), niceness) << priority;
}

} // namespace
