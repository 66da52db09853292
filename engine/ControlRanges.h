#pragma once
// The four performance controls: each one's range and neutral value. The neutral value is also the setting's
// default; a stored value outside the range is replaced by it.

#include <array>
#include <cstddef>
#include <cstdint>

enum class Control { Key, Volume, Modulation, PosShift };
inline constexpr std::size_t kControlCount = 4;

struct ControlRange {
    std::int32_t min, max, neutral;
};

inline constexpr ControlRange kKeyRange = {-46, 39, 0};
inline constexpr ControlRange kVolumeRange = {0, 32, 25};
inline constexpr ControlRange kModulationRange = {0, 32, 0};
inline constexpr ControlRange kPosShiftRange = {0, 6, 0};

constexpr const ControlRange& RangeOf(Control control) {
    constexpr std::array<const ControlRange*, kControlCount> ranges = {&kKeyRange, &kVolumeRange,
                                                                       &kModulationRange, &kPosShiftRange};
    return *ranges[static_cast<std::size_t>(control)];
}

// A bar counts from the bottom of its control's range.
constexpr std::int32_t BarPosition(const ControlRange& range, std::int32_t value) {
    return value - range.min;
}
constexpr std::int32_t BarMaximum(const ControlRange& range) {
    return BarPosition(range, range.max);
}
