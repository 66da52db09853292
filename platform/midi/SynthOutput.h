#pragma once
// The built-in synthesizer: FluidSynth playing a SoundFont through one of its audio drivers.

#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <fluidsynth.h>

#include "platform/midi/MidiOut.h"
#include "platform/midi/MidiSettings.h"

namespace platform {

// Checks the SoundFont (MIDIERR_NOMAP when it is missing or not a SoundFont), creates the synthesizer and
// makes sure its audio starts (MIDIERR_NODEVICE when no driver starts). The SoundFont itself loads in the
// background.
MidiOpenResult openSynthOutput(const MidiSettings& settings);

struct FluidDeleter {
    void operator()(fluid_settings_t* settings) const { delete_fluid_settings(settings); }
    void operator()(fluid_synth_t* synth) const { delete_fluid_synth(synth); }
    void operator()(fluid_audio_driver_t* driver) const { delete_fluid_audio_driver(driver); }
};
using FluidSettingsPtr = std::unique_ptr<fluid_settings_t, FluidDeleter>;
using FluidSynthPtr = std::unique_ptr<fluid_synth_t, FluidDeleter>;
using FluidDriverPtr = std::unique_ptr<fluid_audio_driver_t, FluidDeleter>;

class SynthOutput : public MidiOutput {
public:
    // Starts loading soundFontPath on a worker thread at once; the audio driver named in settings starts
    // when the load is done. A synthesizer rendered before its SoundFont is in can put out full-scale noise
    // instead of silence, so nothing may play it earlier.
    SynthOutput(FluidSettingsPtr settings, FluidSynthPtr synth, std::string soundFontPath);
    ~SynthOutput() override;

    // Until the SoundFont is loaded, messages and resets wait in a queue and are played in order once it is
    // (FluidSynth holds its lock for the whole load, so calling it meanwhile would stall the caller).
    void send(std::uint32_t msg) override;
    // Releases every sounding note on all channels; programs and controllers stay as they are.
    void reset() override;

    // Blocks until the load has ended; true when the SoundFont loaded and the audio started.
    bool waitUntilLoaded();

private:
    enum class Load { Running, Done, Failed };
    struct Pending {
        bool reset = false;
        std::uint32_t msg = 0;
    };

    void load(const std::string& path);
    bool start(const std::string& path);
    void play(std::uint32_t msg);
    void silence();
    void perform(const Pending& event);
    void submit(const Pending& event);

    // Declared in the order of creation, so that the members die audio driver first, then synthesizer,
    // then settings; the destructor joins the loader, which creates the driver, before any of them.
    FluidSettingsPtr settings_;
    FluidSynthPtr synth_;
    FluidDriverPtr driver_;
    std::mutex mutex_;
    std::condition_variable loadEnded_;
    Load load_ = Load::Running;
    std::vector<Pending> pending_;
    std::thread loader_;
};

} // namespace platform
