#include "components/WinSize/MinMaxInfo.h"

#include <algorithm>
#include <array>

namespace winsize {
namespace {

// Which member of the record each limit overrides, in the order the limits are declared.
struct LimitSlot {
    std::int32_t SizeLimits::*limit;
    POINT MINMAXINFO::*point;
    std::int32_t POINT::*coordinate;
};

constexpr std::array<LimitSlot, 8> kLimitSlots{{
    {&SizeLimits::MaxSizeX, &MINMAXINFO::ptMaxSize, &POINT::x},
    {&SizeLimits::MaxSizeY, &MINMAXINFO::ptMaxSize, &POINT::y},
    {&SizeLimits::MaxPositionX, &MINMAXINFO::ptMaxPosition, &POINT::x},
    {&SizeLimits::MaxPositionY, &MINMAXINFO::ptMaxPosition, &POINT::y},
    {&SizeLimits::MinTrackSizeX, &MINMAXINFO::ptMinTrackSize, &POINT::x},
    {&SizeLimits::MinTrackSizeY, &MINMAXINFO::ptMinTrackSize, &POINT::y},
    {&SizeLimits::MaxTrackSizeX, &MINMAXINFO::ptMaxTrackSize, &POINT::x},
    {&SizeLimits::MaxTrackSizeY, &MINMAXINFO::ptMaxTrackSize, &POINT::y},
}};

std::int32_t clampSize(std::int32_t value) {
    return std::clamp(value, 0, kLargestWindowSize);
}

} // namespace

MINMAXINFO SystemMinMaxInfo(std::int32_t screenWidth, std::int32_t screenHeight, std::int32_t availableWidth,
                            std::int32_t availableHeight) {
    MINMAXINFO info;
    info.ptMaxSize = {availableWidth, availableHeight};
    info.ptMaxPosition = {0, 0};
    info.ptMinTrackSize = {1, 1};
    info.ptMaxTrackSize = {screenWidth, screenHeight};
    return info;
}

void OverrideMinMaxInfo(const SizeLimits& limits, MINMAXINFO& info) {
    for (const LimitSlot& slot : kLimitSlots) {
        const std::int32_t value = limits.*slot.limit;
        if (value != 0) {
            (info.*slot.point).*slot.coordinate = value;
        }
    }
}

SizeBounds BoundsFromMinMaxInfo(const MINMAXINFO& info) {
    SizeBounds bounds;
    bounds.minWidth = clampSize(info.ptMinTrackSize.x);
    bounds.minHeight = clampSize(info.ptMinTrackSize.y);
    bounds.maxWidth = std::max(clampSize(std::min(info.ptMaxSize.x, info.ptMaxTrackSize.x)), bounds.minWidth);
    bounds.maxHeight =
        std::max(clampSize(std::min(info.ptMaxSize.y, info.ptMaxTrackSize.y)), bounds.minHeight);
    return bounds;
}

} // namespace winsize
