#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>
#include <vector>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/midi/MidiOut.h"

namespace platform {
namespace {

using namespace std::chrono_literals;

constexpr char kSmallSoundFont[] = "/usr/share/sounds/sf2/TimGM6mb.sf2";
constexpr char kLargeSoundFont[] = "/usr/share/sounds/sf2/FluidR3_GM.sf2";
constexpr std::size_t kSampleRate = 44100;
// FluidSynth dithers its 16-bit output, so silence comes out as samples of -1, 0 and 1.
constexpr int kSilence = 50;

// The 16-bit samples of the "data" chunk of a WAV file (written in the byte order of this machine).
std::vector<std::int16_t> readPcm(const QString& wav) {
    QFile file(wav);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << wav.toStdString();
    const QByteArray bytes = file.readAll();
    const qsizetype data = bytes.indexOf("data", 12) + 8;
    std::vector<std::int16_t> samples(data < 8 ? 0 : (bytes.size() - data) / 2);
    std::memcpy(samples.data(), bytes.constData() + data, samples.size() * sizeof(std::int16_t));
    return samples;
}

int peak(std::vector<std::int16_t>::const_iterator from, std::vector<std::int16_t>::const_iterator to) {
    int loudest = 0;
    for (; from != to; ++from) {
        loudest = std::max(loudest, std::abs(int{*from}));
    }
    return loudest;
}

class SynthOutputTest : public testing::Test {
protected:
    void SetUp() override {
        if (!QFileInfo::exists(kSmallSoundFont)) {
            GTEST_SKIP() << "no " << kSmallSoundFont;
        }
        ASSERT_TRUE(dir_.isValid());
    }

    QString settingsFor(const char* soundFont) {
        QFile file(dir_.filePath("clavito.INI"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("[MIDI]\nOutput=synth\nAudioDriver=file\nSoundFont=") + soundFont +
                   "\nAudioFile=" + wavPath().toUtf8() + "\n");
        return file.fileName();
    }

    QString wavPath() const { return dir_.filePath("out.wav"); }

    QTemporaryDir dir_;
};

// An organ holds its note for as long as the key is down, so only the reset can make the tail silent. The
// messages go out before the SoundFont has loaded and must wait for it, not be lost.
TEST_F(SynthOutputTest, ANoteSentRightAfterOpenIsHeardUntilTheResetEndsIt) {
    MidiOut port;
    ASSERT_EQ(port.Open(openMidiMapper, settingsFor(kSmallSoundFont)), MMSYSERR_NOERROR);
    for (const std::uint32_t msg : {0x0010C0u, 0x0010C5u, 0x7F3C90u, 0x7F4395u}) {
        port.ShortMsg(msg);
    }
    std::this_thread::sleep_for(700ms);
    port.Reset();
    std::this_thread::sleep_for(1300ms);
    port.Close();
    const std::vector<std::int16_t> samples = readPcm(wavPath());
    ASSERT_GT(samples.size(), kSampleRate);
    const auto tail = samples.end() - kSampleRate / 4;
    EXPECT_GT(peak(samples.begin(), tail), 1000);
    EXPECT_LT(peak(tail, samples.end()), kSilence);
}

// A synthesizer played before its SoundFont is in can put out full-scale noise, on the second synthesizer of
// a process at the latest; so every round here must stay silent.
TEST_F(SynthOutputTest, WithoutNotesTheOutputIsSilent) {
    for (int round = 0; round < 3; ++round) {
        MidiOut port;
        ASSERT_EQ(port.Open(openMidiMapper, settingsFor(kSmallSoundFont)), MMSYSERR_NOERROR);
        port.ShortMsg(0x0000C0);
        port.ShortMsg(0x6407B0);
        std::this_thread::sleep_for(300ms);
        port.Close();
        const std::vector<std::int16_t> samples = readPcm(wavPath());
        ASSERT_GT(samples.size(), kSampleRate / 8);
        EXPECT_LT(peak(samples.begin(), samples.end()), kSilence) << "round " << round;
    }
}

// Closing at once must wait for the load still running rather than free what it uses.
TEST_F(SynthOutputTest, ClosingDuringTheLoadWaitsForIt) {
    if (!QFileInfo::exists(kLargeSoundFont)) {
        GTEST_SKIP() << "no " << kLargeSoundFont;
    }
    MidiOut port;
    ASSERT_EQ(port.Open(openMidiMapper, settingsFor(kLargeSoundFont)), MMSYSERR_NOERROR);
    port.ShortMsg(0x7F3C90);
    port.Reset();
    port.Close();
    EXPECT_FALSE(port.isOpen());
}

} // namespace
} // namespace platform
