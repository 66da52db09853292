#pragma once
// Where a sound sits in the Sound menu: 16 groups of 8 General MIDI instruments, then the percussion entry,
// which has no items. The position is what the settings store (Index1, Index2).

#include <cstdint>

inline constexpr int kInstrumentsPerGroup = 8;
inline constexpr int kPercussionPosition = 16;

struct SoundChoice {
    std::int32_t group = 0; // 0..15 an instrument group, 16 percussion
    std::int32_t item = 0;  // the instrument in its group; with percussion only checked for its sign
    bool operator==(const SoundChoice&) const = default;
};

constexpr bool IsPercussion(const SoundChoice& sound) {
    return sound.group == kPercussionPosition;
}

// The General MIDI program of an instrument's position.
constexpr int ProgramOf(const SoundChoice& sound) {
    return sound.group * kInstrumentsPerGroup + sound.item;
}

constexpr bool IsMenuPosition(const SoundChoice& sound) {
    return sound.group >= 0 && sound.group <= kPercussionPosition && sound.item >= 0 &&
           (IsPercussion(sound) || sound.item < kInstrumentsPerGroup);
}
