#include <gtest/gtest.h>

#include "components/WinSize/MinMaxInfo.h"

using namespace winsize;

namespace {

MINMAXINFO distinctRecord() {
    MINMAXINFO info;
    info.ptReserved = {11, 12};
    info.ptMaxSize = {21, 22};
    info.ptMaxPosition = {31, 32};
    info.ptMinTrackSize = {41, 42};
    info.ptMaxTrackSize = {51, 52};
    return info;
}

struct OneLimit {
    const char* name;
    std::int32_t SizeLimits::*limit;
    POINT MINMAXINFO::*point;
    std::int32_t POINT::*coordinate;
};

const OneLimit kEachLimit[] = {
    {"MaxSizeX", &SizeLimits::MaxSizeX, &MINMAXINFO::ptMaxSize, &POINT::x},
    {"MaxSizeY", &SizeLimits::MaxSizeY, &MINMAXINFO::ptMaxSize, &POINT::y},
    {"MaxPositionX", &SizeLimits::MaxPositionX, &MINMAXINFO::ptMaxPosition, &POINT::x},
    {"MaxPositionY", &SizeLimits::MaxPositionY, &MINMAXINFO::ptMaxPosition, &POINT::y},
    {"MinTrackSizeX", &SizeLimits::MinTrackSizeX, &MINMAXINFO::ptMinTrackSize, &POINT::x},
    {"MinTrackSizeY", &SizeLimits::MinTrackSizeY, &MINMAXINFO::ptMinTrackSize, &POINT::y},
    {"MaxTrackSizeX", &SizeLimits::MaxTrackSizeX, &MINMAXINFO::ptMaxTrackSize, &POINT::x},
    {"MaxTrackSizeY", &SizeLimits::MaxTrackSizeY, &MINMAXINFO::ptMaxTrackSize, &POINT::y},
};

} // namespace

TEST(MinMaxInfo, AllZeroLimitsLeaveTheSystemRecord) {
    MINMAXINFO info = distinctRecord();
    OverrideMinMaxInfo(SizeLimits{}, info);
    EXPECT_EQ(info, distinctRecord());
}

TEST(MinMaxInfo, EachLimitAloneWritesOnlyItsMember) {
    for (const std::int32_t value : {700, -3, 1}) {
        for (const OneLimit& one : kEachLimit) {
            SCOPED_TRACE(std::string(one.name) + " = " + std::to_string(value));
            SizeLimits limits;
            limits.*one.limit = value;
            MINMAXINFO info = distinctRecord();
            OverrideMinMaxInfo(limits, info);

            MINMAXINFO expected = distinctRecord();
            (expected.*one.point).*one.coordinate = value;
            EXPECT_EQ(info, expected);
        }
    }
}

TEST(MinMaxInfo, XWithoutYKeepsTheSystemsY) {
    SizeLimits limits;
    limits.MinTrackSizeX = 300;
    limits.MaxTrackSizeX = 400;
    MINMAXINFO info = distinctRecord();
    OverrideMinMaxInfo(limits, info);
    EXPECT_EQ(info.ptMinTrackSize, (POINT{300, 42}));
    EXPECT_EQ(info.ptMaxTrackSize, (POINT{400, 52}));
}

TEST(MinMaxInfo, AllLimitsSetLeaveOnlyTheReservedPoint) {
    const SizeLimits limits{1, 2, -3, -4, 5, 6, 7, 8};
    MINMAXINFO info = distinctRecord();
    OverrideMinMaxInfo(limits, info);
    EXPECT_EQ(info.ptReserved, (POINT{11, 12}));
    EXPECT_EQ(info.ptMaxSize, (POINT{1, 2}));
    EXPECT_EQ(info.ptMaxPosition, (POINT{-3, -4}));
    EXPECT_EQ(info.ptMinTrackSize, (POINT{5, 6}));
    EXPECT_EQ(info.ptMaxTrackSize, (POINT{7, 8}));
}

TEST(MinMaxInfo, SystemRecordComesFromTheScreen) {
    const MINMAXINFO info = SystemMinMaxInfo(1920, 1080, 1900, 1040);
    EXPECT_EQ(info.ptReserved, (POINT{0, 0}));
    EXPECT_EQ(info.ptMaxSize, (POINT{1900, 1040}));
    EXPECT_EQ(info.ptMaxPosition, (POINT{0, 0}));
    EXPECT_EQ(info.ptMinTrackSize, (POINT{1, 1}));
    EXPECT_EQ(info.ptMaxTrackSize, (POINT{1920, 1080}));
}

TEST(MinMaxInfo, BoundsFromRecord) {
    struct Case {
        const char* name;
        POINT maxSize, minTrack, maxTrack;
        SizeBounds expected;
    };
    const Case cases[] = {
        {"system record", {1900, 1040}, {1, 1}, {1920, 1080}, {1, 1, 1900, 1040}},
        {"pinned size", {777, 333}, {777, 333}, {777, 333}, {777, 333, 777, 333}},
        {"tracking below maximised size", {1900, 1040}, {100, 50}, {640, 480}, {100, 50, 640, 480}},
        {"negative minimum is clamped", {1900, 1040}, {-5, -1}, {640, 480}, {0, 0, 640, 480}},
        {"negative maximum falls to the minimum", {1900, 1040}, {10, 20}, {-640, -1}, {10, 20, 10, 20}},
        {"minimum wins over a smaller maximum", {1900, 1040}, {800, 600}, {640, 480}, {800, 600, 800, 600}},
        {"huge values stop at Qt's largest size",
         {2'000'000'000, 2'000'000'000},
         {2'000'000'000, 5},
         {2'000'000'000, 2'000'000'000},
         {kLargestWindowSize, 5, kLargestWindowSize, kLargestWindowSize}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MINMAXINFO info;
        info.ptMaxSize = c.maxSize;
        info.ptMinTrackSize = c.minTrack;
        info.ptMaxTrackSize = c.maxTrack;
        EXPECT_EQ(BoundsFromMinMaxInfo(info), c.expected);
    }
}
