#pragma once
// The bytes of a packed short message, as they go out on a port or into the synthesizer.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace platform {

struct ShortMessage {
    std::array<std::uint8_t, 3> bytes{};
    std::size_t length = 0; // 1..3; the bytes past it are 0

    std::uint8_t status() const { return bytes[0]; }
    std::uint8_t kind() const { return bytes[0] & 0xF0; } // 0x80..0xE0 for channel messages, 0xF0 system
    int channel() const { return bytes[0] & 0x0F; }
    std::uint8_t data1() const { return bytes[1]; }
    std::uint8_t data2() const { return bytes[2]; }
    bool operator==(const ShortMessage&) const = default;
};

inline constexpr std::uint8_t kNoteOff = 0x80;
inline constexpr std::uint8_t kNoteOn = 0x90;
inline constexpr std::uint8_t kKeyPressure = 0xA0;
inline constexpr std::uint8_t kControlChange = 0xB0;
inline constexpr std::uint8_t kProgramChange = 0xC0;
inline constexpr std::uint8_t kChannelPressure = 0xD0;
inline constexpr std::uint8_t kPitchBend = 0xE0;

// Packs a message the way every output takes it: status in bits 0-7, first data byte in bits 8-15, second
// in bits 16-23. The parts are added, not masked: the callers' ranges keep each data byte legal.
constexpr std::uint32_t packShortMessage(std::uint32_t status, std::uint32_t data1, std::uint32_t data2 = 0) {
    return status + data1 * 256 + data2 * 65536;
}

// Unpacks status | data1 << 8 | data2 << 16 into as many bytes as the status calls for. Data bytes are cut
// to 7 bits, so a stray high bit can never be read as a status byte downstream. Empty for a value without
// a sendable status: running status (first byte below 0x80), SysEx framing and the undefined system codes.
std::optional<ShortMessage> decodeShortMessage(std::uint32_t packed);

ShortMessage channelMessage(std::uint8_t kind, int channel, std::uint8_t data1, std::uint8_t data2);

} // namespace platform
