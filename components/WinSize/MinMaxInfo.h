#pragma once
// The size-limit record of a window and the eight limits that may override it. Pure data and
// arithmetic, free of Qt, so that the rules can be checked without a display.

#include <cstdint>

namespace winsize {

struct POINT {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const POINT&) const = default;
};

// What the window system proposes, and then accepts, as the limits of a window's size.
struct MINMAXINFO {
    POINT ptReserved;
    POINT ptMaxSize;      // size of the maximised window
    POINT ptMaxPosition;  // top-left corner of the maximised window
    POINT ptMinTrackSize; // smallest size reachable by dragging a border
    POINT ptMaxTrackSize; // largest size reachable by dragging a border
    bool operator==(const MINMAXINFO&) const = default;
};

// Limits in pixels; 0 keeps the system's value, any other value (negative ones too) replaces it.
struct SizeLimits {
    std::int32_t MaxSizeX = 0;
    std::int32_t MaxSizeY = 0;
    std::int32_t MaxPositionX = 0;
    std::int32_t MaxPositionY = 0;
    std::int32_t MinTrackSizeX = 0;
    std::int32_t MinTrackSizeY = 0;
    std::int32_t MaxTrackSizeX = 0;
    std::int32_t MaxTrackSizeY = 0;
};

// The system's proposal for a screen: maximised to the available area at 0,0, tracking from 1 x 1
// up to the whole screen.
MINMAXINFO SystemMinMaxInfo(std::int32_t screenWidth, std::int32_t screenHeight, std::int32_t availableWidth,
                            std::int32_t availableHeight);

// Writes every non-zero limit into its member of info; leaves the reserved point alone.
void OverrideMinMaxInfo(const SizeLimits& limits, MINMAXINFO& info);

// What a Qt window can take from a record: one smallest and one largest size.
struct SizeBounds {
    std::int32_t minWidth = 0;
    std::int32_t minHeight = 0;
    std::int32_t maxWidth = 0;
    std::int32_t maxHeight = 0;
    bool operator==(const SizeBounds&) const = default;
};

// Qt's largest window size (QWIDGETSIZE_MAX).
inline constexpr std::int32_t kLargestWindowSize = (1 << 24) - 1;

// The bounds of a record. An X11 window manager knows no separate maximised size, so the largest size is
// the smaller of the maximised size and the maximum tracking size. Every value is clamped into
// 0..kLargestWindowSize (Qt rejects anything else), and the largest size never falls below the smallest:
// as on the original system, the minimum tracking size wins a conflict.
SizeBounds BoundsFromMinMaxInfo(const MINMAXINFO& info);

} // namespace winsize
