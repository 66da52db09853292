#pragma once
// Every channel message the instrument sends, packed for the port, and the channels they go to.

#include <cstdint>

#include "platform/midi/ShortMessage.h"

namespace midi {

constexpr std::uint32_t NoteOn(int channel, int note, int velocity = 127) {
    return platform::packShortMessage(platform::kNoteOn + channel, note, velocity);
}
constexpr std::uint32_t NoteOff(int channel, int note) {
    return platform::packShortMessage(platform::kNoteOff + channel, note, 0);
}
constexpr std::uint32_t ProgramChange(int channel, int program) {
    return platform::packShortMessage(platform::kProgramChange + channel, program);
}
constexpr std::uint32_t ControlChange(int channel, int controller, int value) {
    return platform::packShortMessage(platform::kControlChange + channel, controller, value);
}
// The bend rides in the second (most significant) data byte only; the first is always 0.
constexpr std::uint32_t PitchBend(int channel, int step) {
    return platform::packShortMessage(platform::kPitchBend + channel, 0, step);
}

// Controller value of a Volume or Modulation step 0..32: four per step, at most 127.
constexpr int ControllerValue(int step) {
    return 4 * step > 127 ? 127 : 4 * step;
}

inline constexpr int kVolumeController = 7;
inline constexpr int kModulationController = 1;
inline constexpr int kSustainController = 64;
inline constexpr int kHighChannel = 1;
inline constexpr int kLowChannel = 2;
inline constexpr int kPercussionChannel = 9;
// An instrument plays on channel 0 and doubles an octave up and down on the next two.
inline constexpr int kMelodyChannels[] = {0, kHighChannel, kLowChannel};
// Volume, modulation and the bend's centre go to the melody channels and the drums.
inline constexpr int kControllerChannels[] = {0, kHighChannel, kLowChannel, kPercussionChannel};

} // namespace midi
