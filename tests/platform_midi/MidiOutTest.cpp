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

// Before an open, and after an opener's failure or a success without an output, calls reach nothing; an
// output handed along with a failure is closed at once.
TEST(MidiOut, EveryCallIsHarmlessBeforeOpenAndAfterAFailedOne) {
    auto log = std::make_shared<MidiLog>();
    const MidiOpener failingWithOutput = [log](const QString& path) {
        MidiOpenResult result = recordingMidiOpener(log)(path);
        result.code = MIDIERR_NOMAP;
        return result;
    };
    const MidiOpener successWithoutOutput = [](const QString&) {
        return MidiOpenResult{MMSYSERR_NOERROR, nullptr};
    };
    const struct {
        MidiOpener opener;
        std::uint32_t code;
        MidiLog log;
    } kCases[] = {
        {recordingMidiOpener(log, MIDIERR_NOMAP), MIDIERR_NOMAP, {}},
        {recordingMidiOpener(log, MIDIERR_NODEVICE), MIDIERR_NODEVICE, {}},
        {successWithoutOutput, MMSYSERR_ERROR, {}},
        {MidiOpener{}, MMSYSERR_ERROR, {}},
        {failingWithOutput, MIDIERR_NOMAP, {kClose}},
    };
    for (const auto& c : kCases) {
        log->clear();
        MidiOut port;
        useAndClose(port);
        EXPECT_EQ(port.Open(c.opener, "unused.INI"), c.code);
        useAndClose(port);
        EXPECT_EQ(*log, c.log) << c.code;
    }
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
