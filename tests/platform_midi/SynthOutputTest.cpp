#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>
#include <vector>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/midi/MidiOut.h"
#include "platform/midi/SynthOutput.h"

namespace platform {
namespace {

using namespace std::chrono_literals;

constexpr char kSmallSoundFont[] = "/usr/share/sounds/sf2/TimGM6mb.sf2";
constexpr char kLargeSoundFont[] = "/usr/share/sounds/sf2/FluidR3_GM.sf2";
constexpr int kSampleRate = 44100;
// FluidSynth dithers its 16-bit output, so silence comes out as samples of -1, 0 and 1.
constexpr int kSilence = 50;

std::uint32_t le32(const QByteArray& bytes, qsizetype at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
    }
    return value;
}

// The interleaved 16-bit samples of a PCM WAV file.
std::vector<std::int16_t> readPcm(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WAVE");
    std::vector<std::int16_t> samples;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const std::uint32_t size = le32(bytes, at + 4);
        if (bytes.mid(at, 4) == "fmt ") {
            EXPECT_EQ(static_cast<std::uint8_t>(bytes[at + 8]), 1) << "not PCM";
            EXPECT_EQ(static_cast<std::uint8_t>(bytes[at + 22]), 16) << "not 16-bit";
        } else if (bytes.mid(at, 4) == "data") {
            const qsizetype count = std::min<qsizetype>(size, bytes.size() - at - 8) / 2;
            for (qsizetype i = 0; i < count; ++i) {
                samples.push_back(
                    static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[at + 8 + 2 * i]) |
                                              static_cast<std::uint8_t>(bytes[at + 9 + 2 * i]) << 8));
            }
        }
        at += 8 + size + (size & 1);
    }
    return samples;
}

int peak(const std::vector<std::int16_t>& samples, std::size_t from, std::size_t to) {
    int loudest = 0;
    for (std::size_t i = from; i < std::min(to, samples.size()); ++i) {
        loudest = std::max(loudest, std::abs(int{samples[i]}));
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
        const QString path = dir_.filePath("clavito.INI");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("[MIDI]\nOutput=synth\nAudioDriver=file\nSoundFont=") + soundFont +
                   "\nAudioFile=" + wavPath().toUtf8() + "\n");
        return path;
    }

    QString wavPath() const { return dir_.filePath("out.wav"); }

    MidiSettings fileSettings(const char* soundFont) const {
        MidiSettings settings;
        settings.output = MidiOutputChoice::Synth;
        settings.soundFont = soundFont;
        settings.audioDriver = "file";
        settings.audioFile = wavPath();
        return settings;
    }

    QTemporaryDir dir_;
};

TEST_F(SynthOutputTest, ANoteSentRightAfterOpenIsHeard) {
    MidiOut port;
    ASSERT_EQ(port.Open(openMidiMapper, settingsFor(kSmallSoundFont)), MMSYSERR_NOERROR);
    port.ShortMsg(0x0000C0);
    port.ShortMsg(0x7F3C90);
    std::this_thread::sleep_for(1s);
    port.Close();
    const std::vector<std::int16_t> samples = readPcm(wavPath());
    ASSERT_GT(samples.size(), std::size_t{kSampleRate / 2});
    EXPECT_GT(peak(samples, 0, samples.size()), 1000);
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
        ASSERT_GT(samples.size(), std::size_t{kSampleRate / 8});
        EXPECT_LT(peak(samples, 0, samples.size()), kSilence) << "round " << round;
    }
}

// An organ holds its note for as long as the key is down, so only a reset can make the tail silent.
struct ResetCase {
    bool reset;
    bool tailSilent;
};

class SynthResetTest : public SynthOutputTest, public testing::WithParamInterface<ResetCase> {};

TEST_P(SynthResetTest, ResetEndsHeldNotesOnEveryChannel) {
    auto opened = openSynthOutput(fileSettings(kSmallSoundFont));
    ASSERT_EQ(opened.code, MMSYSERR_NOERROR);
    auto& synth = dynamic_cast<SynthOutput&>(*opened.output);
    ASSERT_TRUE(synth.waitUntilLoaded());
    for (const std::uint32_t msg : {0x0010C0u, 0x0010C5u, 0x7F3C90u, 0x7F4395u}) {
        synth.send(msg);
    }
    std::this_thread::sleep_for(500ms);
    if (GetParam().reset) {
        synth.reset();
    }
    std::this_thread::sleep_for(1500ms);
    opened.output.reset();
    const std::vector<std::int16_t> samples = readPcm(wavPath());
    ASSERT_GT(samples.size(), std::size_t{kSampleRate});
    const std::size_t tail = samples.size() - kSampleRate / 4;
    EXPECT_GT(peak(samples, 0, tail), 1000);
    EXPECT_EQ(peak(samples, tail, samples.size()) < kSilence, GetParam().tailSilent);
}

INSTANTIATE_TEST_SUITE_P(SynthOutput, SynthResetTest,
                         testing::Values(ResetCase{true, true}, ResetCase{false, false}));

TEST_F(SynthOutputTest, ASoundFontThatFailsToLoadLeavesASilentHarmlessOutput) {
    const QString broken = dir_.filePath("broken.sf2");
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("RIFF\xff\xff\x00\x00sfbkLIST", 16) + QByteArray(100, '\x7f'));
    file.close();
    auto opened = openSynthOutput(fileSettings(broken.toUtf8().constData()));
    ASSERT_EQ(opened.code, MMSYSERR_NOERROR);
    opened.output->send(0x7F3C90);
    auto& synth = dynamic_cast<SynthOutput&>(*opened.output);
    EXPECT_FALSE(synth.waitUntilLoaded());
    synth.send(0x7F3E90);
    synth.reset();
    std::this_thread::sleep_for(200ms);
    opened.output.reset();
    // Without a SoundFont the audio never starts: at most the open's probe wrote a short silent file.
    const std::vector<std::int16_t> samples = readPcm(wavPath());
    EXPECT_LT(peak(samples, 0, samples.size()), kSilence);
}

TEST_F(SynthOutputTest, DestroyingWhileTheLoadRunsWaitsForIt) {
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

// Reported, not asserted: how long the UI thread waits for Open with each SoundFont.
TEST_F(SynthOutputTest, OpenTimes) {
    for (const char* soundFont : {kSmallSoundFont, kLargeSoundFont}) {
        if (!QFileInfo::exists(soundFont)) {
            continue;
        }
        const auto start = std::chrono::steady_clock::now();
        auto opened = openSynthOutput(fileSettings(soundFont));
        const auto opened_at = std::chrono::steady_clock::now();
        ASSERT_EQ(opened.code, MMSYSERR_NOERROR);
        EXPECT_TRUE(dynamic_cast<SynthOutput&>(*opened.output).waitUntilLoaded());
        const auto loaded_at = std::chrono::steady_clock::now();
        using Ms = std::chrono::duration<double, std::milli>;
        std::printf("%s: Open %.1f ms, SoundFont loaded after %.1f ms\n", soundFont,
                    Ms(opened_at - start).count(), Ms(loaded_at - start).count());
    }
}

} // namespace
} // namespace platform
