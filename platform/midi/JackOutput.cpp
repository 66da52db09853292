#include "platform/midi/JackOutput.h"

#include <array>
#include <cstring>
#include <iostream>

#include <jack/midiport.h>

namespace platform {

namespace {

constexpr char kClientName[] = "Clavito";
constexpr char kPortName[] = "out";
// Room for 4096 messages: far more than a player sends between two cycles.
constexpr std::size_t kQueueBytes = 16384;

// A message as it waits in the queue: one fixed-size record, so the process callback never sees half of one.
struct Record {
    std::uint8_t length = 0;
    std::array<std::uint8_t, 3> bytes{};
};

} // namespace

MidiOpenResult openJackOutput(const std::string& connect) {
    auto output = std::make_unique<JackOutput>();
    if (!output->start()) {
        return {MIDIERR_NODEVICE, nullptr};
    }
    if (!connect.empty() && !output->connect(connect)) {
        std::cerr << "Clavito: cannot connect the MIDI output to \"" << connect << "\"\n";
    }
    return {MMSYSERR_NOERROR, std::move(output)};
}

JackOutput::JackOutput() : queue_(jack_ringbuffer_create(kQueueBytes)) {}

JackOutput::~JackOutput() {
    closing_.store(true, std::memory_order_release);
    if (started_) {
        drained_.wait(false);
    }
    client_.reset();
}

bool JackOutput::start() {
    client_ = JackClient::open(kClientName, [this] { serverGone(); });
    if (!client_ || !queue_) {
        return false;
    }
    port_ = jack_port_register(client_->get(), kPortName, JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
    if (port_ == nullptr) {
        return false;
    }
    jack_set_process_callback(client_->get(), &JackOutput::process, this);
    started_ = jack_activate(client_->get()) == 0;
    return started_;
}

bool JackOutput::connect(const std::string& destination) {
    return jack_connect(client_->get(), jack_port_name(port_), destination.c_str()) == 0;
}

void JackOutput::write(const ShortMessage& message) {
    Record record{static_cast<std::uint8_t>(message.length), message.bytes};
    if (jack_ringbuffer_write_space(queue_.get()) >= sizeof record) {
        jack_ringbuffer_write(queue_.get(), reinterpret_cast<const char*>(&record), sizeof record);
    }
}

// Every waiting message goes out at the start of the cycle, in order; what the port's buffer cannot take
// waits for the next cycle.
int JackOutput::process(jack_nframes_t frames, void* self) {
    auto* output = static_cast<JackOutput*>(self);
    jack_ringbuffer_t* queue = output->queue_.get();
    void* buffer = jack_port_get_buffer(output->port_, frames);
    jack_midi_clear_buffer(buffer);
    Record record;
    while (jack_ringbuffer_peek(queue, reinterpret_cast<char*>(&record), sizeof record) == sizeof record) {
        jack_midi_data_t* event = jack_midi_event_reserve(buffer, 0, record.length);
        if (event == nullptr) {
            break;
        }
        std::memcpy(event, record.bytes.data(), record.length);
        jack_ringbuffer_read_advance(queue, sizeof record);
    }
    if (output->closing_.load(std::memory_order_acquire) && jack_ringbuffer_read_space(queue) == 0 &&
        !output->drained_.exchange(true)) {
        output->drained_.notify_all();
    }
    return 0;
}

void JackOutput::serverGone() {
    drained_.store(true);
    drained_.notify_all();
    reportLost();
}

} // namespace platform
