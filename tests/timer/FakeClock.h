#pragma once
// A millisecond clock that moves only when a test sets it, so that tick readings come out exact.

#include <atomic>
#include <cstdint>

namespace fakeclock {
inline std::atomic<std::uint32_t> Now{0};
inline std::uint32_t Read() {
    return Now;
}
} // namespace fakeclock
