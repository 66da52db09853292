#include <gtest/gtest.h>

#include "components/WinSize/MinMaxInfo.h"

using namespace winsize;

namespace {

// A limit and the member of the record it overrides; no limit at all stands for every limit left at zero.
constexpr struct {
    const char* name;
    std::int32_t SizeLimits::*limit;
    POINT MINMAXINFO::*point;
    std::int32_t POINT::*coordinate;
} kLimits[] = {
    {"none", nullptr, nullptr, nullptr},
    {"MaxSizeX", &SizeLimits::MaxSizeX, &MINMAXINFO::ptMaxSize, &POINT::x},
    {"MaxSizeY", &SizeLimits::MaxSizeY, &MINMAXINFO::ptMaxSize, &POINT::y},
    {"MaxPositionX", &SizeLimits::MaxPositionX, &MINMAXINFO::ptMaxPosition, &POINT::x},
    {"MaxPositionY", &SizeLimits::MaxPositionY, &MINMAXINFO::ptMaxPosition, &POINT::y},
    {"MinTrackSizeX", &SizeLimits::MinTrackSizeX, &MINMAXINFO::ptMinTrackSize, &POINT::x},
    {"MinTrackSizeY", &SizeLimits::MinTrackSizeY, &MINMAXINFO::ptMinTrackSize, &POINT::y},
    {"MaxTrackSizeX", &SizeLimits::MaxTrackSizeX, &MINMAXINFO::ptMaxTrackSize, &POINT::x},
    {"MaxTrackSizeY", &SizeLimits::MaxTrackSizeY, &MINMAXINFO::ptMaxTrackSize, &POINT::y},
};

// A limit set alone, X without Y too, overrides only its own member; zero leaves the system's value.
TEST(MinMaxInfo, EachLimitOverridesOnlyItsMember) {
    const MINMAXINFO system{{11, 12}, {21, 22}, {31, 32}, {41, 42}, {51, 52}};
    for (const std::int32_t value : {700, -3})
        for (const auto& one : kLimits) {
            SCOPED_TRACE(std::string(one.name) + " = " + std::to_string(value));
            SizeLimits limits;
            MINMAXINFO expected = system;
            if (one.limit) {
                limits.*one.limit = value;
                (expected.*one.point).*one.coordinate = value;
            }
            MINMAXINFO info = system;
            OverrideMinMaxInfo(limits, info);
            EXPECT_EQ(info, expected);
        }
}

} // namespace
