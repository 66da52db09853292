#include <gtest/gtest.h>

#include "platform/midi/MidiOut.h"

namespace platform {
namespace {

MidiEvent message(std::uint32_t msg) {
    return {MidiEvent::Message, msg};
}

const MidiEvent kReset{MidiEvent::Reset};
const MidiEvent kClose{MidiEvent::Close};

void useAndClose(MidiOut& port) {
    port.ShortMsg(0x7F3C90);
    port.Reset();
    port.Close();
    EXPECT_FALSE(port.isOpen());
}

TEST(MidiOut, ForwardsInOrderClosesOnceAndCanOpenAgain) {
    auto first = std::make_shared<MidiLog>();
    auto second = std::make_shared<MidiLog>();
    {
        MidiOut port;
        ASSERT_EQ(port.Open(recordingMidiOpener(first), "unused.INI"), MMSYSERR_NOERROR);
        EXPECT_EQ(port.Open(recordingMidiOpener(second), "unused.INI"), MMSYSERR_ALLOCATED);
        port.ShortMsg(0x0000C9);
        port.Reset();
        port.ShortMsg(0x7F3C90);
        port.Close();
        useAndClose(port);
        ASSERT_EQ(port.Open(recordingMidiOpener(second), "unused.INI"), MMSYSERR_NOERROR);
        port.ShortMsg(0x6407B0);
    }
    EXPECT_EQ(*first, (MidiLog{message(0x0000C9), kReset, message(0x7F3C90), kClose}));
    EXPECT_EQ(*second, (MidiLog{message(0x6407B0), kClose}));
}

} // namespace
} // namespace platform
