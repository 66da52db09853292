#pragma once
// The built-in synthesizer: FluidSynth playing a SoundFont through one of its audio drivers.

#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "platform/midi/FluidSynthLibrary.h"
#include "platform/midi/JackAudio.h"
#include "platform/midi/MidiOut.h"
#include "platform/midi/MidiSettings.h"

namespace platform {

// Checks the SoundFont (MIDIERR_NOMAP when it is missing or not a SoundFont, or FluidSynth is not
// installed), creates the synthesizer and starts its audio (MIDIERR_NODEVICE when no driver starts). The
// SoundFont itself loads in the background, from before the audio starts: a sound server may take longer to
// give a stream than the load takes.
MidiOpenResult openSynthOutput(const MidiSettings& settings);

// What the audio driver renders: silence until the SoundFont is in (a synthesizer rendered earlier can put
// out full-scale noise), the synthesizer from then on. Each period counts, so that an audio driver that
// stopped calling is noticed.
struct SynthRenderer {
    fluid_synth_t* synth = nullptr;
    std::atomic<bool> loaded{false};
    std::atomic<unsigned> periods{0};
};

// The synthesizer's running audio: a FluidSynth driver, or the program's own JACK client.
struct SynthAudio {
    FluidDriverPtr driver;
    std::unique_ptr<JackAudio> jack;
};

class SynthOutput : public MidiOutput {
public:
    // Starts the worker, which loads soundFontPath at once. The output is silent until one of the start
    // functions below gives it audio. Audio that rendered and then stops for kAudioSilence is reported lost
    // (a JACK server that shut down, a sound server gone, a device unplugged: FluidSynth's drivers just stop
    // calling).
    SynthOutput(FluidSettingsPtr settings, FluidSynthPtr synth, std::string soundFontPath);
    ~SynthOutput() override;

    // Starts FluidSynth's driver of that name, at the rate the synthesizer was made for. A driver that cannot
    // render through a callback (the file driver) is tried on a bare synthesizer for a moment and started on
    // this one once the SoundFont is in. False when it does not start.
    bool startDriver(const char* name);
    // Plays through the program's own JACK client, whose server runs at the rate the synthesizer was made
    // for; false when the server refuses to start it.
    bool startJack(std::unique_ptr<JackAudio> jack);

    // Plays the message at once while the worker is idle. Program Changes, which read the new preset's
    // samples from disk, go to the worker, and so does everything after them until it has caught up, so
    // that messages keep their order and the caller never waits for a disk read (FluidSynth holds its lock
    // for the whole read). Until the SoundFont is in, everything waits on the worker likewise.
    void send(std::uint32_t msg) override;
    // Releases every sounding note on all channels; programs and controllers stay as they are.
    void reset() override;

    // Blocks until the worker has played everything handed to it so far; true when the SoundFont loaded and
    // the audio runs.
    bool waitUntilIdle();
    // The synthesizer, for reading its state back.
    fluid_synth_t* synth() const { return synth_.get(); }

private:
    struct Job {
        enum Kind { Load, Reset, Message } kind;
        std::uint32_t msg = 0;
    };

    void work();
    void watchAudio();
    bool load();
    bool startDriverWithoutCallback();
    void perform(const Job& job);
    void submit(const Job& job, bool toWorker);
    void play(std::uint32_t msg);

    // Declared so that the members die audio first (it renders the synthesizer through the renderer), then
    // renderer, synthesizer and settings; the destructor stops the worker, which may start the file driver,
    // before any.
    FluidSettingsPtr settings_;
    FluidSynthPtr synth_;
    SynthRenderer renderer_;
    SynthAudio audio_; // under mutex_ while it is given
    const std::string soundFontPath_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Job> jobs_; // the front one is being performed by the worker
    bool failed_ = false;
    bool stopping_ = false;
    bool driverAfterLoad_ = false; // a driver without a callback waits for the SoundFont
    unsigned periodsSeen_ = 0;     // the worker's own: the renderer's count at its last look
    bool audioLost_ = false;       // the worker's own
    std::thread worker_;
};

} // namespace platform
