#include "platform/midi/ShortMessage.h"

namespace platform {

namespace {

// Message length by the high nibble of a channel status byte, 0x8n..0xEn.
constexpr std::array<std::size_t, 7> kChannelLengths = {3, 3, 3, 3, 2, 2, 3};

// Message length by the low nibble of a system status byte 0xF0..0xFF; 0 marks what a short message cannot
// carry (SysEx start and end) or what MIDI leaves undefined.
constexpr std::array<std::size_t, 16> kSystemLengths = {0, 2, 3, 2, 0, 0, 1, 0, 1, 0, 1, 1, 1, 0, 1, 1};

std::size_t lengthOf(std::uint8_t status) {
    if (status < 0x80) {
        return 0;
    }
    if (status < 0xF0) {
        return kChannelLengths[(status >> 4) - 8];
    }
    return kSystemLengths[status & 0x0F];
}

} // namespace

std::optional<ShortMessage> decodeShortMessage(std::uint32_t packed) {
    const auto status = static_cast<std::uint8_t>(packed & 0xFF);
    const std::size_t length = lengthOf(status);
    if (length == 0) {
        return std::nullopt;
    }
    ShortMessage message;
    message.length = length;
    message.bytes[0] = status;
    for (std::size_t i = 1; i < length; ++i) {
        message.bytes[i] = static_cast<std::uint8_t>((packed >> (8 * i)) & 0x7F);
    }
    return message;
}

ShortMessage channelMessage(std::uint8_t kind, int channel, std::uint8_t data1, std::uint8_t data2) {
    const auto status = static_cast<std::uint8_t>(kind | (channel & 0x0F));
    return *decodeShortMessage(packShortMessage(status, data1, data2));
}

} // namespace platform
