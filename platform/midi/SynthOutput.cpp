#include "platform/midi/SynthOutput.h"

#include <algorithm>
#include <array>
#include <iostream>
#include <optional>

#include <QFile>

#include "platform/midi/JackAudio.h"
#include "platform/midi/ShortMessage.h"
#include "platform/midi/SoundFont.h"

namespace platform {

namespace {

constexpr std::array<const char*, 3> kDefaultAudioDrivers = {"pulseaudio", "alsa", "jack"};

// 128 frames x 2 periods: about 6 ms of output latency at 44.1 kHz, against 23 ms for FluidSynth's default.
constexpr int kPeriodSize = 128;
constexpr int kPeriods = 2;

// Long enough that a loaded machine never delays a period that much, short enough to tell the player soon.
constexpr std::chrono::seconds kAudioSilence{2};

// With dynamic sample loading only the samples of the presets selected on some channel stay in memory
// (FluidR3_GM: 148 MB on disk, a few MB per preset).
FluidSettingsPtr makeSettings(const FluidSynthApi& fluid, const MidiSettings& settings) {
    FluidSettingsPtr made{fluid.new_fluid_settings()};
    if (made) {
        fluid_settings_t* s = made.get();
        fluid.fluid_settings_setint(s, "synth.dynamic-sample-loading", 1);
        fluid.fluid_settings_setint(s, "audio.period-size", kPeriodSize);
        fluid.fluid_settings_setint(s, "audio.periods", kPeriods);
        if (!settings.audioFile.isEmpty()) {
            fluid.fluid_settings_setstr(s, "audio.file.name",
                                        QFile::encodeName(settings.audioFile).constData());
        }
    }
    return made;
}

int render(void* data, int length, int effectCount, float* effects[], int outputCount, float* outputs[]) {
    for (int i = 0; i < effectCount; ++i) {
        std::fill_n(effects[i], length, 0.0f);
    }
    for (int i = 0; i < outputCount; ++i) {
        std::fill_n(outputs[i], length, 0.0f);
    }
    auto* renderer = static_cast<SynthRenderer*>(data);
    renderer->periods.fetch_add(1, std::memory_order_relaxed);
    if (!renderer->loaded.load(std::memory_order_acquire)) {
        return FLUID_OK;
    }
    return fluidSynth()->fluid_synth_process(renderer->synth, length, effectCount, effects, outputCount,
                                             outputs);
}

// JACK: the program's own client (see JackAudio), and the synthesizer to be made at the server's rate.
std::optional<SynthAudio> startJack(const FluidSynthApi& fluid, fluid_settings_t* settings,
                                    SynthRenderer& renderer) {
    std::unique_ptr<JackAudio> jack = JackAudio::open();
    if (!jack) {
        return std::nullopt;
    }
    fluid.fluid_settings_setnum(settings, "synth.sample-rate", jack->sampleRate());
    if (!jack->start(&render, &renderer)) {
        return std::nullopt;
    }
    return SynthAudio{nullptr, std::move(jack)};
}

// Starts the named driver on the renderer, and leaves audio.driver naming it for the worker where it starts
// later. A driver without callbacks (the file driver) is only tried on a bare synthesizer for a moment.
std::optional<SynthAudio> startDriver(const FluidSynthApi& fluid, fluid_settings_t* settings,
                                      SynthRenderer& renderer, const std::string& name) {
    if (name == "jack") {
        return startJack(fluid, settings, renderer);
    }
    if (fluid.fluid_settings_setstr(settings, "audio.driver", name.c_str()) != FLUID_OK) {
        return std::nullopt;
    }
    FluidDriverPtr driver{fluid.new_fluid_audio_driver2(settings, &render, &renderer)};
    if (driver) {
        return SynthAudio{std::move(driver), nullptr};
    }
    const FluidSynthPtr bare{fluid.new_fluid_synth(settings)};
    const FluidDriverPtr probe{bare ? fluid.new_fluid_audio_driver(settings, bare.get()) : nullptr};
    return probe ? std::optional(SynthAudio{}) : std::nullopt;
}

std::optional<SynthAudio> startAudio(const FluidSynthApi& fluid, fluid_settings_t* settings,
                                     SynthRenderer& renderer, const QString& audioDriver) {
    if (!audioDriver.isEmpty()) {
        return startDriver(fluid, settings, renderer, audioDriver.toStdString());
    }
    for (const char* name : kDefaultAudioDrivers) {
        if (std::optional<SynthAudio> audio = startDriver(fluid, settings, renderer, name)) {
            return audio;
        }
    }
    return std::nullopt;
}

} // namespace

MidiOpenResult openSynthOutput(const MidiSettings& settings) {
    const QString soundFont = settings.soundFont.isEmpty() ? defaultSoundFont() : settings.soundFont;
    if (soundFont.isEmpty() || !isSoundFontFile(soundFont)) {
        return {MIDIERR_NOMAP, nullptr};
    }
    const FluidSynthApi& fluid = *fluidSynth(); // isSoundFontFile loaded it
    FluidSettingsPtr fluidSettings = makeSettings(fluid, settings);
    if (!fluidSettings) {
        return {MMSYSERR_ERROR, nullptr};
    }
    // The audio comes first, since it may set the rate; it renders silence until the SoundFont is in.
    auto renderer = std::make_unique<SynthRenderer>();
    std::optional<SynthAudio> audio = startAudio(fluid, fluidSettings.get(), *renderer, settings.audioDriver);
    if (!audio) {
        return {MIDIERR_NODEVICE, nullptr};
    }
    FluidSynthPtr synth{fluid.new_fluid_synth(fluidSettings.get())};
    if (!synth) {
        return {MMSYSERR_ERROR, nullptr};
    }
    renderer->synth = synth.get();
    return {MMSYSERR_NOERROR,
            std::make_unique<SynthOutput>(std::move(fluidSettings), std::move(synth), std::move(renderer),
                                          std::move(*audio), QFile::encodeName(soundFont).toStdString())};
}

SynthOutput::SynthOutput(FluidSettingsPtr settings, FluidSynthPtr synth,
                         std::unique_ptr<SynthRenderer> renderer, SynthAudio audio, std::string soundFontPath)
    : settings_(std::move(settings)), synth_(std::move(synth)), renderer_(std::move(renderer)),
      audio_(std::move(audio)), soundFontPath_(std::move(soundFontPath)), jobs_{{Job::Load}},
      worker_([this] { work(); }) {}

SynthOutput::~SynthOutput() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    worker_.join();
}

void SynthOutput::send(std::uint32_t msg) {
    const auto message = decodeShortMessage(msg);
    submit({Job::Message, msg}, message && message->kind() == kProgramChange);
}

void SynthOutput::reset() {
    submit({Job::Reset}, false);
}

bool SynthOutput::waitUntilIdle() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return jobs_.empty(); });
    return !failed_;
}

void SynthOutput::submit(const Job& job, bool toWorker) {
    std::lock_guard lock(mutex_);
    if (failed_) {
        return;
    }
    if (jobs_.empty() && !toWorker) {
        perform(job);
        return;
    }
    jobs_.push_back(job);
    changed_.notify_all();
}

void SynthOutput::work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        if (!changed_.wait_for(lock, kAudioSilence, [this] { return stopping_ || !jobs_.empty(); })) {
            watchAudio();
            continue;
        }
        if (stopping_) {
            return;
        }
        const Job job = jobs_.front();
        lock.unlock();
        const bool done = job.kind != Job::Load || load();
        if (job.kind != Job::Load) {
            perform(job);
        }
        lock.lock();
        jobs_.pop_front();
        if (!done) {
            failed_ = true;
            jobs_.clear();
        }
        changed_.notify_all();
    }
}

// Audio that never rendered (the file driver renders without the callback) is not watched.
void SynthOutput::watchAudio() {
    const unsigned periods = renderer_->periods.load(std::memory_order_relaxed);
    if (periods != 0 && periods == periodsSeen_ && !audioLost_) {
        audioLost_ = true;
        std::cerr << "Clavito: the synthesizer's audio output stopped\n";
        reportLost();
    }
    periodsSeen_ = periods;
}

bool SynthOutput::load() {
    const FluidSynthApi& fluid = *fluidSynth();
    // reset_presets = 1 selects the new presets on every channel; nothing has been played before this.
    if (fluid.fluid_synth_sfload(synth_.get(), soundFontPath_.c_str(), 1) == FLUID_FAILED) {
        std::cerr << "Clavito: the SoundFont " << soundFontPath_
                  << " did not load; the synthesizer stays silent\n";
        return false;
    }
    renderer_->loaded.store(true, std::memory_order_release);
    if (!audio_.driver && !audio_.jack) {
        audio_.driver.reset(fluid.new_fluid_audio_driver(settings_.get(), synth_.get()));
        if (!audio_.driver) {
            std::cerr
                << "Clavito: the synthesizer's audio output stopped working; the synthesizer stays silent\n";
            return false;
        }
    }
    return true;
}

void SynthOutput::perform(const Job& job) {
    if (job.kind == Job::Reset) {
        fluidSynth()->fluid_synth_all_notes_off(synth_.get(), -1);
    } else {
        play(job.msg);
    }
}

void SynthOutput::play(std::uint32_t msg) {
    const auto message = decodeShortMessage(msg);
    if (!message) {
        return;
    }
    const FluidSynthApi& fluid = *fluidSynth();
    fluid_synth_t* synth = synth_.get();
    const int channel = message->channel();
    const int data1 = message->data1();
    const int data2 = message->data2();
    switch (message->kind()) {
    case kNoteOn:
        if (data2 > 0) {
            fluid.fluid_synth_noteon(synth, channel, data1, data2);
            break;
        }
        [[fallthrough]];
    case kNoteOff:
        fluid.fluid_synth_noteoff(synth, channel, data1);
        break;
    case kKeyPressure:
        fluid.fluid_synth_key_pressure(synth, channel, data1, data2);
        break;
    case kControlChange:
        fluid.fluid_synth_cc(synth, channel, data1, data2);
        break;
    case kProgramChange:
        fluid.fluid_synth_program_change(synth, channel, data1);
        break;
    case kChannelPressure:
        fluid.fluid_synth_channel_pressure(synth, channel, data1);
        break;
    case kPitchBend:
        fluid.fluid_synth_pitch_bend(synth, channel, data1 | data2 << 7);
        break;
    default:
        break;
    }
}

} // namespace platform
