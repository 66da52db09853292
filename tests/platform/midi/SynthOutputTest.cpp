// The built-in synthesizer on FluidSynth's file driver: what each kind of message does to FluidSynth's own
// state. Sent at once after the open, the messages wait for the SoundFont, then take effect in order.
#include <gtest/gtest.h>

#include <vector>

#include <QTemporaryDir>

#include "platform/midi/SynthOutput.h"

namespace platform {
namespace {

std::unique_ptr<SynthOutput> Open(const QTemporaryDir& dir) {
    MidiOpenResult opened = openSynthOutput({MidiOutputChoice::Synth,
                                             {},
                                             "/usr/share/sounds/sf2/FluidR3_GM.sf2",
                                             "file",
                                             dir.filePath("out.wav")});
    EXPECT_EQ(opened.code, MMSYSERR_NOERROR);
    return std::unique_ptr<SynthOutput>(dynamic_cast<SynthOutput*>(opened.output.release()));
}

// One value FluidSynth reports through an out parameter.
int Read(auto get, auto... arguments) {
    int value = -1;
    get(arguments..., &value);
    return value;
}
int Program(fluid_synth_t* synth, int channel) { // bank * 128 + preset
    int font = 0, bank = -1, preset = -1;
    fluid_synth_get_program(synth, channel, &font, &bank, &preset);
    return bank * 128 + preset;
}
// The one key held down on a channel as key * 1000 + velocity; 0 for none, -1 for more than one.
int Held(fluid_synth_t* synth, int channel) {
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

TEST(SynthOutput, EachMessageKindReachesFluidSynthsState) {
    const QTemporaryDir dir;
    const std::unique_ptr<SynthOutput> out = Open(dir);
    ASSERT_TRUE(out);
    for (const std::uint32_t msg : {0x3412E2u, 0x6407B1u, 0x2A01B9u, 0x0010C1u, 0x0000C9u, 0x0030C0u,
                                    0x7F3C90u, 0x404095u, 0x7F3E90u, 0x003C80u, 0x7F3C93u, 0x003C93u})
        out->send(msg);
    ASSERT_TRUE(out->waitUntilIdle());
    fluid_synth_t* synth = out->synth();
    const struct {
        const char* what;
        int got, expected;
    } cases[] = {
        {"pitch bend, LSB then MSB", Read(fluid_synth_get_pitch_bend, synth, 2), 0x34 * 128 + 0x12},
        {"volume", Read(fluid_synth_get_cc, synth, 1, 7), 100},
        {"modulation", Read(fluid_synth_get_cc, synth, 9, 1), 42},
        {"program", Program(synth, 1), 16},
        {"percussion kit", Program(synth, 9), 128 * 128},
        {"program, then notes", Program(synth, 0), 48},
        {"two notes on, the first off", Held(synth, 0), 62127},
        {"note on at velocity 64", Held(synth, 5), 64064},
        {"note on at velocity 0", Held(synth, 3), 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.got, c.expected) << c.what;
    out->reset();
    EXPECT_EQ(Held(synth, 0) + Held(synth, 5), 0) << "held after the reset";
}

// Closing at once must wait for the load still running rather than free what it uses.
TEST(SynthOutput, ClosingDuringTheLoadWaitsForIt) {
    const QTemporaryDir dir;
    std::unique_ptr<SynthOutput> out = Open(dir);
    out->send(0x7F3C90);
    out->reset();
    out.reset();
}

} // namespace
} // namespace platform
