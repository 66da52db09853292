#pragma once
// The JACK MIDI output: a client "Clavito" with a MIDI output port "out". Written over libjack itself
// rather than RtMidi, which neither passes on JACK's shutdown notice nor leaves the client of a dead server
// alone.

#include <atomic>
#include <memory>
#include <string>

#include <jack/ringbuffer.h>

#include "platform/midi/JackClient.h"
#include "platform/midi/MidiOut.h"
#include "platform/midi/NoteTracker.h"

namespace platform {

// Opens the port and, when connect is not empty, connects it to that JACK port ("client:port"). No JACK
// server gives MIDIERR_NODEVICE (none is started); a destination that cannot be connected is reported on
// stderr and the port stays open unconnected. The output is reported lost when the server shuts down.
MidiOpenResult openJackOutput(const std::string& connect);

class JackOutput : public TrackedPortOutput {
public:
    JackOutput();
    // Waits until the server has taken every queued message (the last reset included), then closes the
    // client. Both wait on the server, which is why the port closes its outputs through a PendingCall.
    ~JackOutput() override;

    // Opens the client and its port and starts the process cycles; false when any of it fails.
    bool start();
    // Connects the port to a destination "client:port"; false when that fails.
    bool connect(const std::string& destination);

protected:
    // Queued for the next process cycle; dropped when the queue is full (the server takes nothing).
    void write(const ShortMessage& message) override;

private:
    struct QueueFree {
        void operator()(jack_ringbuffer_t* queue) const { jack_ringbuffer_free(queue); }
    };

    static int process(jack_nframes_t frames, void* self);
    void serverGone();

    // Declared so that the client closes, ending the process callbacks, before the queue is freed.
    std::unique_ptr<jack_ringbuffer_t, QueueFree> queue_;
    std::unique_ptr<JackClient> client_;
    jack_port_t* port_ = nullptr;
    bool started_ = false;
    std::atomic<bool> closing_{false};
    // Set by the process callback once the queue is empty during the close, or when the server went away.
    std::atomic<bool> drained_{false};
};

} // namespace platform
