#pragma once
// Packing of every short message the program sends: status in bits 0-7, first data byte in bits 8-15,
// second in bits 16-23. The parts are added, not masked: the callers' ranges keep each data byte legal.

#include <cstdint>

namespace midi {

constexpr std::uint32_t ShortMsg(std::uint32_t status, std::uint32_t data1, std::uint32_t data2 = 0) {
    return status + data1 * 256 + data2 * 65536;
}

constexpr std::uint32_t NoteOn(int channel, int note) {
    return ShortMsg(0x90 + channel, note, 127);
}
constexpr std::uint32_t NoteOff(int channel, int note) {
    return ShortMsg(0x80 + channel, note, 0);
}
constexpr std::uint32_t ProgramChange(int channel, int program) {
    return ShortMsg(0xC0 + channel, program);
}
constexpr std::uint32_t ControlChange(int channel, int controller, int value) {
    return ShortMsg(0xB0 + channel, controller, value);
}
// The bend rides in the second (most significant) data byte only; the first is always 0.
constexpr std::uint32_t PitchBend(int channel, int step) {
    return ShortMsg(0xE0 + channel, 0, step);
}

// Controller value of a Volume or Modulation step 0..32: four per step, at most 127.
constexpr int ControllerValue(int step) {
    return 4 * step > 127 ? 127 : 4 * step;
}

inline constexpr int kVolumeController = 7;
inline constexpr int kModulationController = 1;
inline constexpr int kHighChannel = 1;
inline constexpr int kLowChannel = 2;
inline constexpr int kPercussionChannel = 9;
// An instrument plays on channel 0 and doubles an octave up and down on the next two.
inline constexpr int kMelodyChannels[] = {0, kHighChannel, kLowChannel};
// Volume, modulation and the bend's centre go to the melody channels and the drums.
inline constexpr int kControllerChannels[] = {0, kHighChannel, kLowChannel, kPercussionChannel};

} // namespace midi
