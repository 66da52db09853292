// The built-in synthesizer on FluidSynth's file driver: what each message does to FluidSynth's own state,
// silence when nothing plays, and closing while the SoundFont still loads.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <functional>
#include <thread>
#include <vector>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/midi/SynthOutput.h"

namespace platform {
namespace {

using namespace std::chrono_literals;

constexpr char kSmallSoundFont[] = "/usr/share/sounds/sf2/TimGM6mb.sf2";
constexpr char kLargeSoundFont[] = "/usr/share/sounds/sf2/FluidR3_GM.sf2";

class SynthOutputTest : public testing::Test {
protected:
    void SetUp() override {
        if (!QFileInfo::exists(kSmallSoundFont) || !QFileInfo::exists(kLargeSoundFont))
            GTEST_SKIP() << "no " << kSmallSoundFont << " or " << kLargeSoundFont;
        ASSERT_TRUE(dir_.isValid());
    }
    std::unique_ptr<SynthOutput> open(const char* soundFont) {
        MidiOpenResult opened = openSynthOutput({MidiOutputChoice::Synth, {}, soundFont, "file", wav()});
        EXPECT_EQ(opened.code, MMSYSERR_NOERROR);
        return std::unique_ptr<SynthOutput>(dynamic_cast<SynthOutput*>(opened.output.release()));
    }
    QString wav() const { return dir_.filePath("out.wav"); }
    QTemporaryDir dir_;
};

int cc(fluid_synth_t* synth, int channel, int controller) {
    int value = -1;
    fluid_synth_get_cc(synth, channel, controller, &value);
    return value;
}
int bend(fluid_synth_t* synth, int channel) {
    int value = -1;
    fluid_synth_get_pitch_bend(synth, channel, &value);
    return value;
}
int program(fluid_synth_t* synth, int channel) { // bank * 128 + preset
    int font = 0, bank = -1, preset = -1;
    fluid_synth_get_program(synth, channel, &font, &bank, &preset);
    return bank * 128 + preset;
}
// The keys held down on a channel, each with its velocity; a released key's voice is no longer on.
std::vector<std::pair<int, int>> held(fluid_synth_t* synth, int channel) {
    std::vector<fluid_voice_t*> voices(64);
    fluid_synth_get_voicelist(synth, voices.data(), static_cast<int>(voices.size()), -1);
    std::vector<std::pair<int, int>> keys;
    for (const fluid_voice_t* voice : voices)
        if (voice && fluid_voice_is_on(voice) && fluid_voice_get_channel(voice) == channel)
            keys.emplace_back(fluid_voice_get_key(voice), fluid_voice_get_actual_velocity(voice));
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    return keys;
}
using Keys = std::vector<std::pair<int, int>>;

// Messages sent at once after the open wait for the SoundFont and then take effect in order.
TEST_F(SynthOutputTest, EachMessageReachesFluidSynthsState) {
    const struct {
        const char* what;
        std::vector<std::uint32_t> sent;
        std::function<bool(fluid_synth_t*)> holds;
    } cases[] = {
        {"pitch bend, LSB then MSB", {0x3412E2}, [](auto* s) { return bend(s, 2) == 0x34 * 128 + 0x12; }},
        {"pitch bend top", {0x7F00E9}, [](auto* s) { return bend(s, 9) == 127 * 128; }},
        {"volume", {0x6407B1}, [](auto* s) { return cc(s, 1, 7) == 100; }},
        {"modulation", {0x2A01B9}, [](auto* s) { return cc(s, 9, 1) == 42; }},
        {"program", {0x0010C1}, [](auto* s) { return program(s, 1) == 16; }},
        {"percussion kit", {0x0000C9}, [](auto* s) { return program(s, 9) == 128 * 128; }},
        {"note on",
         {0x7F3C90, 0x404095},
         [](auto* s) {
             return held(s, 0) == Keys{{60, 127}};
         }},
        {"note on on 5",
         {0x7F3C90, 0x404095},
         [](auto* s) {
             return held(s, 5) == Keys{{64, 64}};
         }},
        {"note off",
         {0x7F3C90, 0x7F3E90, 0x003C80},
         [](auto* s) {
             return held(s, 0) == Keys{{62, 127}};
         }},
        {"note on 0 ends", {0x7F3C90, 0x003C90}, [](auto* s) { return held(s, 0).empty(); }},
        {"program, then note", {0x0030C0, 0x7F3C90}, [](auto* s) { return program(s, 0) == 48; }},
    };
    for (const auto& c : cases) {
        const std::unique_ptr<SynthOutput> out = open(kLargeSoundFont);
        for (const std::uint32_t msg : c.sent)
            out->send(msg);
        ASSERT_TRUE(out->waitUntilIdle());
        EXPECT_TRUE(c.holds(out->synth())) << c.what;
        out->reset();
        EXPECT_TRUE(held(out->synth(), 0).empty() && held(out->synth(), 5).empty()) << c.what << ", reset";
    }
}

// A synthesizer played before its SoundFont is in can put out full-scale noise, on the second synthesizer of
// a process at the latest; so every round here must stay silent. (Silence is dither: -1, 0 and 1.)
TEST_F(SynthOutputTest, WithoutNotesTheOutputIsSilent) {
    for (int round = 0; round < 3; ++round) {
        std::unique_ptr<SynthOutput> out = open(kSmallSoundFont);
        out->send(0x0000C0);
        std::this_thread::sleep_for(300ms);
        out.reset();
        QFile file(wav());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        std::vector<std::int16_t> samples(static_cast<std::size_t>(bytes.size()) / 2);
        std::memcpy(samples.data(), bytes.constData(), samples.size() * 2);
        ASSERT_GT(samples.size(), 4000u);
        const auto loudest = std::max_element(samples.begin() + 22, samples.end(),
                                              [](int a, int b) { return std::abs(a) < std::abs(b); });
        EXPECT_LT(std::abs(*loudest), 50) << "round " << round;
    }
}

// Closing at once must wait for the load still running rather than free what it uses.
TEST_F(SynthOutputTest, ClosingDuringTheLoadWaitsForIt) {
    std::unique_ptr<SynthOutput> out = open(kLargeSoundFont);
    out->send(0x7F3C90);
    out->reset();
    out.reset();
}

} // namespace
} // namespace platform
