#pragma once
// The timer's millisecond clock: milliseconds of the monotonic clock as an unsigned 32-bit number that wraps
// around about every 49.7 days. Every comparison of two readings goes through the helpers below, which take
// the difference modulo 2^32, so a due time just past the wrap still compares as later than a reading just
// before it (readings less than about 24.8 days apart compare correctly).

#include <cstdint>

// The clock now, in wrapping milliseconds.
std::uint32_t TimeGetTime();

// Milliseconds from start to reading, modulo 2^32.
constexpr std::uint32_t ClockSince(std::uint32_t start, std::uint32_t reading) {
    return reading - start;
}

// Whether reading is at or after due.
constexpr bool ClockReached(std::uint32_t reading, std::uint32_t due) {
    return static_cast<std::int32_t>(reading - due) >= 0;
}

// A source of clock readings; the timer takes TimeGetTime unless a test gives it another.
using TTimerClock = std::uint32_t (*)();
