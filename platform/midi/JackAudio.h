#pragma once
// The built-in synthesizer's audio on JACK: a client "Clavito" with the output ports "left" and "right",
// wired to the system's first two playback ports, rendering through the synthesizer's render function.
// FluidSynth's own JACK driver is not used: it closes its client whatever became of the server, which
// libjack may have deleted by then (see JackClient).

#include <memory>

#include "platform/midi/JackClient.h"

namespace platform {

class JackAudio {
public:
    // FluidSynth's fluid_audio_func_t.
    using RenderFunction = int (*)(void* data, int length, int effectCount, float* effects[], int outputCount,
                                   float* outputs[]);

    // Opens the client and its ports; null when no server answers (none is started).
    static std::unique_ptr<JackAudio> open();
    // The server's sample rate, at which the synthesizer has to render.
    double sampleRate() const;
    // Starts the process cycles, which call render with data, and wires the ports; false when the server
    // refuses to start them.
    bool start(RenderFunction render, void* data);

private:
    explicit JackAudio(std::unique_ptr<JackClient> client);
    static int process(jack_nframes_t frames, void* self);

    std::unique_ptr<JackClient> client_;
    jack_port_t* left_ = nullptr;
    jack_port_t* right_ = nullptr;
    RenderFunction render_ = nullptr;
    void* data_ = nullptr;
};

} // namespace platform
