#pragma once
// The counting rules of the thread timer as pure functions, so that they can be checked without threads or a
// real clock.

#include <cstdint>

#include "components/SuperTimer/TimerClock.h"

// After every tick the worker rests for the interval less this many milliseconds, however long the tick ran,
// before it waits for the next due time; so a slow handler puts the next tick about
// max(Interval, d + Interval - 50) after it.
inline constexpr std::uint16_t RestMarginMs = 50;

// How long the worker rests after a tick of this interval.
constexpr std::uint16_t RestAfterTick(std::uint16_t interval) {
    return interval > RestMarginMs ? static_cast<std::uint16_t>(interval - RestMarginMs) : 0;
}

// Elapsed at reading, counted up or down from the base (startElapsed at startTime). The sum is taken modulo
// 2^32, so a count that runs past the range of a signed 32-bit number wraps instead of overflowing.
constexpr std::int32_t CountedElapsed(bool countDown, std::int32_t startElapsed, std::uint32_t startTime,
                                      std::uint32_t reading) {
    const std::uint32_t passed = ClockSince(startTime, reading);
    const auto base = static_cast<std::uint32_t>(startElapsed);
    return static_cast<std::int32_t>(countDown ? base - passed : base + passed);
}

// Whole intervals in elapsed, truncated toward zero. An interval of 0 (a stopped timer) counts no ticks
// rather than dividing by zero, which a handler that stops its timer by zeroing the interval would cause.
constexpr std::int32_t TicksOf(std::int32_t elapsed, std::uint16_t interval) {
    return interval == 0 ? 0 : elapsed / static_cast<std::int32_t>(interval);
}

// Whether a tick that leaves these values behind stops the timer.
constexpr bool ShouldStop(bool countDown, std::int32_t elapsed, std::int32_t ticks, std::int32_t stopTicks) {
    if (countDown)
        return ticks <= stopTicks || elapsed <= 0;
    return stopTicks > 0 && ticks >= stopTicks;
}
