#include <gtest/gtest.h>

#include "platform/midi/MidiOut.h"

namespace platform {
namespace {

MidiEvent message(std::uint32_t msg) {
    return {MidiEvent::Message, msg};
}

const MidiEvent kReset{MidiEvent::Reset};
const MidiEvent kClose{MidiEvent::Close};

TEST(MidiOut, EveryCallIsHarmlessBeforeOpen) {
    MidiOut port;
    port.ShortMsg(0x7F3C90);
    port.Reset();
    port.Close();
    EXPECT_FALSE(port.isOpen());
}

class FailedOpenTest : public testing::TestWithParam<std::uint32_t> {};

TEST_P(FailedOpenTest, ReturnsTheCodeAndLaterCallsReachNothing) {
    auto log = std::make_shared<MidiLog>();
    MidiOut port;
    EXPECT_EQ(port.Open(recordingMidiOpener(log, GetParam()), "unused.INI"), GetParam());
    EXPECT_FALSE(port.isOpen());
    port.Reset();
    port.ShortMsg(0x7F3C90);
    port.Reset();
    port.Close();
    EXPECT_TRUE(log->empty());
}

INSTANTIATE_TEST_SUITE_P(MidiOut, FailedOpenTest,
                         testing::Values(MMSYSERR_ERROR, MMSYSERR_ALLOCATED, MIDIERR_NOMAP, MIDIERR_NODEVICE,
                                         99u));

TEST(MidiOut, ForwardsInOrderAndClosesOnce) {
    auto log = std::make_shared<MidiLog>();
    MidiOut port;
    ASSERT_EQ(port.Open(recordingMidiOpener(log), "unused.INI"), MMSYSERR_NOERROR);
    EXPECT_TRUE(port.isOpen());
    port.Reset();
    port.ShortMsg(0x0000C9);
    port.ShortMsg(0x7F3C90);
    port.Reset();
    port.Close();
    EXPECT_FALSE(port.isOpen());
    port.ShortMsg(0x003C80);
    port.Reset();
    port.Close();
    EXPECT_EQ(*log, (MidiLog{kReset, message(0x0000C9), message(0x7F3C90), kReset, kClose}));
}

TEST(MidiOut, ASecondOpenFailsAsAllocatedAndKeepsTheFirstOutput) {
    auto first = std::make_shared<MidiLog>();
    auto second = std::make_shared<MidiLog>();
    MidiOut port;
    ASSERT_EQ(port.Open(recordingMidiOpener(first), "unused.INI"), MMSYSERR_NOERROR);
    EXPECT_EQ(port.Open(recordingMidiOpener(second), "unused.INI"), MMSYSERR_ALLOCATED);
    port.ShortMsg(0x7F3C90);
    EXPECT_EQ(*first, (MidiLog{message(0x7F3C90)}));
    EXPECT_TRUE(second->empty());
}

TEST(MidiOut, CanOpenAgainAfterClose) {
    auto first = std::make_shared<MidiLog>();
    auto second = std::make_shared<MidiLog>();
    MidiOut port;
    ASSERT_EQ(port.Open(recordingMidiOpener(first), "unused.INI"), MMSYSERR_NOERROR);
    port.Close();
    ASSERT_EQ(port.Open(recordingMidiOpener(second), "unused.INI"), MMSYSERR_NOERROR);
    port.ShortMsg(0x7F3C90);
    EXPECT_EQ(*first, (MidiLog{kClose}));
    EXPECT_EQ(*second, (MidiLog{message(0x7F3C90)}));
}

TEST(MidiOut, PassesTheSettingsPathToTheOpener) {
    QString seen;
    MidiOut port;
    port.Open(
        [&seen](const QString& path) {
            seen = path;
            return MidiOpenResult{MIDIERR_NODEVICE, nullptr};
        },
        "/tmp/x/clavito.INI");
    EXPECT_EQ(seen, "/tmp/x/clavito.INI");
}

TEST(MidiOut, AnOpenerThatReportsSuccessWithoutOutputIsAnError) {
    MidiOut port;
    EXPECT_EQ(port.Open(
                  [](const QString&) {
                      return MidiOpenResult{MMSYSERR_NOERROR, nullptr};
                  },
                  "x"),
              MMSYSERR_ERROR);
    EXPECT_EQ(port.Open(MidiOpener{}, "x"), MMSYSERR_ERROR);
    EXPECT_FALSE(port.isOpen());
    port.ShortMsg(0x7F3C90);
    port.Reset();
}

TEST(MidiOut, AFailedOpenDropsAnOutputItWasHandedWithTheFailure) {
    auto log = std::make_shared<MidiLog>();
    MidiOut port;
    const MidiOpener opener = [log](const QString& path) {
        MidiOpenResult result = recordingMidiOpener(log)(path);
        result.code = MIDIERR_NOMAP;
        return result;
    };
    EXPECT_EQ(port.Open(opener, "x"), MIDIERR_NOMAP);
    EXPECT_FALSE(port.isOpen());
    port.ShortMsg(0x7F3C90);
    EXPECT_EQ(*log, (MidiLog{kClose}));
}

TEST(MidiOut, DestroyingAnOpenPortClosesIt) {
    auto log = std::make_shared<MidiLog>();
    {
        MidiOut port;
        ASSERT_EQ(port.Open(recordingMidiOpener(log), "x"), MMSYSERR_NOERROR);
        port.ShortMsg(0x6407B0);
    }
    EXPECT_EQ(*log, (MidiLog{message(0x6407B0), kClose}));
}

TEST(RecordingMidiOpener, EachOutputRecordsIntoTheSharedLog) {
    auto log = std::make_shared<MidiLog>();
    const MidiOpener opener = recordingMidiOpener(log);
    MidiOpenResult a = opener("x");
    MidiOpenResult b = opener("x");
    ASSERT_EQ(a.code, MMSYSERR_NOERROR);
    ASSERT_TRUE(a.output && b.output);
    a.output->send(1);
    b.output->reset();
    a.output.reset();
    EXPECT_EQ(*log, (MidiLog{message(1), kReset, kClose}));
}

} // namespace
} // namespace platform
