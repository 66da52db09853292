#include "platform/midi/SynthOutput.h"

#include <algorithm>
#include <array>
#include <iostream>

#include <QFile>

#include "platform/midi/JackAudio.h"
#include "platform/midi/ShortMessage.h"
#include "platform/midi/SoundFont.h"

namespace platform {

namespace {

// The drivers tried when none is named, before JACK.
constexpr std::array<const char*, 2> kDefaultAudioDrivers = {"pulseaudio", "alsa"};
constexpr char kJackDriver[] = "jack";

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

// The synthesizer, made at the rate the settings hold, and its SoundFont loading on the output's worker.
std::unique_ptr<SynthOutput> startLoading(const FluidSynthApi& fluid, FluidSettingsPtr settings,
                                          const std::string& soundFontPath) {
    if (!settings) {
        return nullptr;
    }
    FluidSynthPtr synth{fluid.new_fluid_synth(settings.get())};
    if (!synth) {
        return nullptr;
    }
    return std::make_unique<SynthOutput>(std::move(settings), std::move(synth), soundFontPath);
}

MidiOpenResult started(std::unique_ptr<SynthOutput> output, bool audio) {
    if (!audio) {
        return {MIDIERR_NODEVICE, nullptr};
    }
    return {MMSYSERR_NOERROR, std::move(output)};
}

// JACK: the program's own client (see JackAudio), and the synthesizer made at the server's rate.
MidiOpenResult openOnJack(const FluidSynthApi& fluid, const MidiSettings& settings,
                          const std::string& soundFontPath) {
    std::unique_ptr<JackAudio> jack = JackAudio::open();
    if (!jack) {
        return {MIDIERR_NODEVICE, nullptr};
    }
    FluidSettingsPtr fluidSettings = makeSettings(fluid, settings);
    if (fluidSettings) {
        fluid.fluid_settings_setnum(fluidSettings.get(), "synth.sample-rate", jack->sampleRate());
    }
    std::unique_ptr<SynthOutput> output = startLoading(fluid, std::move(fluidSettings), soundFontPath);
    if (!output) {
        return {MMSYSERR_ERROR, nullptr};
    }
    const bool audio = output->startJack(std::move(jack));
    return started(std::move(output), audio);
}

} // namespace

// The drivers other than JACK play at the synthesizer's own rate, so the SoundFont loads while they start.
// The default list's last choice, JACK, sets a rate of its own: the synthesizer is made anew for it.
MidiOpenResult openSynthOutput(const MidiSettings& settings) {
    const QString soundFont = settings.soundFont.isEmpty() ? defaultSoundFont() : settings.soundFont;
    if (soundFont.isEmpty() || !isSoundFontFile(soundFont)) {
        return {MIDIERR_NOMAP, nullptr};
    }
    const FluidSynthApi& fluid = *fluidSynth(); // isSoundFontFile loaded it
    const std::string soundFontPath = QFile::encodeName(soundFont).toStdString();
    const std::string driver = settings.audioDriver.toStdString();
    if (driver == kJackDriver) {
        return openOnJack(fluid, settings, soundFontPath);
    }
    std::unique_ptr<SynthOutput> output = startLoading(fluid, makeSettings(fluid, settings), soundFontPath);
    if (!output) {
        return {MMSYSERR_ERROR, nullptr};
    }
    if (!driver.empty()) {
        const bool audio = output->startDriver(driver.c_str());
        return started(std::move(output), audio);
    }
    for (const char* name : kDefaultAudioDrivers) {
        if (output->startDriver(name)) {
            return {MMSYSERR_NOERROR, std::move(output)};
        }
    }
    output.reset();
    return openOnJack(fluid, settings, soundFontPath);
}

SynthOutput::SynthOutput(FluidSettingsPtr settings, FluidSynthPtr synth, std::string soundFontPath)
    : settings_(std::move(settings)), synth_(std::move(synth)),
      soundFontPath_(std::move(soundFontPath)), jobs_{{Job::Load}} {
    renderer_.synth = synth_.get();
    worker_ = std::thread([this] { work(); });
}

SynthOutput::~SynthOutput() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    worker_.join();
}

bool SynthOutput::startDriver(const char* name) {
    const FluidSynthApi& fluid = *fluidSynth();
    if (fluid.fluid_settings_setstr(settings_.get(), "audio.driver", name) != FLUID_OK) {
        return false;
    }
    if (FluidDriverPtr driver{fluid.new_fluid_audio_driver2(settings_.get(), &render, &renderer_)}) {
        std::lock_guard lock(mutex_);
        audio_.driver = std::move(driver);
        return true;
    }
    {
        const FluidSynthPtr bare{fluid.new_fluid_synth(settings_.get())};
        const FluidDriverPtr probe{bare ? fluid.new_fluid_audio_driver(settings_.get(), bare.get())
                                        : nullptr};
        if (!probe) {
            return false;
        }
    }
    std::unique_lock lock(mutex_);
    driverAfterLoad_ = true;
    if (!renderer_.loaded.load(std::memory_order_relaxed)) {
        return true; // the worker starts it
    }
    lock.unlock();
    return startDriverWithoutCallback();
}

bool SynthOutput::startJack(std::unique_ptr<JackAudio> jack) {
    if (!jack->start(&render, &renderer_)) {
        return false;
    }
    std::lock_guard lock(mutex_);
    audio_.jack = std::move(jack);
    return true;
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
    const unsigned periods = renderer_.periods.load(std::memory_order_relaxed);
    if (periods != 0 && periods == periodsSeen_ && !audioLost_) {
        audioLost_ = true;
        std::cerr << "Clavito: the synthesizer's audio output stopped\n";
        reportLost();
    }
    periodsSeen_ = periods;
}

bool SynthOutput::load() {
    // reset_presets = 1 selects the new presets on every channel; nothing has been played before this.
    if (fluidSynth()->fluid_synth_sfload(synth_.get(), soundFontPath_.c_str(), 1) == FLUID_FAILED) {
        std::cerr << "Clavito: the SoundFont " << soundFontPath_
                  << " did not load; the synthesizer stays silent\n";
        return false;
    }
    // Set under the lock, so that a driver started meanwhile is started once, here or by startDriver.
    std::unique_lock lock(mutex_);
    renderer_.loaded.store(true, std::memory_order_release);
    if (!driverAfterLoad_) {
        return true;
    }
    lock.unlock();
    return startDriverWithoutCallback();
}

bool SynthOutput::startDriverWithoutCallback() {
    FluidDriverPtr driver{fluidSynth()->new_fluid_audio_driver(settings_.get(), synth_.get())};
    if (!driver) {
        std::cerr
            << "Clavito: the synthesizer's audio output stopped working; the synthesizer stays silent\n";
        return false;
    }
    std::lock_guard lock(mutex_);
    audio_.driver = std::move(driver);
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
