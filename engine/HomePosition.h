#pragma once
// The home-position marks: for each PosShift the key panels (numbers 1..58) of the two black-key rows
// that sound nothing at that shift, so the player sees where the gaps between E-F and B-C lie.

#include <array>
#include <cstdint>
#include <span>

inline constexpr int kMaxPosShift = 6;

struct HomePositionMarks {
    std::uint8_t count;
    std::array<std::uint8_t, 8> panels;
};

inline constexpr std::array<HomePositionMarks, kMaxPosShift + 1> kHomePositions = {{
    {7, {3, 6, 10, 13, 28, 31, 35}},
    {6, {4, 7, 11, 29, 32, 36}},
    {8, {1, 5, 8, 12, 26, 30, 33, 37}},
    {7, {2, 6, 9, 13, 27, 31, 34}},
    {6, {3, 7, 10, 28, 32, 35}},
    {8, {1, 4, 8, 11, 26, 29, 33, 36}},
    {8, {2, 5, 9, 12, 27, 30, 34, 37}},
}};

// Ascending panel numbers; none for a PosShift outside 0..6.
constexpr std::span<const std::uint8_t> HomePositionPanels(int posShift) {
    if (posShift < 0 || posShift > kMaxPosShift)
        return {};
    const HomePositionMarks& marks = kHomePositions[static_cast<std::size_t>(posShift)];
    return {marks.panels.data(), marks.count};
}
