#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "platform/midi/NoteTracker.h"
#include "platform/midi/SequencerOutput.h"

namespace platform {
namespace {

using Bytes = std::vector<std::array<std::uint8_t, 3>>;

Bytes resetBytes(NoteTracker& tracker) {
    Bytes bytes;
    for (const ShortMessage& message : tracker.takeResetMessages()) {
        EXPECT_EQ(message.length, 3u);
        bytes.push_back(message.bytes);
    }
    return bytes;
}

// A second reset finds no note left: the first one ended them all.
TEST(NoteTracker, ResetEndsTheNotesLeftSoundingThenAllNotesOffOnEveryChannel) {
    const struct {
        std::vector<std::uint32_t> sent;
        Bytes noteOffs;
    } kCases[] = {
        {{}, {}},
        {{0x7F3990, 0x403980}, {}},                // Note Off, whatever its velocity
        {{0x7F3990, 0x003990}, {}},                // Note On with velocity 0
        {{0x7F3990, 0x003981}, {{0x80, 0x39, 0}}}, // an off on another channel
        {{0x7F7F99, 0x7F4592, 0x7F0092, 0x7F3C90, 0x7F3990, 0x403990},
         {{0x80, 0x39, 0}, {0x80, 0x3C, 0}, {0x82, 0x00, 0}, {0x82, 0x45, 0}, {0x89, 0x7F, 0}}},
        {{0x6407B0, 0x0028C0, 0x4000E0, 0x7F3CA0, 0x7F3CD0}, {}},
        {{0x017F9F}, {{0x8F, 0x7F, 0}}},
    };
    Bytes allNotesOff;
    for (std::uint8_t channel = 0; channel < 16; ++channel) {
        allNotesOff.push_back({static_cast<std::uint8_t>(0xB0 | channel), 123, 0});
    }
    for (const auto& c : kCases) {
        NoteTracker tracker;
        for (const std::uint32_t msg : c.sent) {
            tracker.observe(*decodeShortMessage(msg));
        }
        Bytes expected = c.noteOffs;
        expected.insert(expected.end(), allNotesOff.begin(), allNotesOff.end());
        EXPECT_EQ(resetBytes(tracker), expected) << testing::PrintToString(c.sent);
        EXPECT_EQ(resetBytes(tracker), allNotesOff);
    }
}

TEST(SequencerOutput, PortNamesMatchWholeNamesOnly) {
    constexpr char kThrough[] = "Midi Through:Midi Through Port-0 14:0";
    const std::tuple<const char*, const char*, bool> kCases[] = {
        {"midi-monitor:input", "midi-monitor:input", true},
        {"midi-monitor:input", "midi-monitor:in", false},
        {kThrough, "14:0", true},
        {"Midi Through:Midi Through Port-0 114:0", "14:0", false},
        {kThrough, "Midi Through:Midi Through Port-0", true},
        {kThrough, "Midi Through:Midi", false},
        {"a:b", "", false},
    };
    for (const auto& [portName, destination, matches] : kCases) {
        EXPECT_EQ(portNameMatches(portName, destination), matches) << portName << " / " << destination;
    }
}

} // namespace
} // namespace platform
