#include "platform/midi/SynthOutput.h"

#include <algorithm>
#include <array>
#include <iostream>

#include <QFile>

#include "platform/midi/JackServer.h"
#include "platform/midi/ShortMessage.h"
#include "platform/midi/SoundFont.h"

namespace platform {

namespace {

constexpr std::array<const char*, 3> kDefaultAudioDrivers = {"pulseaudio", "alsa", "jack"};

// 128 frames x 2 periods: about 6 ms of output latency at 44.1 kHz, against 23 ms for FluidSynth's default.
constexpr int kPeriodSize = 128;
constexpr int kPeriods = 2;

// Sample loading stays eager (synth.dynamic-sample-loading off): the whole load runs on the worker, and no
// later Program Change has to read samples from disk on the UI thread.
FluidSettingsPtr makeSettings(const MidiSettings& settings) {
    FluidSettingsPtr fluid{new_fluid_settings()};
    if (fluid) {
        fluid_settings_setint(fluid.get(), "synth.dynamic-sample-loading", 0);
        fluid_settings_setint(fluid.get(), "audio.period-size", kPeriodSize);
        fluid_settings_setint(fluid.get(), "audio.periods", kPeriods);
        // On JACK the synthesizer wires itself to the system's playback ports; unwired it would be silent.
        fluid_settings_setint(fluid.get(), "audio.jack.autoconnect", 1);
        if (!settings.audioFile.isEmpty()) {
            fluid_settings_setstr(fluid.get(), "audio.file.name",
                                  QFile::encodeName(settings.audioFile).constData());
        }
    }
    return fluid;
}

int renderSilence(void*, int length, int effectCount, float* effects[], int outputCount, float* outputs[]) {
    for (int i = 0; i < effectCount; ++i) {
        std::fill_n(effects[i], length, 0.0f);
    }
    for (int i = 0; i < outputCount; ++i) {
        std::fill_n(outputs[i], length, 0.0f);
    }
    return FLUID_OK;
}

// Whether the driver starts, asked with a driver that plays silence where it can, since the synthesizer has
// no SoundFont yet. A driver without callbacks (the file driver) renders the bare synthesizer for the moment
// of the probe.
bool probeDriver(fluid_settings_t* settings, fluid_synth_t* synth, const std::string& name) {
    if (name == "jack" && !jackServerRunning()) {
        return false;
    }
    if (fluid_settings_setstr(settings, "audio.driver", name.c_str()) != FLUID_OK) {
        return false;
    }
    FluidDriverPtr driver{new_fluid_audio_driver2(settings, &renderSilence, nullptr)};
    if (!driver) {
        driver.reset(new_fluid_audio_driver(settings, synth));
    }
    return driver != nullptr;
}

bool probeAudio(fluid_settings_t* settings, fluid_synth_t* synth, const QString& audioDriver) {
    if (!audioDriver.isEmpty()) {
        return probeDriver(settings, synth, audioDriver.toStdString());
    }
    return std::any_of(kDefaultAudioDrivers.begin(), kDefaultAudioDrivers.end(),
                       [&](const char* name) { return probeDriver(settings, synth, name); });
}

} // namespace

MidiOpenResult openSynthOutput(const MidiSettings& settings) {
    const QString soundFont = settings.soundFont.isEmpty() ? defaultSoundFont() : settings.soundFont;
    if (soundFont.isEmpty() || !isSoundFontFile(soundFont)) {
        return {MIDIERR_NOMAP, nullptr};
    }
    FluidSettingsPtr fluid = makeSettings(settings);
    FluidSynthPtr synth{fluid ? new_fluid_synth(fluid.get()) : nullptr};
    if (!synth) {
        return {MMSYSERR_ERROR, nullptr};
    }
    // The probe leaves audio.driver set to the driver that started, for the output to start it again.
    if (!probeAudio(fluid.get(), synth.get(), settings.audioDriver)) {
        return {MIDIERR_NODEVICE, nullptr};
    }
    return {MMSYSERR_NOERROR, std::make_unique<SynthOutput>(std::move(fluid), std::move(synth),
                                                            QFile::encodeName(soundFont).toStdString())};
}

SynthOutput::SynthOutput(FluidSettingsPtr settings, FluidSynthPtr synth, std::string soundFontPath)
    : settings_(std::move(settings)), synth_(std::move(synth)),
      loader_([this, path = std::move(soundFontPath)] { load(path); }) {}

SynthOutput::~SynthOutput() {
    loader_.join();
}

void SynthOutput::send(std::uint32_t msg) {
    submit({false, msg});
}

void SynthOutput::reset() {
    submit({true, 0});
}

bool SynthOutput::waitUntilLoaded() {
    std::unique_lock lock(mutex_);
    loadEnded_.wait(lock, [this] { return load_ != Load::Running; });
    return load_ == Load::Done;
}

bool SynthOutput::start(const std::string& path) {
    // reset_presets = 1 selects the new presets on every channel; nothing has been played before this.
    if (fluid_synth_sfload(synth_.get(), path.c_str(), 1) == FLUID_FAILED) {
        std::cerr << "Clavito: the SoundFont " << path << " did not load; the synthesizer stays silent\n";
        return false;
    }
    driver_.reset(new_fluid_audio_driver(settings_.get(), synth_.get()));
    if (!driver_) {
        std::cerr
            << "Clavito: the synthesizer's audio output stopped working; the synthesizer stays silent\n";
        return false;
    }
    return true;
}

void SynthOutput::load(const std::string& path) {
    const bool loaded = start(path);
    {
        std::lock_guard lock(mutex_);
        if (loaded) {
            for (const Pending& event : pending_) {
                perform(event);
            }
        }
        pending_.clear();
        load_ = loaded ? Load::Done : Load::Failed;
    }
    loadEnded_.notify_all();
}

void SynthOutput::submit(const Pending& event) {
    std::lock_guard lock(mutex_);
    if (load_ == Load::Running) {
        pending_.push_back(event);
    } else if (load_ == Load::Done) {
        perform(event);
    }
}

void SynthOutput::perform(const Pending& event) {
    if (event.reset) {
        silence();
    } else {
        play(event.msg);
    }
}

void SynthOutput::silence() {
    fluid_synth_all_notes_off(synth_.get(), -1);
}

void SynthOutput::play(std::uint32_t msg) {
    const auto message = decodeShortMessage(msg);
    if (!message) {
        return;
    }
    fluid_synth_t* synth = synth_.get();
    const int channel = message->channel();
    const int data1 = message->data1();
    const int data2 = message->data2();
    switch (message->kind()) {
    case kNoteOn:
        if (data2 > 0) {
            fluid_synth_noteon(synth, channel, data1, data2);
            break;
        }
        [[fallthrough]];
    case kNoteOff:
        fluid_synth_noteoff(synth, channel, data1);
        break;
    case kKeyPressure:
        fluid_synth_key_pressure(synth, channel, data1, data2);
        break;
    case kControlChange:
        fluid_synth_cc(synth, channel, data1, data2);
        break;
    case kProgramChange:
        fluid_synth_program_change(synth, channel, data1);
        break;
    case kChannelPressure:
        fluid_synth_channel_pressure(synth, channel, data1);
        break;
    case kPitchBend:
        fluid_synth_pitch_bend(synth, channel, data1 | data2 << 7);
        break;
    default:
        break;
    }
}

} // namespace platform
