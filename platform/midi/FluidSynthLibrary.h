#pragma once
// FluidSynth, loaded when the built-in synthesizer is first used rather than with the program: the library
// pulls in some forty others (glib, sndfile, pulse, SDL...), whose loading and relocation would otherwise
// delay every start, also with a JACK or ALSA port. Once loaded it stays for the life of the process.

#include <memory>

#include <fluidsynth.h>

namespace platform {

// The functions of libfluidsynth.so.3 that the synthesizer uses, under their own names.
#define CLAVITO_FLUID_FUNCTIONS(X)                                                                           \
    X(new_fluid_settings)                                                                                    \
    X(delete_fluid_settings)                                                                                 \
    X(fluid_settings_setint)                                                                                 \
    X(fluid_settings_setnum)                                                                                 \
    X(fluid_settings_setstr)                                                                                 \
    X(new_fluid_synth)                                                                                       \
    X(delete_fluid_synth)                                                                                    \
    X(fluid_synth_sfload)                                                                                    \
    X(fluid_synth_process)                                                                                   \
    X(new_fluid_audio_driver)                                                                                \
    X(new_fluid_audio_driver2)                                                                               \
    X(delete_fluid_audio_driver)                                                                             \
    X(fluid_is_soundfont)                                                                                    \
    X(fluid_synth_noteon)                                                                                    \
    X(fluid_synth_noteoff)                                                                                   \
    X(fluid_synth_key_pressure)                                                                              \
    X(fluid_synth_cc)                                                                                        \
    X(fluid_synth_program_change)                                                                            \
    X(fluid_synth_channel_pressure)                                                                          \
    X(fluid_synth_pitch_bend)                                                                                \
    X(fluid_synth_all_notes_off)

struct FluidSynthApi {
#define CLAVITO_FLUID_MEMBER(name) decltype(&::name) name = nullptr;
    CLAVITO_FLUID_FUNCTIONS(CLAVITO_FLUID_MEMBER)
#undef CLAVITO_FLUID_MEMBER
};

// The library, loaded on the first call (thread-safe); null when it or one of its functions is missing.
const FluidSynthApi* fluidSynth();

struct FluidDeleter {
    void operator()(fluid_settings_t* settings) const { fluidSynth()->delete_fluid_settings(settings); }
    void operator()(fluid_synth_t* synth) const { fluidSynth()->delete_fluid_synth(synth); }
    void operator()(fluid_audio_driver_t* driver) const { fluidSynth()->delete_fluid_audio_driver(driver); }
};
using FluidSettingsPtr = std::unique_ptr<fluid_settings_t, FluidDeleter>;
using FluidSynthPtr = std::unique_ptr<fluid_synth_t, FluidDeleter>;
using FluidDriverPtr = std::unique_ptr<fluid_audio_driver_t, FluidDeleter>;

} // namespace platform
