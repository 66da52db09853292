#include <gtest/gtest.h>

#include <vector>

#include "platform/midi/NoteTracker.h"

namespace platform {
namespace {

using Bytes = std::vector<std::array<std::uint8_t, 3>>;

void feed(NoteTracker& tracker, const std::vector<std::uint32_t>& packed) {
    for (const std::uint32_t msg : packed) {
        tracker.observe(*decodeShortMessage(msg));
    }
}

Bytes bytesOf(const std::vector<ShortMessage>& messages) {
    Bytes bytes;
    for (const ShortMessage& message : messages) {
        EXPECT_EQ(message.length, 3u);
        bytes.push_back(message.bytes);
    }
    return bytes;
}

Bytes allNotesOff() {
    Bytes bytes;
    for (std::uint8_t channel = 0; channel < 16; ++channel) {
        bytes.push_back({static_cast<std::uint8_t>(0xB0 | channel), 123, 0});
    }
    return bytes;
}

Bytes concat(Bytes first, const Bytes& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

struct ResetCase {
    const char* name;
    std::vector<std::uint32_t> sent;
    Bytes noteOffs;
};

class ResetTest : public testing::TestWithParam<ResetCase> {};

TEST_P(ResetTest, EndsTheNotesLeftSoundingThenAllNotesOffOnEveryChannel) {
    NoteTracker tracker;
    feed(tracker, GetParam().sent);
    EXPECT_EQ(bytesOf(tracker.takeResetMessages()), concat(GetParam().noteOffs, allNotesOff()));
}

INSTANTIATE_TEST_SUITE_P(
    NoteTracker, ResetTest,
    testing::Values(ResetCase{"Nothing", {}, {}}, ResetCase{"OneNote", {0x7F3990}, {{0x80, 0x39, 0}}},
                    ResetCase{"ReleasedByNoteOff", {0x7F3990, 0x003980}, {}},
                    ResetCase{"ReleasedByNoteOnVelocityZero", {0x7F3990, 0x003990}, {}},
                    ResetCase{"NoteOffVelocityIgnored", {0x7F3990, 0x403980}, {}},
                    ResetCase{"OffOnOtherChannelKeepsNote", {0x7F3990, 0x003981}, {{0x80, 0x39, 0}}},
                    ResetCase{"SortedByChannelThenNote",
                              {0x7F7F99, 0x7F4592, 0x7F0092, 0x7F3C90, 0x7F3091, 0x7F3990},
                              {{0x80, 0x39, 0},
                               {0x80, 0x3C, 0},
                               {0x81, 0x30, 0},
                               {0x82, 0x00, 0},
                               {0x82, 0x45, 0},
                               {0x89, 0x7F, 0}}},
                    ResetCase{"RepeatedNoteOnOnce", {0x7F3990, 0x403990}, {{0x80, 0x39, 0}}},
                    ResetCase{"OtherMessagesIgnored", {0x6407B0, 0x0028C0, 0x4000E0, 0x7F3CA0, 0x7F3CD0}, {}},
                    ResetCase{"LastChannelAndHighestNote", {0x017F9F}, {{0x8F, 0x7F, 0}}}),
    [](const testing::TestParamInfo<ResetCase>& info) { return info.param.name; });

TEST(NoteTracker, ResetClearsTheTable) {
    NoteTracker tracker;
    feed(tracker, {0x7F3990, 0x7F4599});
    ASSERT_TRUE(tracker.isSounding(0, 0x39));
    tracker.takeResetMessages();
    EXPECT_FALSE(tracker.isSounding(0, 0x39));
    EXPECT_FALSE(tracker.isSounding(9, 0x45));
    EXPECT_EQ(bytesOf(tracker.takeResetMessages()), allNotesOff());
}

TEST(NoteTracker, EveryNoteOfEveryChannelIsTracked) {
    NoteTracker tracker;
    Bytes expected;
    for (std::uint32_t channel = 0; channel < 16; ++channel) {
        for (std::uint32_t note = 0; note < 128; ++note) {
            tracker.observe(*decodeShortMessage((0x90 | channel) | note << 8 | 1u << 16));
            expected.push_back(
                {static_cast<std::uint8_t>(0x80 | channel), static_cast<std::uint8_t>(note), 0});
        }
    }
    EXPECT_EQ(bytesOf(tracker.takeResetMessages()), concat(expected, allNotesOff()));
}

} // namespace
} // namespace platform
