// The timer's pure rules: clock comparisons across the wrap, counting and the stop test.
#include <climits>

#include <gtest/gtest.h>

#include "components/SuperTimer/TimerMath.h"

namespace {

TEST(TimerMath, DueTimeReachedAcrossTheWrap) {
    constexpr struct {
        std::uint32_t reading, due;
        bool reached;
    } cases[] = {
        {100, 100, true},           {99, 100, false},         {0xFFFFFFF0u, 0x10u, false},
        {0x10u, 0xFFFFFFF0u, true}, {0xFFFFFFFFu, 0u, false}, {0u, 0xFFFFFFFFu, true},
        {0x7FFFFFFFu, 0u, true},    {0x80000000u, 0u, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClockReached(c.reading, c.due), c.reached) << std::hex << c.reading << " vs " << c.due;
}

TEST(TimerMath, ElapsedCountsUpOrDownFromItsBase) {
    constexpr struct {
        bool countDown;
        std::int32_t startElapsed;
        std::uint32_t startTime, reading;
        std::int32_t elapsed;
    } cases[] = {
        {false, 0, 0xFFFFFF00u, 0x100u, 0x200}, // the clock wrapped while counting
        {true, 0, 0xFFFFFF00u, 0x100u, -0x200},
        {true, 100, 0, 300, -200},       // a count-down runs on below zero
        {false, INT_MAX, 0, 1, INT_MIN}, // wraps instead of overflowing
    };
    for (const auto& c : cases)
        EXPECT_EQ(CountedElapsed(c.countDown, c.startElapsed, c.startTime, c.reading), c.elapsed)
            << c.countDown << " " << c.startElapsed << " " << c.startTime << " " << c.reading;
}

TEST(TimerMath, StopRules) {
    constexpr struct {
        bool countDown;
        std::int32_t elapsed, ticks, stopTicks;
        bool stop;
    } cases[] = {
        // Counting up stops only for a positive StopTicks that Ticks has reached.
        {false, 100000, 1000, 0, false},
        {false, 200, 2, 3, false},
        {false, 300, 3, 3, true},
        {false, 450, 4, 3, true},
        // Counting down stops once Ticks falls to StopTicks or the count to zero.
        {true, 1, 0, -1, false},
        {true, 0, 0, -1, true},
        {true, 100, 1, 0, false},
        {true, 99, 0, 0, true},
        {true, 400, 4, 3, false},
        {true, 399, 3, 3, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShouldStop(c.countDown, c.elapsed, c.ticks, c.stopTicks), c.stop)
            << "down " << c.countDown << " elapsed " << c.elapsed << " ticks " << c.ticks << " stop at "
            << c.stopTicks;
}

} // namespace
