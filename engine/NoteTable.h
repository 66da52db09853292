#pragma once
// The note of each note position 88..138: a piano keyboard laid along the positions, white keys at the odd
// ones (B2 .. E6), black keys at the even ones, and 0 where two white keys are only a semitone apart.
// A note tag moved by the position shift (tag - 2 x PosShift) is the position.

#include <array>
#include <cstdint>

inline constexpr int kFirstNotePosition = 88;
inline constexpr int kLastNotePosition = 138;

inline constexpr std::array<std::uint8_t, 51> kNoteTable = {
    46, 47, 0,  48, 49, 50, 51, 52, 0,  53, 54, 55, 56, 57, 58, 59, 0,  60, 61, 62, 63, 64, 0,  65, 66, 67,
    68, 69, 70, 71, 0,  72, 73, 74, 75, 76, 0,  77, 78, 79, 80, 81, 82, 83, 0,  84, 85, 86, 87, 88, 0,
};

// 0 means no note, also for a position outside the table.
constexpr int NoteAt(int index) {
    if (index < kFirstNotePosition || index > kLastNotePosition)
        return 0;
    return kNoteTable[static_cast<std::size_t>(index - kFirstNotePosition)];
}
