#include <gtest/gtest.h>

#include "platform/midi/ShortMessage.h"

namespace platform {
namespace {

struct DecodeCase {
    std::uint32_t packed;
    std::size_t length;
    std::array<std::uint8_t, 3> bytes;
};

class DecodeTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTest, TakesTheBytesTheStatusCallsFor) {
    const DecodeCase& c = GetParam();
    const auto message = decodeShortMessage(c.packed);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->length, c.length);
    EXPECT_EQ(message->bytes, c.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    ShortMessage, DecodeTest,
    testing::Values(DecodeCase{0x7F3990, 3, {0x90, 0x39, 0x7F}},   // Note On
                    DecodeCase{0x004582, 3, {0x82, 0x45, 0x00}},   // Note Off
                    DecodeCase{0x6407B9, 3, {0xB9, 0x07, 0x64}},   // Control Change
                    DecodeCase{0x000CC2, 2, {0xC2, 0x0C, 0x00}},   // Program Change
                    DecodeCase{0x7F05C0, 2, {0xC0, 0x05, 0x00}},   // stray second byte dropped
                    DecodeCase{0x1234D3, 2, {0xD3, 0x34, 0x00}},   // Channel Pressure
                    DecodeCase{0x4000EB, 3, {0xEB, 0x00, 0x40}},   // Pitch Bend
                    DecodeCase{0x223344A0, 3, {0xA0, 0x44, 0x33}}, // top byte ignored
                    DecodeCase{0xFF8090, 3, {0x90, 0x00, 0x7F}},   // data bytes cut to 7 bits
                    DecodeCase{0x0000F8, 1, {0xF8, 0x00, 0x00}},   // clock
                    DecodeCase{0x0005F3, 2, {0xF3, 0x05, 0x00}},   // song select
                    DecodeCase{0x0102F2, 3, {0xF2, 0x02, 0x01}})); // song position

TEST(ShortMessage, RejectsWhatNoShortMessageCanCarry) {
    for (const std::uint32_t packed : {0x7F3C40u, 0x0u, 0xF0u, 0xF7u, 0xF4u, 0xF5u, 0xF9u, 0xFDu}) {
        EXPECT_FALSE(decodeShortMessage(packed).has_value()) << std::hex << packed;
    }
}

TEST(ShortMessage, ChannelMessageBuildsTheStatusFromKindAndChannel) {
    const ShortMessage message = channelMessage(kControlChange, 15, 123, 0);
    EXPECT_EQ(message.bytes, (std::array<std::uint8_t, 3>{0xBF, 123, 0}));
    EXPECT_EQ(message.channel(), 15);
    EXPECT_EQ(message.kind(), kControlChange);
}

} // namespace
} // namespace platform
