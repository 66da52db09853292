// The built-in synthesizer on FluidSynth's file driver: what each message does to FluidSynth's own state,
// and closing while the SoundFont still loads. (That it sounds only while a key is held is checked end to
// end, by tests/e2e/synth_sounds.sh.)
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/midi/SynthOutput.h"

namespace platform {
namespace {

constexpr char kSoundFont[] = "/usr/share/sounds/sf2/FluidR3_GM.sf2";

class SynthOutputTest : public testing::Test {
protected:
    void SetUp() override {
        if (!QFileInfo::exists(kSoundFont))
            GTEST_SKIP() << "no " << kSoundFont;
        ASSERT_TRUE(dir_.isValid());
    }
    std::unique_ptr<SynthOutput> open() {
        MidiOpenResult opened =
            openSynthOutput({MidiOutputChoice::Synth, {}, kSoundFont, "file", dir_.filePath("out.wav")});
        EXPECT_EQ(opened.code, MMSYSERR_NOERROR);
        return std::unique_ptr<SynthOutput>(dynamic_cast<SynthOutput*>(opened.output.release()));
    }
    QTemporaryDir dir_;
};

int read(int (*get)(fluid_synth_t*, int, int*), fluid_synth_t* synth, int channel) {
    int value = -1;
    get(synth, channel, &value);
    return value;
}
int program(fluid_synth_t* synth, int channel) { // bank * 128 + preset
    int font = 0, bank = -1, preset = -1;
    fluid_synth_get_program(synth, channel, &font, &bank, &preset);
    return bank * 128 + preset;
}
// The one key held down on a channel as key * 1000 + velocity; 0 for none, -1 for more than one.
int held(fluid_synth_t* synth, int channel) {
    std::vector<fluid_voice_t*> voices(64);
    fluid_synth_get_voicelist(synth, voices.data(), static_cast<int>(voices.size()), -1);
    int found = 0;
    for (const fluid_voice_t* voice : voices) {
        if (!voice || !fluid_voice_is_on(voice) || fluid_voice_get_channel(voice) != channel)
            continue;
        const int key = fluid_voice_get_key(voice) * 1000 + fluid_voice_get_actual_velocity(voice);
        found = found == 0 || found == key ? key : -1;
    }
    return found;
}
constexpr auto bend = [](fluid_synth_t* s, int ch, int* v) { return fluid_synth_get_pitch_bend(s, ch, v); };
constexpr auto volume = [](fluid_synth_t* s, int ch, int* v) { return fluid_synth_get_cc(s, ch, 7, v); };
constexpr auto modulation = [](fluid_synth_t* s, int ch, int* v) { return fluid_synth_get_cc(s, ch, 1, v); };

// Messages sent at once after the open wait for the SoundFont and then take effect in order.
TEST_F(SynthOutputTest, EachMessageReachesFluidSynthsState) {
    const struct {
        const char* what;
        std::vector<std::uint32_t> sent;
        int (*observe)(fluid_synth_t*);
        int expected;
    } cases[] = {
        {"pitch bend, LSB then MSB", {0x3412E2}, [](auto* s) { return read(bend, s, 2); }, 0x34 * 128 + 0x12},
        {"pitch bend top", {0x7F00E9}, [](auto* s) { return read(bend, s, 9); }, 127 * 128},
        {"volume", {0x6407B1}, [](auto* s) { return read(volume, s, 1); }, 100},
        {"modulation", {0x2A01B9}, [](auto* s) { return read(modulation, s, 9); }, 42},
        {"program", {0x0010C1}, [](auto* s) { return program(s, 1); }, 16},
        {"percussion kit", {0x0000C9}, [](auto* s) { return program(s, 9); }, 128 * 128},
        {"program, then note", {0x0030C0, 0x7F3C90}, [](auto* s) { return program(s, 0); }, 48},
        {"note on", {0x7F3C90, 0x404095}, [](auto* s) { return held(s, 0); }, 60127},
        {"note on, channel 5", {0x7F3C90, 0x404095}, [](auto* s) { return held(s, 5); }, 64064},
        {"note off", {0x7F3C90, 0x7F3E90, 0x003C80}, [](auto* s) { return held(s, 0); }, 62127},
        {"note on at velocity 0", {0x7F3C90, 0x003C90}, [](auto* s) { return held(s, 0); }, 0},
    };
    for (const auto& c : cases) {
        const std::unique_ptr<SynthOutput> out = open();
        for (const std::uint32_t msg : c.sent)
            out->send(msg);
        ASSERT_TRUE(out->waitUntilIdle());
        EXPECT_EQ(c.observe(out->synth()), c.expected) << c.what;
        out->reset();
        EXPECT_EQ(held(out->synth(), 0) + held(out->synth(), 5), 0) << c.what << ", after the reset";
    }
}

// Closing at once must wait for the load still running rather than free what it uses.
TEST_F(SynthOutputTest, ClosingDuringTheLoadWaitsForIt) {
    std::unique_ptr<SynthOutput> out = open();
    out->send(0x7F3C90);
    out->reset();
    out.reset();
}

} // namespace
} // namespace platform
